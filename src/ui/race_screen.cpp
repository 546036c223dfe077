#include "ui/race_screen.h"

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "core/race_keys.h"
#include "platform/paths.h"
#include "ui/fonts.h"
#include "ui/labelled_check_box.h"
#include "ui/message_window.h"

using namespace irr;

RaceScreen raceScreen;

namespace {
std::function<void()> raceScreenEventHandler;
}  // namespace

void SetRaceScreenEventHandler(std::function<void()> handler) {
    raceScreenEventHandler = std::move(handler);
}

void RunRaceScreenEventHandler() {
    if (raceScreenEventHandler) raceScreenEventHandler();
}

namespace {
// Lays the column out from top to bottom, 5 pixels between elements.
class Column {
public:
    explicit Column(int screenWidth) : left_(screenWidth - 100), right_(screenWidth - 5) {}
    core::recti Next(int height) {
        top_ += 5;
        const core::recti rect(left_, top_, right_, top_ + height);
        top_ += height;
        return rect;
    }

private:
    int left_, right_;
    int top_ = 21;  // under the HUD plate
};

gui::IGUIButton* AddButton(Column& column, int id, const wchar_t* label) {
    gui::IGUIButton* button = game.guiEnvironment->addButton(column.Next(20), nullptr, id, label);
    UseSmallFont(button);  // the column is 95 pixels wide: its labels use the small font to fit
    return button;
}

// The labels of the column's check boxes use the small font too.
gui::IGUICheckBox* AddCheckBox(Column& column, int id, const wchar_t* label) {
    return AddLabelledCheckBox(false, column.Next(15), id, {label, SmallFont()});
}

void CreateHudPlate(int screenWidth) {
    gui::IGUIEnvironment* gui = game.guiEnvironment;
    const core::recti plate(screenWidth - 100, 5, screenWidth - 5, 21);
    raceScreen.hudColourImage = gui->addImage(plate);
    raceScreen.hudColourImage->setScaleImage(true);
    raceScreen.hudCarText = gui->addStaticText(L"", plate, true, true);
    if (gui::IGUIFont* bold = gui->getFont(GamePath(L"\\data\\fontes\\verdanabold.bmp").c_str()))
        raceScreen.hudCarText->setOverrideFont(bold);
}

// The rectangle from the HUD plate down to the lowest visible element of
// the column, gaps included; empty before the race screen exists.
core::recti ColumnArea() {
    const gui::IGUIElement* const elements[] = {
        raceScreen.hudColourImage, raceScreen.endTurn, raceScreen.autoEndTurn,
        raceScreen.showIntersections, raceScreen.showTrail, raceScreen.hideWalls, raceScreen.showRisks, raceScreen.quit, raceScreen.saveRace,
        raceScreen.nitro, raceScreen.frontGun, raceScreen.rearGun, raceScreen.oilProjector,
        raceScreen.grenade, raceScreen.pistol, raceScreen.bazooka};
    core::recti area;
    bool any = false;
    for (const gui::IGUIElement* element : elements) {
        if (!element || !element->isVisible()) continue;
        if (any) area.addInternalPoint(element->getAbsolutePosition().LowerRightCorner);
        else area = element->getAbsolutePosition();
        any = true;
    }
    return any ? area : core::recti(0, 0, -1, -1);
}

// Each control's tooltip names its key.
void ShowColumnKeys() {
    gui::IGUIElement* root = game.guiEnvironment->getRootGUIElement();
    for (const ColumnKey& key : ColumnKeys())
        if (gui::IGUIElement* element = root->getElementFromId(key.guiId, true))
            element->setToolTipText((L"Touche " + std::wstring(1, static_cast<wchar_t>(key.letter))).c_str());
}

void CreateCarMenu() {
    gui::IGUIEnvironment* gui = game.guiEnvironment;
    gui::IGUIWindow* window = gui->addWindow(core::recti(0, 0, 150, 81), false, L"--->");
    gui->addButton(core::recti(2, 18, 148, 48), window, gui_id::ViewCar, L"Voir véhicule");
    gui->addButton(core::recti(2, 48, 148, 80), window, gui_id::CentreCamera, L"Centrer Caméra");
    // Closing it would delete the window the car menu shows again: it hides
    // itself through its two buttons or another right click instead.
    window->getCloseButton()->setVisible(false);
    window->setVisible(false);
    raceScreen.carMenu = window;
}
}  // namespace

bool PointOnRaceScreenControls(core::position2di point) {
    if (ColumnArea().isPointInside(point)) return true;
    gui::IGUIElement* root = game.guiEnvironment->getRootGUIElement();
    for (const gui::IGUIElement* e = root->getElementFromPoint(point); e && e != root; e = e->getParent()) {
        const gui::EGUI_ELEMENT_TYPE type = e->getType();
        if (type != gui::EGUIET_STATIC_TEXT && type != gui::EGUIET_IMAGE) return true;
    }
    return false;
}

void CreateStatusLines() {
    gui::IGUIEnvironment* gui = game.guiEnvironment;
    raceScreen.statusLine = gui->addStaticText(L"", core::recti(10, 10, 300, 25));
    raceScreen.secondStatusLine = gui->addStaticText(L"", core::recti(10, 30, 300, 45));
}

void CreateRaceScreen() {
    const int width = static_cast<int>(game.videoDriver->getScreenSize().Width);
    CreateHudPlate(width);
    Column column(width);
    raceScreen.endTurn = AddButton(column, gui_id::EndTurn, L"Fin Tour");
    raceScreen.autoEndTurn = AddCheckBox(column, gui_id::AutoEndTurn, L"Auto fin tour");
    raceScreen.showIntersections = AddCheckBox(column, gui_id::ShowIntersections, L"Voir intersec");
    raceScreen.showTrail = AddCheckBox(column, gui_id::ShowTrail, L"Voir histo");
    raceScreen.hideWalls = AddCheckBox(column, gui_id::HideWalls, L"Cacher murs");
    raceScreen.showRisks = AddCheckBox(column, gui_id::ShowRisks, L"Voir risques");
    raceScreen.quit = AddButton(column, gui_id::Quit, L"Quitter");
    raceScreen.saveRace = AddButton(column, gui_id::SaveRace, L"Sauvegarder");
    raceScreen.nitro = AddButton(column, gui_id::Nitro, L"Nitro");
    raceScreen.frontGun = AddButton(column, gui_id::FrontGun, L"Mitrailleuse Av.");
    raceScreen.rearGun = AddButton(column, gui_id::RearGun, L"Mitrailleuse Ar.");
    raceScreen.oilProjector = AddButton(column, gui_id::OilProjector, L"Proj. Huile");
    raceScreen.grenade = AddButton(column, gui_id::Grenade, L"Lance Grenade");
    raceScreen.pistol = AddButton(column, gui_id::Pistol, L"Tir Pistolet");
    raceScreen.bazooka = AddButton(column, gui_id::Bazooka, L"Tir Bazooka");
    ShowColumnKeys();
    CreateCarMenu();
    CreateMessageWindow();
}

video::ITexture* LightShadeTexture(const std::wstring& colourName) {
    return game.videoDriver->getTexture(GamePath(L"\\data\\" + colourName + L"clair.bmp").c_str());
}

ButtonHighlight::ButtonHighlight(gui::IGUIButton* button) : button_(button) {
    video::ITexture* light = LightShadeTexture(game.cars[game.currentCar].colourName);
    if (button_ && light) {
        button_->setImage(light);
        button_->setScaleImage(true);
    }
}

ButtonHighlight::~ButtonHighlight() {
    if (button_) button_->setImage(nullptr);
}
