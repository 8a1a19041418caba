#include "KeyboardIndicators.h"

#include <QGuiApplication>

// After the Qt headers: the X11 ones define macros that clash with them.
#include <X11/XKBlib.h>

namespace {

bool indicatorOn(Display *display, const char *name)
{
    Bool on = False;
    const Atom atom = XInternAtom(display, name, True);
    return atom != 0 && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
}

} // namespace

namespace KeyboardIndicators {

Reader platformReader()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    int major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!display || !XkbQueryExtension(display, nullptr, nullptr, nullptr, &major, &minor))
        return {};
    return [display]() -> std::optional<LockIndicators> {
        return LockIndicators { indicatorOn(display, "Caps Lock"), indicatorOn(display, "Num Lock"),
            indicatorOn(display, "Scroll Lock") };
    };
}

} // namespace KeyboardIndicators
