// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11screensaver.h"

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

bool suspendX11ScreenSaver(bool suspend)
{
    const auto *x11
        = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display) {
        return false; // Wayland, offscreen, or no X server at all
    }
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    // Suspending came with version 1.1 of the extension.
    if (!XScreenSaverQueryExtension(display, &event, &error)
        || !XScreenSaverQueryVersion(display, &major, &minor) || major < 1
        || (major == 1 && minor < 1)) {
        return false;
    }
    XScreenSaverSuspend(display, suspend ? True : False);
    XFlush(display);
    return true;
}
