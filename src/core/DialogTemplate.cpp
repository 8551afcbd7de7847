#include "core/DialogTemplate.h"

#include "core/CxSkinButton.h"
#include "core/DialogGroup.h"
#include "core/DialogItems.h"
#include "core/DialogUnits.h"
#include "core/GroupBoxStyle.h"
#include "core/LinkLabel.h"
#include "core/UpDownControl.h"
#include "core/WrappingCheckBox.h"
#include "core/WrappingPushButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolTip>

#include <algorithm>

#include <algorithm>

namespace {

QLabel* makeStatic(QWidget* window, Qt::Alignment alignment)
{
    auto* label = new QLabel(window);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

} // namespace

QWidget* DialogTemplate::CreateControl(QWidget* window, const DialogControl& control)
{
    QWidget* widget = nullptr;
    switch (control.kind) {
    case DialogControl::Kind::Static:
        widget = makeStatic(window, Qt::AlignLeft);
        break;
    case DialogControl::Kind::CentredStatic:
        widget = makeStatic(window, Qt::AlignHCenter);
        break;
    case DialogControl::Kind::RightStatic:
        widget = makeStatic(window, Qt::AlignRight);
        break;
    case DialogControl::Kind::CheckBox:
        widget = new QCheckBox(window);
        break;
    case DialogControl::Kind::MultiLineCheckBox:
        widget = new WrappingCheckBox(window);
        break;
    case DialogControl::Kind::RadioButton:
        widget = new QRadioButton(window);
        break;
    case DialogControl::Kind::DropDownList:
        widget = new QComboBox(window);
        break;
    case DialogControl::Kind::GroupBox: {
        auto* group = new QGroupBox(window);
        // Only a frame: the controls inside it are the window's own, and
        // clicks on them must never land on the frame.
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        group->setFocusPolicy(Qt::NoFocus);
        group->setStyle(GroupBoxStyle::instance());
        widget = group;
        break;
    }
    case DialogControl::Kind::Slider: {
        auto* slider = new QSlider(Qt::Horizontal, window);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(1);
        slider->setSingleStep(1);
        widget = slider;
        break;
    }
    case DialogControl::Kind::TooltipSlider: {
        auto* slider = new QSlider(Qt::Horizontal, window);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setSingleStep(1);
        // One tick at each end, wherever the page puts them.
        QObject::connect(slider, &QSlider::rangeChanged, slider,
                         [slider](int minimum, int maximum) {
                             slider->setTickInterval(std::max(1, maximum - minimum));
                         });
        // The number the thumb stands at floats beside the pointer while the
        // thumb is dragged, and goes when it is let go.
        QObject::connect(slider, &QSlider::sliderMoved, slider, [slider](int position) {
            QToolTip::showText(QCursor::pos() + QPoint(0, -2 * slider->height()),
                               QString::number(position), slider);
        });
        QObject::connect(slider, &QSlider::sliderReleased, slider, [] { QToolTip::hideText(); });
        widget = slider;
        break;
    }
    case DialogControl::Kind::ReadOnlyEdit: {
        auto* edit = new QLineEdit(window);
        edit->setReadOnly(true);
        widget = edit;
        break;
    }
    case DialogControl::Kind::UpDown:
        widget = new UpDownControl(window);
        break;
    case DialogControl::Kind::PictureStatic: {
        auto* picture = new QLabel(window);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = picture;
        break;
    }
    case DialogControl::Kind::PushButton:
    case DialogControl::Kind::MultiLinePushButton: {
        auto* button = control.kind == DialogControl::Kind::PushButton
                           ? new QPushButton(window)
                           : new WrappingPushButton(window);
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case DialogControl::Kind::SkinButton:
        widget = new CxSkinButton(window);
        break;
    case DialogControl::Kind::SysLink:
        widget = new LinkLabel(window);
        break;
    }
    SetDlgCtrlID(widget, control.id);
    if (control.flags & DialogControl::GroupStart)
        DialogGroup::SetGroupStart(widget);
    QRect rect = DialogUnits::ToPixels(control.rect);
    // A drop-down list's height in a layout includes its open list; closed it
    // is as high as its text needs.
    if (control.kind == DialogControl::Kind::DropDownList)
        rect.setHeight(widget->sizeHint().height());
    // A slider's thumb and its ticks keep to the top of its place, as on the
    // desktop the layouts were made for, so the ticks stay right under the
    // thumb and clear of the caption below.
    if (control.kind == DialogControl::Kind::Slider)
        rect.setHeight(std::min(rect.height(), widget->sizeHint().height()));
    widget->setGeometry(rect);
    if (control.kind == DialogControl::Kind::GroupBox)
        widget->lower();
    widget->setVisible(!(control.flags & DialogControl::Hidden));
    return widget;
}

void DialogTemplate::CreateControls(QWidget* window, std::span<const DialogControl> controls)
{
    QButtonGroup* group = nullptr;
    QWidget* previous = nullptr;
    for (const DialogControl& control : controls) {
        QWidget* widget = CreateControl(window, control);
        if (auto* upDown = qobject_cast<UpDownControl*>(widget))
            upDown->SetBuddy(qobject_cast<QLineEdit*>(previous));
        previous = widget;
        if (control.flags & DialogControl::GroupStart)
            group = nullptr;
        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            // Radio buttons of one window form groups by the layout, not by
            // sharing a parent.
            if (!group) {
                group = new QButtonGroup(window);
                group->setExclusive(true);
            }
            group->addButton(radio);
        }
    }
}
