#include "ui/message_window.h"

#include <string>

#include "core/event_receiver.h"
#include "core/game_state.h"

using namespace irr;

namespace {
using Rect = core::rect<s32>;

struct Layout {
    Rect window, text, dieFace, dieTarget, button, choices[4];
};

const Layout kSmall = {{400, 20, 600, 280},
                       {10, 25, 190, 195},
                       {85, 205, 115, 220},
                       {120, 205, 198, 220},
                       {30, 230, 170, 250},
                       {{10, 200, 95, 225}, {105, 200, 190, 225}, {10, 229, 95, 254}, {105, 229, 190, 254}}};
const Layout kLarge = {{300, 20, 600, 450},
                       {10, 25, 290, 350},
                       {135, 360, 165, 375},
                       {170, 360, 290, 375},
                       {80, 390, 220, 410},
                       {{30, 360, 135, 385}, {165, 360, 270, 385}, {30, 390, 135, 415}, {165, 390, 270, 415}}};

MessageWindow messageWindow;
bool largeLayout = false;

// The window belongs to the GUI of the current device; a new device has none.
bool WindowExists() {
    if (!game.guiEnvironment || !messageWindow.text) return false;
    return game.guiEnvironment->getRootGUIElement()->getElementFromId(gui_id::MessageText, true) ==
           messageWindow.text;
}

gui::IGUIButton* AddChoice(int number) {
    gui::IGUIButton* choice = game.guiEnvironment->addButton(
        kSmall.choices[number - 1], messageWindow.window, gui_id::Choice1 + number - 1);
    choice->setToolTipText((L"Touche " + std::to_wstring(number)).c_str());
    choice->setVisible(false);
    return choice;
}
}  // namespace

void CreateMessageWindow() {
    if (WindowExists()) return;
    gui::IGUIEnvironment* gui = game.guiEnvironment;
    messageWindow.window = gui->addWindow(kSmall.window, false, L"Message");
    // Closing it by its title bar would destroy the window the rules reuse.
    messageWindow.window->getCloseButton()->setVisible(false);
    messageWindow.text =
        gui->addStaticText(L"", kSmall.text, false, true, messageWindow.window, gui_id::MessageText);
    messageWindow.dieFace =
        gui->addStaticText(L"", kSmall.dieFace, true, false, messageWindow.window, gui_id::DieFace);
    messageWindow.dieFace->setTextAlignment(gui::EGUIA_CENTER, gui::EGUIA_CENTER);
    messageWindow.dieTarget =
        gui->addStaticText(L"", kSmall.dieTarget, false, false, messageWindow.window, gui_id::DieTarget);
    messageWindow.dieTarget->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_CENTER);
    messageWindow.button =
        gui->addButton(kSmall.button, messageWindow.window, gui_id::MessageButton, L"Fermer");
    messageWindow.button->setToolTipText(L"Touche Entrée ou Espace");
    for (int i = 1; i <= 4; ++i) messageWindow.choices[i] = AddChoice(i);
    messageWindow.window->setVisible(false);
}

const MessageWindow& TheMessageWindow() {
    CreateMessageWindow();
    return messageWindow;
}

void DialogLayout(bool large) {
    const MessageWindow& w = TheMessageWindow();
    const Layout& layout = large ? kLarge : kSmall;
    largeLayout = large;
    w.window->setRelativePosition(layout.window);
    w.text->setRelativePosition(layout.text);
    w.dieFace->setRelativePosition(layout.dieFace);
    w.dieTarget->setRelativePosition(layout.dieTarget);
    w.button->setRelativePosition(layout.button);
    for (int i = 1; i <= 4; ++i) w.choices[i]->setRelativePosition(layout.choices[i - 1]);
}

bool DialogLayoutIsLarge() { return largeLayout; }

void SetDialogOpaque(bool opaque, bool allColours) {
    gui::IGUISkin* skin = game.guiEnvironment->getSkin();
    for (int i = 0; i < gui::EGDC_COUNT; ++i) {
        if (!allColours && i != gui::EGDC_3D_FACE) continue;
        const auto which = static_cast<gui::EGUI_DEFAULT_COLOR>(i);
        video::SColor colour = skin->getColor(which);
        colour.setAlpha(opaque ? 255 : game.dialog.skinAlphas[i]);
        skin->setColor(which, colour);
    }
}
