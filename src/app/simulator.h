// skarvoll3d-sim: races between computer drivers without a window, and a
// table of what they gave each pilot. Returns the exit code: 0, or 2 for
// wrong options, an unknown circuit or pilot, or a race that cannot start.
#pragma once

int RunSimulator(int argc, char** argv);
