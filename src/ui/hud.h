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

// Brings the HUD in line with the current car; called once per drawn frame.
void UpdateHud();
