// A check box whose label is drawn in a chosen font or colour: the engine's
// check box draws its label in the skin's font and text colour only.
#pragma once

#include <irrlicht.h>

struct CheckBoxLabel {
    const wchar_t* text;
    irr::gui::IGUIFont* font = nullptr;  // null: the skin's font
    irr::video::SColor colour{0, 0, 0, 0};  // alpha 0: the skin's text colour
};

// The label is a child text of the box beside its square, so a click on the
// label still ticks the box.
irr::gui::IGUICheckBox* AddLabelledCheckBox(bool checked, const irr::core::recti& rect, int id,
                                            const CheckBoxLabel& label);
