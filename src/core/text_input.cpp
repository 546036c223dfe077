#include "core/text_input.h"

#include "core/game_state.h"
#include "platform/window_keyboard.h"

using namespace irr;

namespace {
gui::IGUIElement* FocusedEditBox() {
    if (!game.inMenu || !game.guiEnvironment) return nullptr;
    gui::IGUIElement* focus = game.guiEnvironment->getFocus();
    return focus && focus->getType() == gui::EGUIET_EDIT_BOX ? focus : nullptr;
}

bool IsTypedCharacter(wchar_t c) { return c >= 32 && c != 127; }
}  // namespace

void StartTextInput() {
    if (!game.videoDriver) return;
    const video::SExposedVideoData data = game.videoDriver->getExposedVideoData();
    OpenWindowKeyboard(data.OpenGLLinux.X11Display, data.OpenGLLinux.X11Window);
}

void StopTextInput() { CloseWindowKeyboard(); }

bool TypedByTextInput(const SEvent::SKeyInput& key) {
    return WindowKeyboardOpen() && IsTypedCharacter(key.Char) && !key.Control && FocusedEditBox();
}

void DeliverTypedText() {
    if (!WindowKeyboardOpen()) return;
    const std::wstring text = TakeTypedText();
    if (text.empty() || !FocusedEditBox()) return;
    SEvent event{};
    event.EventType = EET_KEY_INPUT_EVENT;
    event.KeyInput.PressedDown = true;
    event.KeyInput.Key = KEY_KEY_CODES_COUNT;  // no key that an edit box acts on
    for (wchar_t c : text) {
        event.KeyInput.Char = c;
        game.guiEnvironment->postEventFromUser(event);
    }
}
