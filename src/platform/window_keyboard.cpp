#include "platform/window_keyboard.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <bitset>

#include "platform/key_text.h"

namespace {
Display* display = nullptr;
DeadKeyComposer composer;
std::wstring typedText;
std::vector<RaceKey> raceKeys;
std::bitset<256> keysDown;  // by key code: a repeated press is no new press

// What one key press types.
std::wstring TypedBy(XKeyEvent& key) {
    KeySym keysym = NoSymbol;
    char bytes[8];
    XLookupString(&key, bytes, sizeof bytes, &keysym, nullptr);
    if (key.state & ControlMask) {
        composer.Forget();
        return L"";
    }
    return composer.Press(keysym);
}

void ReadKeyEvent(XEvent& event) {
    if (event.type == MappingNotify) {
        XRefreshKeyboardMapping(&event.xmapping);
        return;
    }
    if (event.type != KeyPress && event.type != KeyRelease) return;
    const unsigned code = event.xkey.keycode & 0xff;
    if (event.type == KeyRelease) {
        keysDown.reset(code);
        return;
    }
    typedText += TypedBy(event.xkey);
    if (keysDown.test(code)) return;
    keysDown.set(code);
    const RaceKey key = RaceKeyOfSymbols(XLookupKeysym(&event.xkey, 0), XLookupKeysym(&event.xkey, 1));
    if (key.kind != RaceKey::NoKey) raceKeys.push_back(key);
}

void ReadPendingEvents() {
    while (display && XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        ReadKeyEvent(event);
    }
}
}  // namespace

bool OpenWindowKeyboard(void* engineDisplay, unsigned long window) {
    CloseWindowKeyboard();
    if (!engineDisplay || !window) return false;
    display = XOpenDisplay(DisplayString(static_cast<Display*>(engineDisplay)));
    if (!display) return false;
    // A held key then repeats its presses without releases between them.
    XkbSetDetectableAutoRepeat(display, True, nullptr);
    // Any number of connections may take a window's key presses.
    XSelectInput(display, window, KeyPressMask | KeyReleaseMask);
    XFlush(display);
    return true;
}

bool WindowKeyboardOpen() { return display != nullptr; }

std::wstring TakeTypedText() {
    ReadPendingEvents();
    std::wstring text;
    text.swap(typedText);
    return text;
}

std::vector<RaceKey> TakeRaceKeys() {
    ReadPendingEvents();
    std::vector<RaceKey> keys;
    keys.swap(raceKeys);
    return keys;
}

void CloseWindowKeyboard() {
    if (display) XCloseDisplay(display);
    display = nullptr;
    composer = DeadKeyComposer();
    typedText.clear();
    raceKeys.clear();
    keysDown.reset();
}
