// Messages that close by themselves: a message that asks nothing of a person
// (no die, no answer) and is about a computer car, or any such message of a
// race that no person plays, stays open for a reading time that grows with
// its length, then closes as if "Fermer" were clicked. A thin bar under its
// text shows the time left. The rules never read it: it only decides when a
// message that changes nothing goes away.
#pragma once

#include <irrlicht.h>

#include <string>

#include "core/game_state.h"

// The reading time of a text, in milliseconds, for the setting in force
// (the short one in a replay whose messages would otherwise wait), shorter
// for a watched race played faster; 0 when the messages wait for a click.
int ReadingTimeMs(const std::wstring& text);

// Whether the message set up in the dialog state closes by itself: it asks
// nothing, and it is about a computer car, or the race has no person, or
// the race is a replay.
bool ClosesByItself(const DialogState& dialog);

class MessageCountdown {
public:
    // A countdown of `totalMs` (0: the message waits) starting now.
    explicit MessageCountdown(int totalMs);
    bool Running() const { return totalMs_ > 0; }
    // Counts the time since the last call, unless the race is paused; true
    // once the reading time is over.
    bool Over();
    // The bar across the bottom of the window, as long as the time left.
    void Draw(const irr::core::rect<irr::s32>& window) const;

private:
    int totalMs_;
    long long elapsedMs_ = 0;
    long long lastReading_;
};
