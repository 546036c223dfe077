#include "ui/notice.h"

#include "core/game_state.h"
#include "ui/message_window.h"

using namespace irr;

namespace {
constexpr size_t kMaxNoticeText = 255;
// Closing the notice removes its window from the GUI: it is looked for by
// this id rather than kept by a pointer that would then dangle.
constexpr s32 kNoticeWindowId = 1010;

bool noticeOpen = false;

bool NoticeWindowPresent() {
    return game.guiEnvironment &&
           game.guiEnvironment->getRootGUIElement()->getElementFromId(kNoticeWindowId, true);
}
}  // namespace

void ShowNotice(const std::wstring& text) {
    SetDialogOpaque(true, false);
    const std::wstring shown = (text + L"\n").substr(0, kMaxNoticeText);
    const core::dimension2du screen = game.videoDriver->getScreenSize();
    const s32 cx = static_cast<s32>(screen.Width) / 2;
    const s32 cy = static_cast<s32>(screen.Height) / 2;
    gui::IGUIWindow* notice = game.guiEnvironment->addWindow(
        core::rect<s32>(cx - 100, cy - 50, cx + 100, cy + 50), true, L"Message", nullptr,
        kNoticeWindowId);
    noticeOpen = true;
    game.guiEnvironment->addStaticText(shown.c_str(), core::rect<s32>(0, 20, 200, 100), true, true,
                                       notice);
}

bool NoticeOpen() { return noticeOpen; }

bool UpkeepNotice() {
    if (!noticeOpen || NoticeWindowPresent()) return false;
    noticeOpen = false;
    SetDialogOpaque(false, false);
    return true;
}

void DrawMenuFrame(int x, int y) {
    video::IVideoDriver* driver = game.videoDriver;
    const video::SColor black(255, 0, 0, 0);
    if (x != 0 || y != 0) {
        driver->draw2DLine({x, y}, {x + 800, y}, black);
        driver->draw2DLine({x + 800, y}, {x + 800, y + 600}, black);
        driver->draw2DLine({x + 800, y + 600}, {x, y + 600}, black);
        driver->draw2DLine({x, y + 600}, {x, y}, black);
    }
    driver->draw2DLine({x + 100, y}, {x + 100, y + 600}, video::SColor(static_cast<u8>(x), 0, 0, 0));
}
