#include "ui/car_sheet.h"

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "scene/camera_control.h"
#include "scene/race_frame.h"
#include "ui/fonts.h"
#include "ui/dice_dialog.h"
#include "ui/message_window.h"
#include "ui/race_screen.h"

using namespace irr;

namespace {
std::wstring ChargeNote(const GadgetRecord& gadget) {
    const std::wstring charges = IntText(gadget.charges);
    if (gadget.name == L"Nitro") return L" (Nb de charges : " + charges + L" ) ";
    if (gadget.name == L"Renfort Latéral") return L" (" + charges + L"/5) ";
    if (gadget.name == L"Cartouche d'huile" || gadget.name == L"Lance Grenades")
        return L" (" + charges + L"/1) ";
    return L"";
}

std::wstring StructureLine(const wchar_t* word, const CarSide& side) {
    return std::wstring(L"Points de structure côté ") + word + L" : " + IntText(side.structure) +
           L" / " + IntText(side.structureMax) + L"\n";
}

// Camera input and one frame of the race view, without advancing the race.
void DrawViewFrame() {
    CameraControl();
    DrawRaceFrame();
    SleepMilliseconds(static_cast<int>(game.frameDelay));
}
}  // namespace

std::wstring CarSheetText(int index) {
    const CarRecord& car = game.cars[index];
    std::wstring text = L"Voiture n°" + IntText(index) + L"\n" + L"Masse : " + IntText(car.mass) +
                        L"\n\n" + L"Nom du pilote : " + car.pilotName + L"\n" +
                        L"Points de vie : " + IntText(car.hitPoints) + L"\n" + L"Conduite : " +
                        IntText(car.drivingSkill) + L"\n" + L"Tir : " + IntText(car.shootingSkill) +
                        L"\n\n" + L"Volant côté : " + car.wheelSide + L"\n\n";
    text += StructureLine(L"AVANT", car.sides[SideFront]);
    text += StructureLine(L"GAUCHE", car.sides[SideLeft]);
    text += StructureLine(L"DROIT", car.sides[SideRight]);
    text += StructureLine(L"ARRIERE", car.sides[SideRear]);
    text += L"\n";
    for (const CarSide& side : car.sides) {
        text += L"Nb Gadgets Côté " + side.sideName + L" : " + IntText(side.gadgetCount) + L"\n";
        for (int g = 1; g <= side.gadgetCount && g < static_cast<int>(side.gadgets.size()); ++g)
            text += L" - " + side.gadgets[g].name + ChargeNote(side.gadgets[g]) + L"\n";
        text += L"\n";
    }
    return text;
}

void CarMenu(int index, int x, int y) {
    gui::IGUIWindow* menu = raceScreen.carMenu;
    if (!menu) return;
    menu->setRelativePosition(core::position2di(x - 20, y - 20));
    menu->setVisible(true);
    game.guiEnvironment->getRootGUIElement()->bringToFront(menu);
    while (menu->isVisible()) {
        PumpFrameOrEnd();
        if (game.mouse.pickRequest) {
            game.mouse.pickRequest = 0;
            menu->setVisible(false);
            return;
        }
        if (game.cameraCommand == 1) {
            game.cameraCommand = 0;
            menu->setVisible(false);
            CarSheet(index);
        } else if (game.cameraCommand == 2) {
            game.cameraCommand = 0;
            menu->setVisible(false);
            PlaceCameraNearCar(index);
            game.cameraMovedByPlayer = 1;
        }
        DrawViewFrame();
    }
}

void CarSheet(int index) {
    SetDialogOpaque(true, false);
    gui::IGUIEnvironment* gui = game.guiEnvironment;
    gui::IGUIWindow* window = gui->addWindow(core::recti(0, 0, 400, 575), true, L"Fiche Voiture");
    gui::IGUIStaticText* text =
        gui->addStaticText(L"Message", core::recti(10, 25, 390, 565), false, true, window, 2001);
    UseSmallFont(text);
    text->setText(CarSheetText(index).substr(0, 1000).c_str());

    // The window removes itself when its close button is pressed; hold a
    // reference to see it go.
    window->grab();
    while (window->getParent()) {
        PumpFrameOrEnd();
        DrawViewFrame();
    }
    window->drop();
    SetDialogOpaque(false, false);
}
