#include "pages/SettingsPage.h"

#include "core/COptions.h"
#include "core/CTranslate.h"
#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/DialogUnits.h"
#include "core/MakerSite.h"
#include "decorations/DecorationWindow.h"
#include "vocabulary/PictureIds.h"

#include <QCollator>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QSlider>

#include <algorithm>
#include <vector>

namespace {

// The locale whose alphabet sorts the lists of a language of the program.
QLocale LocaleOfLanguage(const QString& language)
{
    if (language == QLatin1String("Russian"))
        return QLocale(QLocale::Russian);
    if (language == QLatin1String("German"))
        return QLocale(QLocale::German);
    if (language == QLatin1String("Polish"))
        return QLocale(QLocale::Polish);
    if (language == QLatin1String("French"))
        return QLocale(QLocale::French);
    return QLocale(QLocale::English);
}

} // namespace

SettingsPage::SettingsPage(const PageContext& context, unsigned templateId, QSize sizeInDialogUnits,
                           std::span<const DialogControl> controls)
    : m_context(context), m_nTemplateId(templateId), m_sizeInDialogUnits(sizeInDialogUnits),
      m_controls(controls)
{
}

SettingsPage::~SettingsPage() = default;

bool SettingsPage::Create(QWidget* parent)
{
    if (m_bCreated)
        return true;
    setParent(parent);
    setFixedSize(DialogUnits::ToPixels(m_sizeInDialogUnits));
    DialogTemplate::CreateControls(this, m_controls);
    m_bCreated = true;
    OnInitDialog();
    return true;
}

bool SettingsPage::OnInitDialog()
{
    DoDataExchange();
    return true;
}

void SettingsPage::SetControlTexts(std::span<const CONTROL_TEXT> table)
{
    for (const CONTROL_TEXT& row : table)
        SetDlgItemText(this, row.controlId, Text(row.textId));
}

void SettingsPage::InitHelpButton(CxSkinButton* button)
{
    button->SetBitmaps(kHelpButtonBitmap, kHelpButtonBitmap, kHelpButtonBitmap, kHelpButtonMask);
    // In pixels: the page pictures keep that corner free for it.
    button->move(450, 3);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &CxSkinButton::clicked, this, &SettingsPage::OnHelpClicked);
}

void SettingsPage::RefreshHelpButton(CxSkinButton* button)
{
    button->SetTooltip(Text(43));
    button->hide();
    button->show();
}

void SettingsPage::OnHelpClicked()
{
    OpenHelpPage(*m_context.services.shell, m_context.options.Language);
}

void SettingsPage::SettingsChanged() const
{
    if (m_context.settingsChanged)
        m_context.settingsChanged();
}

void SettingsPage::FillKeyedList(QComboBox* list, std::span<const KeyedListItem> items,
                                 const QString& current, bool sorted) const
{
    std::vector<KeyedListItem> shown(items.begin(), items.end());
    if (sorted) {
        // As a sorted list on the desktop the design knew: by letters, case
        // aside, in the language's own alphabet.
        QCollator collator(LocaleOfLanguage(m_context.options.Language));
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(shown.begin(), shown.end(),
                         [&](const KeyedListItem& a, const KeyedListItem& b) {
                             return collator.compare(a.caption, b.caption) < 0;
                         });
    }
    list->clear();
    for (const KeyedListItem& item : shown)
        list->addItem(item.caption, item.key);
    list->setCurrentIndex(
        list->findData(current, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QString SettingsPage::SelectedKey(const QComboBox* list)
{
    return list->currentIndex() < 0 ? QString() : list->currentData().toString();
}

void SettingsPage::FillList(QComboBox* list, std::span<const unsigned> textIds, int current) const
{
    list->clear();
    for (unsigned id : textIds)
        list->addItem(Text(id));
    list->setCurrentIndex(current >= 0 && current < list->count() ? current : -1);
}

void SettingsPage::SetSliderRange(QSlider* slider, int minimum, int maximum)
{
    slider->setRange(minimum, maximum);
    slider->setPageStep(std::max(1, (maximum - minimum) / 5));
}

void SettingsPage::ConnectReleased(QSlider* slider, const std::function<void()>& apply)
{
    connect(slider, &QSlider::sliderReleased, this, apply);
    // A step the keyboard, the wheel or a click on the track makes comes as an
    // action with the thumb up; a drag's moves come with it down and wait for
    // the release.
    connect(slider, &QSlider::actionTriggered, this, [slider, apply](int action) {
        if (action != QAbstractSlider::SliderNoAction && !slider->isSliderDown())
            apply();
    });
}

void SettingsPage::EnableControls(std::span<const int> ids, bool enable) const
{
    for (int id : ids)
        EnableDlgItem(this, id, enable);
}

void SettingsPage::AlignLabelWithList(int labelId, const QComboBox* list,
                                      Qt::Alignment horizontal) const
{
    auto* label = GetDlgItemAs<QLabel>(this, labelId);
    if (!label)
        return;
    QRect line = label->geometry();
    line.setTop(list->y());
    line.setHeight(list->height());
    label->setGeometry(line);
    label->setAlignment(horizontal | Qt::AlignVCenter);
}

void SettingsPage::SwitchDecoration(DecorationWindow& decoration, bool on,
                                    std::span<const int> dependents, bool& setting) const
{
    if (on)
        decoration.Create();
    else
        decoration.DestroyWindow();
    EnableControls(dependents, on);
    setting = on;
    SettingsChanged();
}

const QString& SettingsPage::Text(unsigned id) const
{
    return m_context.translate.m_arrText.at(id);
}

void SettingsPage::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        OnCancel();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnOK();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
