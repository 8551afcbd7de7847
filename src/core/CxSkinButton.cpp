#include "core/CxSkinButton.h"

#include "core/DialogGroup.h"
#include "core/MaskRegion.h"
#include "core/ProgramResources.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>

namespace {

QImage LoadBitmapOrEmpty(unsigned short id)
{
    std::unique_ptr<QImage> bitmap = LoadBitmapResource(id);
    return bitmap ? *bitmap : QImage();
}

} // namespace

CxSkinButton::CxSkinButton(QWidget* parent, ButtonStyle style)
    : QAbstractButton(parent), m_crText(palette().color(QPalette::Active, QPalette::ButtonText)),
      m_style(style)
{
    // Hover needs every move over the button, not only moves with a button held.
    setMouseTracking(true);
    PreSubclassWindow();
}

CxSkinButton::~CxSkinButton() = default;

void CxSkinButton::PreSubclassWindow()
{
    const auto style = static_cast<unsigned>(m_style);
    if ((style & 3) == 3)
        m_nKind = KindCheckBox;
    else if ((style & 9) == 9)
        m_nKind = KindRadioButton;
    else
        m_nKind = KindPushButton;
}

void CxSkinButton::SetBitmaps(unsigned short normal, unsigned short down, unsigned short over,
                              unsigned short mask)
{
    SetBitmaps(LoadBitmapOrEmpty(normal), LoadBitmapOrEmpty(down), LoadBitmapOrEmpty(over),
               LoadBitmapOrEmpty(mask));
}

void CxSkinButton::SetBitmaps(const QImage& normal, const QImage& down, const QImage& over,
                              const QImage& mask)
{
    m_bmpNormal = normal;
    m_bmpDown = down;
    m_bmpOver = over;
    // A disabled button looks like a normal one; only its caption is greyed.
    m_bmpDisabled = normal;
    m_bmpMask = mask;

    m_hClipRgn = RegionFromMask(m_bmpMask);
    if (m_hClipRgn) {
        if (m_hClipRgn->isEmpty()) {
            // WORKAROUND: Qt treats an empty mask as no mask at all. A mask without a
            // single button pixel must leave nothing to see or click, so a region just
            // outside the button stands in for it.
            setMask(QRegion(-1, -1, 1, 1));
        } else {
            setMask(*m_hClipRgn);
        }
    }

    if (!m_bmpMask.isNull())
        resize(m_bmpMask.size());
    updateGeometry();
    update();
}

void CxSkinButton::SetTooltip(QString text)
{
    m_tooltip = text;
    setToolTip(text);
}

std::optional<QRegion> CxSkinButton::RegionFromMask(const QImage& bitmap) const
{
    return ::RegionFromMask(bitmap);
}

QSize CxSkinButton::sizeHint() const
{
    return m_bmpMask.isNull() ? size() : m_bmpMask.size();
}

bool CxSkinButton::IsUnderPoint(const QPoint& point) const
{
    if (!rect().contains(point))
        return false;
    if (m_hClipRgn && !m_hClipRgn->contains(point))
        return false;
    // A sibling lying over the button takes the mouse there.
    if (const QWidget* parent = parentWidget(); parent && isVisible())
        return parent->childAt(mapToParent(point)) == this;
    return true;
}

bool CxSkinButton::hitButton(const QPoint& pos) const
{
    return IsUnderPoint(pos);
}

bool CxSkinButton::event(QEvent* e)
{
    if (e->type() == WM_SKINBUTTON_UNCHECK) {
        OnUncheckMsg();
        return true;
    }
    return QAbstractButton::event(e);
}

void CxSkinButton::paintEvent(QPaintEvent*)
{
    QPainter dc(this);
    DrawItem(dc);
}

void CxSkinButton::DrawItem(QPainter& dc)
{
    // The pushed look follows the mouse while the button is held, even when a
    // repaint comes before the next mouse move.
    if (m_bPressed && m_bCapture) {
        const bool underCursor = IsUnderPoint(m_ptCursor);
        if (underCursor && !isDown())
            setDown(true);
        else if (!underCursor && isDown())
            setDown(false);
    }

    if (m_hClipRgn) {
        if (m_hClipRgn->isEmpty())
            return;
        dc.setClipRegion(*m_hClipRgn);
    }

    const QString text = this->text();
    const QRect rcItem = rect();
    QRect rcText = rcItem.adjusted(2, 0, -2, 0);
    const int textFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QColor btnFace = palette().color(QPalette::Active, QPalette::Button);

    if (!isEnabled()) {
        if (m_bmpDisabled.isNull())
            dc.fillRect(rcItem, btnFace);
        else
            PaintBitmap(dc, m_bmpDisabled, rcItem);
        // An embossed caption: a light copy under a grey one, one pixel apart.
        dc.setPen(palette().color(QPalette::Active, QPalette::Light));
        if (m_bChecked)
            rcText.translate(1, 1);
        dc.drawText(rcText, textFlags, text);
        dc.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        rcText.translate(-1, -1);
        dc.drawText(rcText, textFlags, text);
        return;
    }

    if (isDown() || m_bChecked) {
        if (m_bmpDown.isNull())
            dc.fillRect(rcItem, btnFace);
        else
            PaintBitmap(dc, m_bmpDown, rcItem);
        // The caption sinks with the button.
        rcText.translate(1, 1);
    } else if (m_bmpNormal.isNull()) {
        dc.fillRect(rcItem, btnFace);
    } else {
        PaintBitmap(dc, m_bOver && !m_bmpOver.isNull() ? m_bmpOver : m_bmpNormal, rcItem);
    }
    dc.setPen(m_crText);
    dc.drawText(rcText, textFlags, text);
}

