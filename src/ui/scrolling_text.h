// A framed text that scrolls when it is taller than its frame: the text,
// wrapped at the frame's width, slides behind the frame's inside, moved by
// a scroll bar shown only when it is needed, or by the mouse wheel over it.
#pragma once

#include <irrlicht.h>

#include <string>

struct ScrollingText {
    irr::gui::IGUIStaticText* frame = nullptr;  // the border
    irr::gui::IGUITab* view = nullptr;          // the inside, which clips the text
    irr::gui::IGUIStaticText* text = nullptr;   // the whole text, wrapped
    irr::gui::IGUIScrollBar* bar = nullptr;
};

// An empty scrolling text in `rect` of `parent`; its text element has `id`.
ScrollingText AddScrollingText(const irr::core::recti& rect, irr::gui::IGUIElement* parent, int id);

// Shows `text` from its first line, unless it is shown already.
void SetScrollingText(const ScrollingText& box, const std::wstring& text);

// Once per frame: the mouse wheel turned over the frame scrolls the text,
// and the text follows the scroll bar. The wheel turned elsewhere is
// dropped.
void UpkeepScrollingText(const ScrollingText& box);
