#include "ui/hud.h"

#include "core/decisions.h"
#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "files/race_save.h"
#include "files/value_text.h"
#include "platform/audio.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/race_screen.h"
#include "ui/roster.h"

using namespace irr;

namespace {
gui::IGUIFont* BoldFont() {
    gui::IGUIFont* font = game.guiEnvironment->getFont(GamePath(L"\\data\\fontes\\verdanabold.bmp").c_str());
    return font ? font : game.guiEnvironment->getSkin()->getFont();
}

int ElementWidth(gui::IGUIElement* element) {
    return element->getRelativePosition().getWidth();
}

void SetVisible(gui::IGUIElement* element, bool visible) {
    if (element && element->isVisible() != visible) element->setVisible(visible);
}

void SetEnabled(gui::IGUIElement* element, bool enabled) {
    if (element && element->isEnabled() != enabled) element->setEnabled(enabled);
}

void SetChecked(gui::IGUICheckBox* box, bool checked) {
    if (box && box->isChecked() != checked) box->setChecked(checked);
}

void SetText(gui::IGUIElement* element, const std::wstring& text) {
    if (element && text != element->getText()) element->setText(text.c_str());
}

void SetCircuitMaterial(video::E_MATERIAL_TYPE type) {
    if (game.circuitNode) game.circuitNode->setMaterialType(type);
}

void UpdateWalls(const CarRecord& car) {
    const bool computer = IsComputerDriven(car);
    if (car.hideWalls && !game.wallsTransparent) {
        SetCircuitMaterial(video::EMT_TRANSPARENT_ADD_COLOR);
        game.wallsTransparent = 1;
    }
    if ((!car.hideWalls || computer) && game.wallsTransparent) {
        SetCircuitMaterial(video::EMT_SOLID);
        game.wallsTransparent = 0;
    }
}

void UpdatePlate(const CarRecord& car) {
    SetText(raceScreen.hudCarText,
            CenterText(L"Voiture " + IntText(game.currentCar), ElementWidth(raceScreen.hudCarText)));
    video::ITexture* light = LightShadeTexture(car.colourName);
    if (raceScreen.hudColourImage && raceScreen.hudColourImage->getImage() != light)
        raceScreen.hudColourImage->setImage(light);
}

void UpdateTurnControls(const CarRecord& car, bool human) {
    SetEnabled(raceScreen.endTurn, car.hasMoved == 1);
    SetVisible(raceScreen.endTurn, human);
    SetChecked(raceScreen.autoEndTurn, car.autoEndTurn);
    SetChecked(raceScreen.showIntersections, car.showIntersections);
    SetChecked(raceScreen.hideWalls, car.hideWalls);
    SetChecked(raceScreen.showTrail, car.showTrail);
    SetChecked(raceScreen.showRisks, car.showRisks);
    for (gui::IGUIElement* box : {static_cast<gui::IGUIElement*>(raceScreen.autoEndTurn),
                                  static_cast<gui::IGUIElement*>(raceScreen.showIntersections),
                                  static_cast<gui::IGUIElement*>(raceScreen.hideWalls),
                                  static_cast<gui::IGUIElement*>(raceScreen.showTrail),
                                  static_cast<gui::IGUIElement*>(raceScreen.showRisks)})
        SetVisible(box, human);
    // A race that no person plays can still be left by whoever watches it.
    SetVisible(raceScreen.quit, human || RaceOnlyWatched());
    // A race being saved can be left to be resumed; a replay is no race to save.
    SetVisible(raceScreen.saveRace, (human || NoPersonInRace()) && !Replaying() && !CurrentSave().path.empty());
}

bool pauseShown = false;
int speedShown = 1;

bool ColumnReady() {
    return game.currentCar >= 1 && game.currentCar <= game.carCount && raceScreen.hudCarText;
}

bool secondLineTimed = false;  // the line below the status line holds the end of a long message

void TickStatusTimer() {
    if (game.statusCountdown <= 0) return;
    game.statusCountdown -= 1;
    if (game.statusCountdown > 0) return;
    SetText(raceScreen.statusLine, L"");
    if (secondLineTimed) SetText(raceScreen.secondStatusLine, L"");
    secondLineTimed = false;
}

// Shows the button when the car carries what it needs, enabled as allowed.
void ShowActionButton(gui::IGUIButton* button, bool carries, bool enabled) {
    SetVisible(button, carries);
    if (carries) SetEnabled(button, enabled);
}

void UpdateActionButtons(const CarRecord& car, bool human) {
    const int i = game.currentCar;
    const bool canAct = car.hasActed == 0;
    auto has = [&](const wchar_t* name, int side, const wchar_t* test = L"") {
        return human && CountGadgets(name, i, side, test, 0) > 0;
    };
    ShowActionButton(raceScreen.nitro, has(L"Nitro", kAllSides, L"sup"), car.hasMoved == 0);
    ShowActionButton(raceScreen.frontGun, has(L"Mitrailleuse avant", SideFront), canAct);
    ShowActionButton(raceScreen.rearGun, has(L"Mitrailleuse arrière", SideRear), canAct);
    ShowActionButton(raceScreen.pistol, has(L"Pistolet", SideMisc), canAct);
    ShowActionButton(raceScreen.bazooka, has(L"Bazooka", SideMisc), canAct);
    ShowActionButton(raceScreen.grenade, has(L"Lance Grenades", kAllSides, L"sup"), canAct);
    ShowActionButton(raceScreen.oilProjector,
                     has(L"Projecteur d'huile", SideRear) &&
                         has(L"Cartouche d'huile", kAllSides, L"sup"),
                     canAct && car.hasMoved == 0);
    const bool loaded = CountGadgets(L"Bazooka", i, SideMisc, L"ega", 0) > 0;
    SetText(raceScreen.bazooka, loaded ? L"Bazooka" : L"Rechrg Bazooka");
}
}  // namespace

