#include "platform/QtX11Display.h"

#include <QGuiApplication>

namespace platform {

_XDisplay* qtX11Display()
{
#if QT_CONFIG(xcb)
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        return x11->display();
#endif
    return nullptr;
}

} // namespace platform
