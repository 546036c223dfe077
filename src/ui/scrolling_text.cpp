#include "ui/scrolling_text.h"

#include <algorithm>

#include "core/cursor.h"
#include "core/game_state.h"

using namespace irr;

namespace {
constexpr s32 kBorder = 2;  // the frame's sunken border
constexpr s32 kMargin = 3;  // between the border and the letters
constexpr s32 kWheelNotch = 10;  // what one notch adds to the wheel value
constexpr s32 kLinesPerNotch = 2;

s32 BarWidth() { return game.guiEnvironment->getSkin()->getSize(gui::EGDS_SCROLLBAR_SIZE); }

s32 LineHeight(const ScrollingText& box) {
    gui::IGUIFont* font = box.text->getActiveFont();
    return font ? static_cast<s32>(font->getDimension(L"A").Height) + font->getKerningHeight() : 16;
}

// Wraps the text within `width` of the inside and returns its height.
s32 WrapAt(const ScrollingText& box, s32 width) {
    box.text->setRelativePosition(core::recti(kMargin, 0, width - kMargin, 1));
    return box.text->getTextHeight();
}
}  // namespace

ScrollingText AddScrollingText(const core::recti& rect, gui::IGUIElement* parent, int id) {
    gui::IGUIEnvironment* gui = game.guiEnvironment;
    ScrollingText box;
    box.frame = gui->addStaticText(L"", rect, true, false, parent);
    const s32 width = rect.getWidth(), height = rect.getHeight();
    box.view = gui->addTab(core::recti(kBorder, kBorder, width - kBorder, height - kBorder), box.frame);
    box.text = gui->addStaticText(L"", core::recti(0, 0, 1, 1), false, true, box.view, id);
    const s32 inside = width - 2 * kBorder;
    box.bar = gui->addScrollBar(false, core::recti(inside - BarWidth(), 0, inside, height - 2 * kBorder), box.view);
    box.bar->setVisible(false);
    return box;
}

void SetScrollingText(const ScrollingText& box, const std::wstring& text) {
    if (text == box.text->getText()) return;
    box.text->setText(text.c_str());
    const s32 width = box.view->getRelativePosition().getWidth();
    const s32 height = box.view->getRelativePosition().getHeight();
    const bool scrolls = WrapAt(box, width) > height;
    const s32 textWidth = scrolls ? width - BarWidth() : width;
    const s32 textHeight = WrapAt(box, textWidth);
    box.text->setRelativePosition(core::recti(kMargin, 0, textWidth - kMargin, std::max(textHeight, height)));
    box.bar->setVisible(scrolls);
    box.bar->setMax(scrolls ? textHeight - height : 0);
    box.bar->setSmallStep(LineHeight(box));
    box.bar->setLargeStep(std::max(1, height - LineHeight(box)));
    box.bar->setPos(0);
}

void UpkeepScrollingText(const ScrollingText& box) {
    f32& wheel = game.mouse.wheelZoom;
    if (wheel != 0 && box.frame->getAbsolutePosition().isPointInside(CursorPosition()))
        box.bar->setPos(box.bar->getPos() - static_cast<s32>(wheel) / kWheelNotch * kLinesPerNotch * LineHeight(box));
    wheel = 0;
    const s32 top = -box.bar->getPos();
    if (box.text->getRelativePosition().UpperLeftCorner.Y != top) {
        core::recti place = box.text->getRelativePosition();
        place += core::position2di(0, top - place.UpperLeftCorner.Y);
        box.text->setRelativePosition(place);
    }
}
