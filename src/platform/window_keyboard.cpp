#include "platform/window_keyboard.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "platform/key_text.h"

namespace {
Display* display = nullptr;
DeadKeyComposer composer;

// What one event of the window types.
std::wstring TypedBy(XEvent& event) {
    if (event.type == MappingNotify) {
        XRefreshKeyboardMapping(&event.xmapping);
        return L"";
    }
    if (event.type != KeyPress) return L"";
    KeySym keysym = NoSymbol;
    char bytes[8];
    XLookupString(&event.xkey, bytes, sizeof bytes, &keysym, nullptr);
    if (event.xkey.state & ControlMask) {
        composer.Forget();
        return L"";
    }
    return composer.Press(keysym);
}
}  // namespace

bool OpenWindowKeyboard(void* engineDisplay, unsigned long window) {
    CloseWindowKeyboard();
    if (!engineDisplay || !window) return false;
    display = XOpenDisplay(DisplayString(static_cast<Display*>(engineDisplay)));
    if (!display) return false;
    // Any number of connections may take a window's key presses.
    XSelectInput(display, window, KeyPressMask);
    XFlush(display);
    return true;
}

bool WindowKeyboardOpen() { return display != nullptr; }

std::wstring TakeTypedText() {
    std::wstring text;
    while (display && XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        text += TypedBy(event);
    }
    return text;
}

void CloseWindowKeyboard() {
    if (display) XCloseDisplay(display);
    display = nullptr;
    composer = DeadKeyComposer();
}
