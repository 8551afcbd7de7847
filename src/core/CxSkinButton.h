#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>

#include <optional>

class QKeyEvent;
class QMouseEvent;
class QPainter;

// A picture button: painted entirely from four bitmaps (normal, pressed,
// hover and a mask), shaped like its mask so the page shows round it, with a
// tooltip and, when asked for, check-box or radio-button behaviour of its own.
// Used for the pages' help buttons and the large link buttons.
//
// The checked state is the button's own (GetCheck/SetCheck), not Qt's
// checkable state: it changes before clicked() is emitted, exactly as a user
// toggling the box sees it.
class CxSkinButton : public QAbstractButton {
    Q_OBJECT

public:
    // How the button behaves, given the way a dialog control's style would
    // give it (the low bits of the classic button styles).
    enum class ButtonStyle : unsigned {
        PushButton = 0x0,
        AutoCheckBox = 0x3,
        AutoRadioButton = 0x9,
    };

    // The button kinds it ends up with (m_nKind).
    static constexpr int KindPushButton = 0;
    static constexpr int KindCheckBox = 2;
    static constexpr int KindRadioButton = 4;

    // Posted to the other controls of a radio button's group when it becomes
    // checked; controls other than skinned buttons ignore it.
    static constexpr QEvent::Type WM_SKINBUTTON_UNCHECK =
        static_cast<QEvent::Type>(QEvent::User + 0x100);

    explicit CxSkinButton(QWidget* parent = nullptr, ButtonStyle style = ButtonStyle::PushButton);
    ~CxSkinButton() override;

    // Loads the four pictures from the program's bitmaps (ids), cuts the
    // button's shape from the mask and gives it the mask's size at its current
    // place. A picture that is missing stays empty.
    void SetBitmaps(unsigned short normal, unsigned short down, unsigned short over,
                    unsigned short mask);
    // The same with pictures at hand; a null image counts as missing.
    void SetBitmaps(const QImage& normal, const QImage& down, const QImage& over,
                    const QImage& mask);

    // The tooltip's text; the first call creates the tooltip, later calls
    // only change its text.
    void SetTooltip(QString text);

    // Checked state, as a check box or radio button reports it (0 or 1); a
    // push button is never checked. Checking a radio button unchecks the other
    // members of its group once the posted notices are delivered.
    int GetCheck() const { return OnGetCheckMsg(); }
    void SetCheck(int nCheck) { OnSetCheckMsg(nCheck); }

    int GetKind() const { return m_nKind; }
    bool IsOver() const { return m_bOver; }
    bool IsPressed() const { return m_bPressed; }
    // The shape cut from the mask; nullopt while there is no mask.
    const std::optional<QRegion>& GetClipRegion() const { return m_hClipRgn; }

    QSize sizeHint() const override;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void leaveEvent(QEvent* e) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void PreSubclassWindow();
    void DrawItem(QPainter& dc);
    void PaintBitmap(QPainter& dc, const QImage& bitmap, const QRect& rcItem);
    std::optional<QRegion> RegionFromMask(const QImage& bitmap) const;
    bool IsUnderPoint(const QPoint& point) const;

    void OnLButtonDown(QMouseEvent* e);
    void OnLButtonUp(QMouseEvent* e);
    void OnMouseMove(QMouseEvent* e);
    void OnLButtonDblClk(QMouseEvent* e);
    void OnKillFocus(QFocusEvent* e);
    void OnKeyDown(QKeyEvent* e);
    void OnMouseLeave();
    int OnUncheckMsg();
    int OnSetCheckMsg(int wParam);
    int OnGetCheckMsg() const;

    bool m_bChecked = false;
    int m_nKind = KindPushButton;
    bool m_bOver = false;
    bool m_bPressed = false;
    // The tooltip's text; nullopt until the tooltip is created.
    std::optional<QString> m_tooltip;
    QImage m_bmpNormal;
    QImage m_bmpDown;
    QImage m_bmpDisabled;
    QImage m_bmpMask;
    QImage m_bmpOver;
    QColor m_crText;
    std::optional<QRegion> m_hClipRgn;

    ButtonStyle m_style;
    // The button follows the mouse from press to release even off its shape.
    bool m_bCapture = false;
    // Where the mouse was last seen while the button held it.
    QPoint m_ptCursor;
};
