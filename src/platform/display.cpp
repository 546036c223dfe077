#include "platform/display.h"

#include <X11/Xlib.h>

bool DisplayOffersOpenGL() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    int opcode = 0, event = 0, error = 0;
    const bool glx = XQueryExtension(display, "GLX", &opcode, &event, &error);
    XCloseDisplay(display);
    return glx;
}
