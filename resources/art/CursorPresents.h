#pragma once

#include <QImage>

// The wrapped presents that fall from the pointer at a click. They are shown
// shrunk and turning, so each is a plain front view with bold colours.
namespace CursorPresents {

constexpr int kCount = 5;

// variant 0..4; the first is 124 pixels wide, the others 128.
QImage present(int variant);

} // namespace CursorPresents
