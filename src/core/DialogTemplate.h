#pragma once

#include <QRect>

#include <span>

class QWidget;

// One control of a window layout: its id, what it is, and its place in dialog
// units. The layouts carry no texts; captions are set by id at run time.
struct DialogControl {
    enum class Kind {
        Static,            // text from the top left, wrapped at word ends
        CentredStatic,     // the same, each line centred
        RightStatic,       // the same, each line right-aligned
        CheckBox,          // toggles itself when clicked
        MultiLineCheckBox, // the same, its caption wrapped over the control's height
        RadioButton,       // checks itself and unchecks the rest of its group
        DropDownList,      // a list to pick from, not editable, in insertion order
        GroupBox,          // a frame with a title, drawn behind the controls it frames
        Slider,            // horizontal, one tick mark per step below the track
        TooltipSlider,     // horizontal, tick marks at its ends, its position shown while dragged
        ReadOnlyEdit,      // a framed one-line box the user cannot type into
        UpDown,            // arrows that step a number shown in the box before them
        PictureStatic,     // a sunken frame that shows a picture at its own size
        PushButton,
        MultiLinePushButton, // the same, its caption wrapped and centred
        SkinButton,          // a push button painted from pictures, shaped by a mask
        SysLink,             // a line of text with links marked in it (LinkLabel)
    };
    // Where a row starts a new group: radio buttons belong to the group of the
    // last row that starts one.
    enum Flags : unsigned {
        None = 0,
        GroupStart = 1,
        Hidden = 2,
    };

    int id;
    Kind kind;
    QRect rect; // dialog units
    unsigned flags = None;
};

// Makes a window's controls from its layout, in the layout's order, which is
// also the order the Tab key walks. Up-down arrows belong to the box made
// just before them.
class DialogTemplate final {
public:
    static void CreateControls(QWidget* window, std::span<const DialogControl> controls);
    static QWidget* CreateControl(QWidget* window, const DialogControl& control);
};
