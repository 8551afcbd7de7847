#include "core/UpDownControl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace {

// Holding an arrow: the first repeat waits a little, so that a click makes
// exactly one step.
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 60;

} // namespace

UpDownControl::UpDownControl(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    connect(&m_repeat, &QTimer::timeout, this, [this] {
        m_repeat.setInterval(kRepeatMs);
        Step(m_held);
    });
}

void UpDownControl::SetBuddy(QLineEdit* buddy)
{
    if (m_buddy)
        m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    if (!buddy)
        return;
    const QRect box = buddy->geometry();
    setGeometry(box.right() + 1 - width(), box.top(), width(), box.height());
    // The number never runs under the arrows.
    buddy->setTextMargins(0, 0, width(), 0);
    buddy->installEventFilter(this);
    raise();
    showPos();
}

void UpDownControl::SetRange(int lower, int upper)
{
    m_lower = std::min(lower, upper);
    m_upper = std::max(lower, upper);
    SetPos(m_pos);
}

void UpDownControl::SetPos(int pos)
{
    m_pos = std::clamp(pos, m_lower, m_upper);
    showPos();
}

void UpDownControl::showPos()
{
    if (m_buddy)
        m_buddy->setText(QString::number(m_pos));
}

void UpDownControl::Step(int delta)
{
    if (!isEnabled() || delta == 0)
        return;
    const int before = m_pos;
    Q_EMIT deltaPos(before, delta);
    SetPos(before + delta);
}

QStyleOptionSpinBox UpDownControl::styleOption() const
{
    QStyleOptionSpinBox option;
    option.initFrom(this);
    const int boxWidth = m_buddy ? std::max(m_buddy->width(), width()) : width();
    option.rect = QRect(width() - boxWidth, 0, boxWidth, height());
    option.frame = true;
    option.buttonSymbols = QAbstractSpinBox::UpDownArrows;
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.stepEnabled = isEnabled()
                             ? QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled
                             : QAbstractSpinBox::StepNone;
    if (m_held > 0)
        option.activeSubControls = QStyle::SC_SpinBoxUp;
    else if (m_held < 0)
        option.activeSubControls = QStyle::SC_SpinBoxDown;
    if (m_held != 0)
        option.state |= QStyle::State_Sunken;
    // The frame shows the keyboard where the box shows it.
    if (m_buddy && m_buddy->hasFocus())
        option.state |= QStyle::State_HasFocus;
    else
        option.state &= ~QStyle::State_HasFocus;
    return option;
}

int UpDownControl::arrowAt(QPoint point) const
{
    const QStyleOptionSpinBox option = styleOption();
    switch (style()->hitTestComplexControl(QStyle::CC_SpinBox, &option, point, this)) {
    case QStyle::SC_SpinBoxUp:
        return 1;
    case QStyle::SC_SpinBoxDown:
        return -1;
    default:
        // Beside the drawn arrows: the upper half steps up, the lower down.
        return point.y() < height() / 2 ? 1 : -1;
    }
}

void UpDownControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QStyleOptionSpinBox option = styleOption();
    style()->drawComplexControl(QStyle::CC_SpinBox, &option, &painter, this);
}

void UpDownControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    m_held = arrowAt(event->position().toPoint());
    // The keys step the number from now on, as they do after a click in the box.
    if (m_buddy)
        m_buddy->setFocus(Qt::MouseFocusReason);
    Step(m_held);
    m_repeat.start(kFirstRepeatMs);
    update();
}

void UpDownControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_held = 0;
    m_repeat.stop();
    update();
}

void UpDownControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_held = 0;
        m_repeat.stop();
    }
    QWidget::changeEvent(event);
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_buddy) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (isEnabled() && (key == Qt::Key_Up || key == Qt::Key_Down)) {
                Step(key == Qt::Key_Up ? 1 : -1);
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            update();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