std::wstring CenterText(const std::wstring& text, int width) {
    gui::IGUIFont* font = BoldFont();
    if (!font) return text;
    const double textWidth = font->getDimension(text.c_str()).Width;
    const double spaceWidth = font->getDimension(L" ").Width;
    if (spaceWidth <= 0) return text;
    const double n = ((width - textWidth) / spaceWidth) / 2.0;
    std::wstring padding;
    for (int i = 1; i < n - 1; ++i) padding += L' ';
    return padding + text;
}

void ShowStatus(const std::wstring& text, int frames, bool append) {
    if (!raceScreen.statusLine) return;
    std::wstring shown = text;
    if (append) {
        const std::wstring before = TrimSpaces(FromLatin1(ToLatin1(raceScreen.statusLine->getText())));
        if (!before.empty()) shown = before + L" + " + text;
    }
    raceScreen.statusLine->setText(CenterText(shown, ElementWidth(raceScreen.statusLine)).c_str());
    game.statusCountdown = frames;
}

void ShowStatusLines(const std::wstring& first, const std::wstring& second, int frames) {
    if (!raceScreen.secondStatusLine) return;
    ShowStatus(first, frames, false);
    raceScreen.secondStatusLine->setText(CenterText(second, ElementWidth(raceScreen.secondStatusLine)).c_str());
    secondLineTimed = true;
}

void UpdateHud() {
    if (!ColumnReady()) return;
    ShowCurrentCarOnColumn();
    ShowPauseStatus();
    TickStatusTimer();
}

void ShowCurrentCarOnColumn() {
    if (!ColumnReady()) return;
    const CarRecord& car = game.cars[game.currentCar];
    // A replay's persons play from the record: nobody clicks their buttons.
    // A person's car played on another machine is watched here.
    const bool human = !IsComputerDriven(car) && !Replaying() && !DecidedOnAnotherMachine(game.currentCar);
    UpdatePlate(car);
    UpdateWalls(car);
    UpdateTurnControls(car, human);
    UpdateActionButtons(car, human);
    UpdateRoster();
    ShowSoundStatus();
}

void ShowSoundStatus() {
    static bool mutedShown = false;
    if (AudioMuted() == mutedShown) return;
    mutedShown = AudioMuted();
    ShowStatus(mutedShown ? L"Son coupé : touche O pour le rétablir" : L"Son rétabli", 150, false);
}

void ShowPauseStatus() {
    if (game.watchSpeed != speedShown) {
        speedShown = game.watchSpeed;
        ShowStatus(L"Vitesse x" + IntText(speedShown), 150, false);
    }
    if ((game.paused != 0) == pauseShown) return;
    pauseShown = game.paused != 0;
    // Shown until the race resumes, then cleared on the next frame.
    if (pauseShown) ShowStatus(L"Course en pause : Espace pour reprendre", 1 << 30, false);
    else ShowStatus(L"", 1, false);
    SetText(raceScreen.secondStatusLine, pauseShown ? L"Entrée : un tour ; + et - : vitesse" : L"");
}
