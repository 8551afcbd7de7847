#pragma once

#include <QByteArray>
#include <QRect>

struct _XDisplay;

// A plain X window made on the test session's own connection, so that the
// program under test sees it as another application's window: a game gone
// full screen, a desktop, a docked panel. Destroyed with the object.
class ForeignWindow {
public:
    ForeignWindow(_XDisplay* display, const QRect& geometry);
    ~ForeignWindow();
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;

    unsigned long id() const { return m_window; }

    // Before map(): an atom property such as the EWMH window type
    // ("_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DOCK") or the initial state.
    void setAtom(const char* property, const char* value);
    // Reserves `height` pixels at the bottom of a screen `screenWidth` wide.
    void setBottomStrut(int height, int screenWidth);

    void map();
    // Maps the window filled with a solid 0xRRGGBB colour, hearing its clicks.
    void showFilled(unsigned long colour);
    // Whether a press reached the window since the last call; waits for one.
    bool waitForPress() const;
    // Claims the active window on the root, as a window manager would.
    void markActiveOnRoot();

private:
    _XDisplay* m_display;
    unsigned long m_window = 0;
};
