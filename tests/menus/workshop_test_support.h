// The fixture of the workshop's tests: the catalogue, the car thumbnails,
// an empty pilot folder and the home menu's column on an 800 x 600 area
// centred in the test window, with keys reaching the edit boxes as in the
// menus; the player closes every notice and runs the steps given, one
// every few frames.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "core/event_receiver.h"
#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "support/game_test.h"

class WorkshopTest : public GameTest {
protected:
    // The test window is 1024 x 768.
    static constexpr int x0 = 112;
    static constexpr int y0 = 84;

    void SetUp() override {
        GameTest::SetUp();
        FillCatalogue();
        CopyFromGameFolder("data/voitures");
        std::filesystem::create_directories(workDir + "/pilotes");
        game.inMenu = 1;
        const int ids[] = {gui_id::Home, gui_id::NewPilot, gui_id::EditPilot, gui_id::NewRace,
                           gui_id::Credits, gui_id::QuitGame};
        for (int i = 0; i < 6; ++i)
            game.guiEnvironment->addButton(
                irr::core::recti(x0 + 5, y0 + 5 + 25 * i, x0 + 95, y0 + 25 + 25 * i), nullptr, ids[i]);
        player.CloseNotices();
    }

    // The next step, a few frames after the previous one: room for a
    // notice to open and be closed between two steps.
    void Then(std::function<void()> step) { player.AtFrame(3 * ++steps_, std::move(step)); }
    void Click(int id) {
        Then([this, id] { player.ClickButton(id); });
    }
    void Type(int id, const std::wstring& text) {
        Then([this, id, text] { player.TypeText(id, text); });
    }
    // Selects catalogue entry `entry` (1 to 11).
    void SelectGadget(int entry) {
        Then([this, entry] { player.SelectListItem(gui_id::CatalogueList, entry - 1); });
    }
    void Buy(int entry, int side) {
        SelectGadget(entry);
        Click(gui_id::AddToSide + side);
    }

private:
    int steps_ = 0;
};

// Catalogue entries used by the tests.
enum CatalogueEntry { FrontGun = 2, Pistol = 5, Armour = 7, OilProjector = 9, DoubleWheel = 11 };
