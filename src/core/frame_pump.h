// The one function through which every frame loop pumps the engine: the
// race, the dialogs, the choices, the animations, the menus and the loading
// screen. It is also the seam where tests watch and drive the game.
#pragma once

#include <functional>

// Runs the engine device once (delivering its events), then the per-frame
// hook. Returns false when the window has been closed.
bool PumpFrame();

// Number of frames pumped since the program started.
long long FramesPumped();

// Called once per pumped frame, after the device ran; empty to remove.
using FrameHook = std::function<void()>;
void SetFrameHook(FrameHook hook);

// Called once per pumped frame before the hook, during a race over the
// network: the other machines are answered even while a person thinks.
void SetNetworkPump(FrameHook pump);

// While another machine decides, one frame of what the screen shows then
// instead of the race (a die rolled over there rolls here too); empty to
// remove. ShowWaitingScreen is false when none is set.
void SetWaitingScreen(FrameHook screen);
bool ShowWaitingScreen();

// Ends the program at once: used when the window is closed inside a nested
// frame loop. Releases the device and exits, unless a handler is installed
// (tests install one that throws).
[[noreturn]] void EndProgram();
using EndProgramHandler = std::function<void()>;
void SetEndProgramHandler(EndProgramHandler handler);

// Pumps a frame and ends the program when the window has been closed: what
// every nested loop does at the top of each frame.
void PumpFrameOrEnd();
