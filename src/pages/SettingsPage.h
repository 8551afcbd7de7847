#pragma once

#include "core/DialogTemplate.h"
#include "pages/PageContext.h"

#include <QSize>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <span>

class CxSkinButton;
class DecorationWindow;
class QComboBox;
class QSlider;

// One row of a page's text table: the control and the id of its text.
struct CONTROL_TEXT {
    uint16_t controlId;
    uint16_t textId;
};

// One choice of a list whose setting is a key: the caption the user sees and
// the key the settings keep.
struct KeyedListItem {
    QString caption;
    QString key;
};

// What every settings page shares. A page object exists from the settings
// window's construction on; its window (the widget's place on the tab control
// and its controls) is made once by Create(), which then runs OnInitDialog().
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    // The page sizes of the layouts, in dialog units.
    static constexpr QSize kWideTemplate{313, 168};
    static constexpr QSize kNarrowTemplate{312, 168};

    ~SettingsPage() override;

    // Makes the page's window as a child of the tab control; true once made.
    bool Create(QWidget* parent);
    bool IsWindow() const { return m_bCreated; }
    unsigned TemplateId() const { return m_nTemplateId; }

    // Re-reads every text of the page in the current language; the settings
    // window calls it at start and after every change of language.
    virtual void RefreshTexts() {}
    // A help button's tooltip in the current language; hiding and showing
    // the button again repaints it over the page's picture.
    void RefreshHelpButton(CxSkinButton* button);

protected:
    SettingsPage(const PageContext& context, unsigned templateId, QSize sizeInDialogUnits,
                 std::span<const DialogControl> controls = {});

    // Binds the page's members to its controls.
    virtual void DoDataExchange() {}
    // Runs once, when the window has been made; the base binds the controls.
    virtual bool OnInitDialog();
    // Enter and Esc inside a page do nothing, so that a key meant for a list
    // or a box never closes the settings window.
    virtual void OnOK() {}
    virtual void OnCancel() {}

    // Each row's control gets its text in the current language.
    void SetControlTexts(std::span<const CONTROL_TEXT> table);
    // The help button: its picture, its place in the page's top right
    // corner, the hand pointer over it and the help page on a click.
    void InitHelpButton(CxSkinButton* button);
    // Opens the help page, as the icon menu's Help does.
    void OnHelpClicked();
    // Every change the user makes to a setting ends here, so that it is
    // saved a moment later rather than only at Exit.
    void SettingsChanged() const;

    // Refills a list whose items stand for keys: each item shows its caption
    // and carries its key. With `sorted` the captions are in the alphabetical
    // order of the current language. The item whose key equals `current`
    // exactly is selected; none when no key does.
    void FillKeyedList(QComboBox* list, std::span<const KeyedListItem> items,
                       const QString& current, bool sorted) const;
    // The key of the selected item; empty when nothing is selected.
    static QString SelectedKey(const QComboBox* list);
    // Refills a list of plain choices, whose index is the setting's value, and
    // selects `current`; nothing is selected when it is not an index.
    void FillList(QComboBox* list, std::span<const unsigned> textIds, int current) const;

    // A slider's range; the page keys move the thumb a fifth of the range.
    static void SetSliderRange(QSlider* slider, int minimum, int maximum);
    // Runs `apply` when the user lets go of the slider's thumb and after each
    // step the keyboard, the wheel or a click beside the thumb makes, but not
    // while the thumb is being dragged: what runs is then always what the
    // slider shows. `apply` reads the slider's sliderPosition(), which already
    // holds the new place when a step is made.
    void ConnectReleased(QSlider* slider, const std::function<void()>& apply);

    // Enables or disables the controls with these ids.
    void EnableControls(std::span<const int> ids, bool enable) const;
    // The label that names the list beside it: its text sits on the list's
    // text line, which a closed list centres in its own height.
    void AlignLabelWithList(int labelId, const QComboBox* list, Qt::Alignment horizontal) const;
    // A decoration's on/off box was clicked: its window is made or ended,
    // the controls that mean something only while it is on follow the box,
    // and so does its setting.
    void SwitchDecoration(DecorationWindow& decoration, bool on, std::span<const int> dependents,
                          bool& setting) const;

    // The text with that id in the current language; throws past the end of
    // the table, which the program's own ids never reach.
    const QString& Text(unsigned id) const;

    void keyPressEvent(QKeyEvent* event) override;

    const PageContext m_context;

private:
    unsigned m_nTemplateId;
    QSize m_sizeInDialogUnits;
    std::span<const DialogControl> m_controls;
    bool m_bCreated = false;
};
