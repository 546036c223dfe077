// The race screen: the column of buttons and check boxes along the right
// edge, the HUD plate above it, the status lines and the small car menu.
#pragma once

#include <irrlicht.h>

#include <functional>
#include <string>

struct RaceScreen {
    irr::gui::IGUIImage* hudColourImage = nullptr;
    irr::gui::IGUIStaticText* hudCarText = nullptr;
    irr::gui::IGUIButton* endTurn = nullptr;
    irr::gui::IGUICheckBox* autoEndTurn = nullptr;
    irr::gui::IGUICheckBox* showIntersections = nullptr;
    irr::gui::IGUICheckBox* showTrail = nullptr;
    irr::gui::IGUICheckBox* hideWalls = nullptr;
    irr::gui::IGUICheckBox* showRisks = nullptr;
    irr::gui::IGUIButton* quit = nullptr;
    irr::gui::IGUIButton* saveRace = nullptr;
    irr::gui::IGUIButton* nitro = nullptr;
    irr::gui::IGUIButton* frontGun = nullptr;
    irr::gui::IGUIButton* rearGun = nullptr;
    irr::gui::IGUIButton* oilProjector = nullptr;
    irr::gui::IGUIButton* grenade = nullptr;
    irr::gui::IGUIButton* pistol = nullptr;
    irr::gui::IGUIButton* bazooka = nullptr;
    irr::gui::IGUIWindow* carMenu = nullptr;  // "--->"
    irr::gui::IGUIStaticText* statusLine = nullptr;
    irr::gui::IGUIStaticText* secondStatusLine = nullptr;
};

extern RaceScreen raceScreen;

// What the race screen's own controls do (a right click on a car, the check
// boxes, "Fin Tour") is the race's business: the race installs it here, and
// every modal loop of the race (dialogs, choices) runs it once a frame.
void SetRaceScreenEventHandler(std::function<void()> handler);
void RunRaceScreenEventHandler();

// Whether a click at this point is meant for the screen rather than the
// circuit: it falls on the column along the right edge (the HUD plate, the
// buttons, the check boxes and their labels, the gaps between them), or on
// a control or window anywhere. The status lines are only text over the
// circuit: clicks pass through them.
bool PointOnRaceScreenControls(irr::core::position2di point);

// The two one-line status texts of the race view.
void CreateStatusLines();

// The HUD plate, the column of race buttons, the hidden car menu and the
// hidden message window.
void CreateRaceScreen();

// "\data\" + colour word + "clair.bmp": the light shade of a car's colour,
// shown by the HUD plate and on a running button.
irr::video::ITexture* LightShadeTexture(const std::wstring& colourName);

// While a move or weapon started by a button runs, the button shows the
// light shade of the current car's colour.
class ButtonHighlight {
public:
    explicit ButtonHighlight(irr::gui::IGUIButton* button);
    ~ButtonHighlight();
    ButtonHighlight(const ButtonHighlight&) = delete;
    ButtonHighlight& operator=(const ButtonHighlight&) = delete;

private:
    irr::gui::IGUIButton* button_;
};