void CxSkinButton::PaintBitmap(QPainter& dc, const QImage& bitmap, const QRect& rcItem)
{
    if (bitmap.isNull())
        return;
    // Pictures are copied unscaled from their top-left corner. With a mask,
    // the page keeps showing wherever the mask is white: the painter is
    // already clipped to the mask's shape, so the picture only lands on it.
    dc.save();
    if (!m_bmpMask.isNull() && m_hClipRgn)
        dc.setClipRegion(*m_hClipRgn, Qt::IntersectClip);
    dc.drawImage(rcItem.topLeft(), bitmap, QRect(QPoint(0, 0), rcItem.size()));
    dc.restore();
}

void CxSkinButton::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        OnLButtonDown(e);
    else
        QAbstractButton::mousePressEvent(e);
}

void CxSkinButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        OnLButtonUp(e);
    else
        QAbstractButton::mouseReleaseEvent(e);
}

void CxSkinButton::mouseMoveEvent(QMouseEvent* e)
{
    OnMouseMove(e);
}

void CxSkinButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        OnLButtonDblClk(e);
    else
        e->ignore();
}

void CxSkinButton::focusOutEvent(QFocusEvent* e)
{
    OnKillFocus(e);
}

void CxSkinButton::keyPressEvent(QKeyEvent* e)
{
    OnKeyDown(e);
}

void CxSkinButton::leaveEvent(QEvent* e)
{
    OnMouseLeave();
    QAbstractButton::leaveEvent(e);
}

void CxSkinButton::OnLButtonDown(QMouseEvent* e)
{
    // A press ends the hover look; the pushed picture takes over.
    if (m_bOver)
        m_bOver = false;
    QAbstractButton::mousePressEvent(e);
    m_bCapture = true;
    m_ptCursor = e->position().toPoint();
    m_bPressed = true;
}

void CxSkinButton::OnLButtonUp(QMouseEvent* e)
{
    // The box changes before the page hears of the click, and only when the
    // mouse is released over the button.
    if (m_nKind == KindCheckBox || m_nKind == KindRadioButton) {
        if (IsUnderPoint(e->position().toPoint())) {
            if (m_nKind == KindCheckBox)
                OnSetCheckMsg(!m_bChecked);
            else
                OnSetCheckMsg(1);
        }
    }
    m_bPressed = false;
    QAbstractButton::mouseReleaseEvent(e);
    m_bCapture = false;
}

void CxSkinButton::OnMouseMove(QMouseEvent* e)
{
    const QPoint point = e->position().toPoint();
    if (m_bPressed && m_bCapture) {
        // Dragging off the held button raises it, dragging back pushes it again.
        m_ptCursor = point;
        const bool wanted = IsUnderPoint(point);
        if (isDown() != wanted) {
            setDown(wanted);
            update();
        }
    } else if (!m_bOver) {
        m_bOver = true;
        update();
    }
    QAbstractButton::mouseMoveEvent(e);
}

void CxSkinButton::OnLButtonDblClk(QMouseEvent* e)
{
    // A quick second click is a second press, so it clicks again.
    QMouseEvent press(QEvent::MouseButtonPress, e->position(), e->scenePosition(),
                      e->globalPosition(), e->button(), e->buttons(), e->modifiers(),
                      e->pointingDevice());
    QCoreApplication::sendEvent(this, &press);
}

void CxSkinButton::OnKillFocus(QFocusEvent* e)
{
    if (m_bCapture) {
        m_bCapture = false;
        m_bPressed = false;
    }
    QAbstractButton::focusOutEvent(e);
}

void CxSkinButton::OnKeyDown(QKeyEvent* e)
{
    if ((m_nKind == KindCheckBox || m_nKind == KindRadioButton) && e->key() == Qt::Key_Space) {
        if (m_nKind == KindCheckBox)
            OnSetCheckMsg(!m_bChecked);
        else
            OnSetCheckMsg(1);
    }
    QAbstractButton::keyPressEvent(e);
}

void CxSkinButton::OnMouseLeave()
{
    m_bOver = false;
    update();
}

int CxSkinButton::OnUncheckMsg()
{
    if (m_bChecked) {
        m_bChecked = false;
        update();
    }
    return 0;
}

int CxSkinButton::OnSetCheckMsg(int wParam)
{
    m_bChecked = wParam != 0;
    if (m_nKind == KindPushButton)
        m_bChecked = false;

    if (m_nKind == KindRadioButton && wParam != 0) {
        // Every other control of the group hears of it; only skinned buttons act.
        const QWidget* parent = parentWidget();
        QSet<QWidget*> met;
        QWidget* control = DialogGroup::NextGroupItem(parent, this);
        while (control && control != this && !met.contains(control)) {
            met.insert(control);
            QCoreApplication::postEvent(control, new QEvent(WM_SKINBUTTON_UNCHECK));
            control = DialogGroup::NextGroupItem(parent, control);
        }
    }
    update();
    return 0;
}

int CxSkinButton::OnGetCheckMsg() const
{
    return m_bChecked ? 1 : 0;
}
