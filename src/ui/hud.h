// The race HUD: the plate naming the current car, the race buttons shown and
// enabled for what the car carries and has done, and the status line.
#pragma once

#include <string>

// The text preceded by enough spaces to centre it in `width` pixels, measured
// with the bold font.
std::wstring CenterText(const std::wstring& text, int width);

// Writes the status line and keeps it `frames` frames; with `append` the new
// text follows what the line already shows, after " + ".
void ShowStatus(const std::wstring& text, int frames, bool append);
// A message too long for the status line: its first part there, the rest
// on the line below, both kept `frames` frames.
void ShowStatusLines(const std::wstring& first, const std::wstring& second, int frames);

// Brings the HUD in line with the current car; called once per drawn frame
// of the race view.
void UpdateHud();
// The plate, the walls and the race column's buttons and boxes brought in
// line with the current car, the status line left alone: every frame drawn
// under a message window, so a turn that begins with a message shows its
// own car.
void ShowCurrentCarOnColumn();

// While a race that no person plays is paused, the status line says so and
// how to resume it; called once per drawn frame of the race and its messages.
void ShowPauseStatus();
// The status line says so when the sound is cut (key O) or given back.
void ShowSoundStatus();
