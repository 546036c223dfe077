#include "ui/labelled_check_box.h"

#include "core/game_state.h"

using namespace irr;

gui::IGUICheckBox* AddLabelledCheckBox(bool checked, const core::recti& rect, int id,
                                       const CheckBoxLabel& label) {
    gui::IGUIEnvironment* gui = game.guiEnvironment;
    const bool ownLook = label.font || label.colour.getAlpha() > 0;
    gui::IGUICheckBox* box = gui->addCheckBox(checked, rect, nullptr, id, ownLook ? L"" : label.text);
    if (!ownLook) return box;
    gui::IGUIStaticText* text = gui->addStaticText(
        label.text, core::recti(18, 0, rect.getWidth(), rect.getHeight()), false, false, box);
    if (label.font) text->setOverrideFont(label.font);
    if (label.colour.getAlpha() > 0) text->setOverrideColor(label.colour);
    text->setTextAlignment(gui::EGUIA_UPPERLEFT, gui::EGUIA_CENTER);
    return box;
}
