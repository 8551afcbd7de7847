#include "core/DialogGroup.h"

#include <QVariant>
#include <QWidget>

#include <vector>

namespace {

constexpr char kGroupStartProperty[] = "yulavinDialogGroupStart";

std::vector<QWidget*> ChildControls(const QWidget* parent)
{
    std::vector<QWidget*> controls;
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isWindow())
            controls.push_back(widget);
    }
    return controls;
}

bool CanTakePart(const QWidget* control)
{
    return !control->isHidden() && !control->testAttribute(Qt::WA_Disabled);
}

} // namespace

void DialogGroup::SetGroupStart(QWidget* control, bool start)
{
    control->setProperty(kGroupStartProperty, start);
}

bool DialogGroup::IsGroupStart(const QWidget* control)
{
    return control->property(kGroupStartProperty).toBool();
}

QWidget* DialogGroup::NextGroupItem(const QWidget* parent, QWidget* current)
{
    if (!parent || !current)
        return nullptr;
    const std::vector<QWidget*> controls = ChildControls(parent);
    const int count = static_cast<int>(controls.size());
    int index = -1;
    for (int i = 0; i < count; ++i) {
        if (controls[i] == current)
            index = i;
    }
    if (index < 0)
        return nullptr;

    int first = index;
    while (first > 0 && !IsGroupStart(controls[first]))
        --first;
    int end = index + 1;
    while (end < count && !IsGroupStart(controls[end]))
        ++end;

    const int size = end - first;
    for (int step = 1; step < size; ++step) {
        QWidget* candidate = controls[first + (index - first + step) % size];
        if (CanTakePart(candidate))
            return candidate;
    }
    return current;
}
