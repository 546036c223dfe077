// What the X display the program would open its window on can show.
#pragma once

// True when the display can be reached and its server offers OpenGL (the
// GLX extension); false without a display. One short exchange with the
// server.
bool DisplayOffersOpenGL();
