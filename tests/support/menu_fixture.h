// The fixture of the tests of the screens before a race: circuit files and
// pilot files with good integrity texts in the working directory.
#pragma once

#include <irrlicht.h>

#include <string>

#include "support/game_test.h"

class MenuTest : public GameTest {
protected:
    void SetUp() override;

    // "circuits/<name>.xml" for `maxCars` cars.
    void WriteCircuit(const std::string& name, int maxCars);
    // "pilotes/<name>.xml", written by the game.
    void WritePilot(const std::wstring& name);
    // Changes a pilot's driving skill in his file, as a hand edit would.
    void EditPilotByHand(const std::string& name);

    // The combo box whose upper-left corner is at (x, y), or null.
    static irr::gui::IGUIComboBox* ComboAt(int x, int y);
};
