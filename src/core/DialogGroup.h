#pragma once

class QWidget;

// Groups of controls on a window the way dialog templates form them: the
// controls in their order on the parent (creation order, as Qt keeps it), a
// new group starting at every control marked as a group start. Radio-style
// skinned buttons use it to find the siblings they must uncheck.
class DialogGroup final {
public:
    DialogGroup() = delete;

    // Marks (or unmarks) a control as the first of a new group.
    static void SetGroupStart(QWidget* control, bool start = true);
    static bool IsGroupStart(const QWidget* control);

    // The control after `current` in its group, wrapping round to the group's
    // first; hidden and disabled controls are passed over. Returns `current`
    // itself when no other control qualifies and nullptr when `current` is not
    // a child control of `parent`.
    static QWidget* NextGroupItem(const QWidget* parent, QWidget* current);
};
