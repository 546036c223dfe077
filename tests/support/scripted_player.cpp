#include "support/scripted_player.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/cursor.h"
#include "core/event_receiver.h"
#include "core/game_state.h"
#include "platform/text.h"

using namespace irr;

ScriptedPlayer& ScriptedPlayer::AddStep(long long frame, Condition condition, Action action, bool repeat) {
    steps_.push_back({frame, std::move(condition), std::make_shared<Action>(std::move(action)), repeat, false});
    return *this;
}

ScriptedPlayer& ScriptedPlayer::AtFrame(long long frame, Action action) {
    return AddStep(framesSeen_ + frame, nullptr, std::move(action), false);
}

ScriptedPlayer& ScriptedPlayer::When(Condition condition, Action action) {
    return AddStep(-1, std::move(condition), std::move(action), false);
}

ScriptedPlayer& ScriptedPlayer::Whenever(Condition condition, Action action) {
    return AddStep(-1, std::move(condition), std::move(action), true);
}

ScriptedPlayer& ScriptedPlayer::AnswerDialogs(int choice, int framesSeen) {
    auto seen = std::make_shared<int>(0);  // frames the window waited for its answer
    return Whenever([] { return game.dialog.dialogOpen == 1; },
                    [this, choice, framesSeen, seen] {
                        const DialogState& dialog = game.dialog;
                        const bool question = dialog.choiceState > 0 && dialog.choiceState <= 4;
                        if (!question && (dialog.choiceState != 0 || dialog.dieState != 0)) return;
                        if ((*seen)++ < framesSeen) return;
                        *seen = 0;
                        if (question)
                            ClickButton(gui_id::Choice1 + std::min(choice, dialog.choiceState) - 1);
                        else
                            ClickButton(gui_id::MessageButton);
                    });
}

namespace {
// Visible with every parent visible, as the player sees it.
bool ShownOnScreen(gui::IGUIElement* element) {
    if (!element) return false;
    for (; element; element = element->getParent())
        if (!element->isVisible()) return false;
    return true;
}
}  // namespace

gui::IGUIElement* ScriptedPlayer::Element(int id) {
    if (!game.guiEnvironment) return nullptr;
    return game.guiEnvironment->getRootGUIElement()->getElementFromId(id, true);
}

bool ScriptedPlayer::Shown(int id) { return ShownOnScreen(Element(id)); }

std::wstring ScriptedPlayer::TextOf(int id) { return Element(id)->getText(); }

bool ScriptedPlayer::SawDialogText(const std::wstring& text) const {
    return std::find(dialogTexts_.begin(), dialogTexts_.end(), text) != dialogTexts_.end();
}

::testing::AssertionResult ScriptedPlayer::SawDialogTexts(const std::vector<std::wstring>& texts) const {
    std::string missing;
    for (const std::wstring& text : texts)
        if (!SawDialogText(text)) missing += "\nnot seen: " + ToUtf8(text);
    if (missing.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << missing;
}

int ScriptedPlayer::TimesSeen(const std::wstring& text) const {
    return static_cast<int>(std::count(dialogTexts_.begin(), dialogTexts_.end(), text));
}

bool ScriptedPlayer::SawDialogTextContaining(const std::wstring& part) const {
    return std::any_of(dialogTexts_.begin(), dialogTexts_.end(),
                       [&](const std::wstring& text) { return text.find(part) != std::wstring::npos; });
}

namespace {
void PostMouse(EMOUSE_INPUT_EVENT kind, int x, int y, float wheel = 0) {
    SEvent event{};
    event.EventType = EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = kind;
    event.MouseInput.X = x;
    event.MouseInput.Y = y;
    event.MouseInput.Wheel = wheel;
    game.device->postEventFromUser(event);
}

void PostKey(EKEY_CODE key, wchar_t ch, bool down = true, bool control = false) {
    SEvent event{};
    event.EventType = EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = key;
    event.KeyInput.Char = ch;
    event.KeyInput.PressedDown = down;
    event.KeyInput.Control = control;
    game.device->postEventFromUser(event);
}

SEvent GuiEvent(gui::IGUIElement* caller, gui::EGUI_EVENT_TYPE type) {
    SEvent event{};
    event.EventType = EET_GUI_EVENT;
    event.GUIEvent.Caller = caller;
    event.GUIEvent.Element = nullptr;
    event.GUIEvent.EventType = type;
    return event;
}

std::wstring WithoutFinalBreak(std::wstring text) {
    if (!text.empty() && text.back() == L'\n') text.pop_back();
    return text;
}
}  // namespace

void ScriptedPlayer::MouseButton(EMOUSE_INPUT_EVENT kind, int x, int y) {
    SetCursorOverride({x, y});
    PostMouse(kind, x, y);
}

void ScriptedPlayer::MoveMouse(int x, int y) { MouseButton(EMIE_MOUSE_MOVED, x, y); }

void ScriptedPlayer::ClickButton(int id) {
    gui::IGUIElement* element = Element(id);
    if (!element || !ShownOnScreen(element) || !element->isEnabled()) {
        ADD_FAILURE() << "no visible, enabled element with id " << id << " to click";
        return;
    }
    const core::position2di centre = element->getAbsolutePosition().getCenter();
    MouseButton(EMIE_LMOUSE_PRESSED_DOWN, centre.X, centre.Y);
    MouseButton(EMIE_LMOUSE_LEFT_UP, centre.X, centre.Y);
}

void ScriptedPlayer::LeftClickAt(int x, int y) {
    MouseButton(EMIE_LMOUSE_PRESSED_DOWN, x, y);
    MouseButton(EMIE_LMOUSE_LEFT_UP, x, y);
}

void ScriptedPlayer::LeftClickOverTwoFrames(int x, int y) {
    MouseButton(EMIE_LMOUSE_PRESSED_DOWN, x, y);
    AtFrame(1, [this, x, y] { MouseButton(EMIE_LMOUSE_LEFT_UP, x, y); });
}

void ScriptedPlayer::RightClickAt(int x, int y) {
    MouseButton(EMIE_RMOUSE_PRESSED_DOWN, x, y);
    MouseButton(EMIE_RMOUSE_LEFT_UP, x, y);
}

void ScriptedPlayer::RightDrag(int fromX, int fromY, int toX, int toY) {
    MouseButton(EMIE_RMOUSE_PRESSED_DOWN, fromX, fromY);
    MoveMouse(toX, toY);
    MouseButton(EMIE_RMOUSE_LEFT_UP, toX, toY);
}

void ScriptedPlayer::Key(EKEY_CODE key, bool down) { PostKey(key, 0, down); }

void ScriptedPlayer::Press(EKEY_CODE key) {
    Key(key, true);
    Key(key, false);
}

void ScriptedPlayer::Wheel(float delta) {
    const core::position2di at = CursorPosition();
    PostMouse(EMIE_MOUSE_WHEEL, at.X, at.Y, delta);
}

void ScriptedPlayer::SelectComboItem(gui::IGUIComboBox* combo, int item) {
    combo->setSelected(item);
    combo->getParent()->OnEvent(GuiEvent(combo, gui::EGET_COMBO_BOX_CHANGED));
}

void ScriptedPlayer::SelectComboItem(gui::IGUIComboBox* combo, const std::wstring& text) {
    for (u32 i = 0; i < combo->getItemCount(); ++i)
        if (text == combo->getItem(i)) return SelectComboItem(combo, static_cast<int>(i));
    ADD_FAILURE() << "no combo box item named " << std::string(text.begin(), text.end());
}

namespace {
// The id of the menus' notice windows (see ui/notice.cpp).
constexpr int kNoticeWindowId = 1010;

void CollectNotices(gui::IGUIElement* element, std::vector<gui::IGUIWindow*>& notices) {
    for (gui::IGUIElement* child : element->getChildren()) {
        if (child->getID() == kNoticeWindowId && child->getType() == gui::EGUIET_WINDOW)
            notices.push_back(static_cast<gui::IGUIWindow*>(child));
        CollectNotices(child, notices);
    }
}

std::vector<gui::IGUIWindow*> OpenNotices() {
    std::vector<gui::IGUIWindow*> notices;
    if (game.guiEnvironment) CollectNotices(game.guiEnvironment->getRootGUIElement(), notices);
    return notices;
}
}  // namespace

std::vector<std::wstring> ScriptedPlayer::NoticeTexts() {
    std::vector<std::wstring> texts;
    for (gui::IGUIWindow* notice : OpenNotices())
        texts.push_back(WithoutFinalBreak((*notice->getChildren().getLast())->getText()));
    return texts;
}

void ScriptedPlayer::CloseNotice() {
    const std::vector<gui::IGUIWindow*> notices = OpenNotices();
    if (notices.empty()) {
        ADD_FAILURE() << "no notice to close";
        return;
    }
    ClickCloseButton(notices.back());
}

void ScriptedPlayer::ClickCloseButton(gui::IGUIWindow* window) {
    const core::position2di at = window->getCloseButton()->getAbsolutePosition().getCenter();
    LeftClickAt(at.X, at.Y);
}

void ScriptedPlayer::RecordDialogText() {
    if (game.dialog.dialogOpen != 1) {
        lastDialogText_.clear();
        return;
    }
    gui::IGUIElement* text = Element(gui_id::MessageText);
    if (!text) return;
    const std::wstring shown = text->getText();
    if (shown != lastDialogText_) {
        dialogTexts_.push_back(shown);
        lastDialogText_ = shown;
    }
}

void ScriptedPlayer::OnFrame() {
    ++framesSeen_;
    if (framesSeen_ > frameLimit_)
        throw ScriptFrameLimit("the script ran past its frame limit of " +
                               std::to_string(frameLimit_) + " frames");
    RecordDialogText();
    RecordNoticeText();
    // Steps may add steps; index so the vector may grow meanwhile.
    for (size_t i = 0; i < steps_.size(); ++i) {
        if (steps_[i].done) continue;
        const bool due = steps_[i].condition ? steps_[i].condition()
                                             : framesSeen_ >= steps_[i].frame;
        if (!due) continue;
        if (!steps_[i].repeat) steps_[i].done = true;
        const std::shared_ptr<Action> action = steps_[i].action;
        (*action)();
    }
}

void ScriptedPlayer::RecordNoticeText() {
    gui::IGUIElement* notice = Element(kNoticeWindowId);
    const bool alreadySeen = noticeShown_;
    noticeShown_ = notice != nullptr;
    if (!notice || alreadySeen) return;
    for (gui::IGUIElement* child : notice->getChildren())
        if (child->getType() == gui::EGUIET_STATIC_TEXT) noticeTexts_.push_back(WithoutFinalBreak(child->getText()));
}

ScriptedPlayer& ScriptedPlayer::CloseNotices() {
    return Whenever([] { return Element(kNoticeWindowId) != nullptr; },
                    [this] { ClickCloseButton(static_cast<gui::IGUIWindow*>(Element(kNoticeWindowId))); });
}

void ScriptedPlayer::TypeText(int id, const std::wstring& text) {
    gui::IGUIElement* box = Element(id);
    if (!box || !ShownOnScreen(box) || box->getType() != gui::EGUIET_EDIT_BOX) {
        ADD_FAILURE() << "no visible edit box with id " << id << " to type into";
        return;
    }
    const core::position2di centre = box->getAbsolutePosition().getCenter();
    LeftClickAt(centre.X, centre.Y);
    PostKey(KEY_KEY_A, L'a', true, /*control=*/true);
    for (wchar_t ch : text) PostKey(KEY_KEY_X, ch);  // any key that is not an editing key
}

void ScriptedPlayer::PostGuiEvent(gui::IGUIElement* caller, gui::EGUI_EVENT_TYPE type) {
    game.device->postEventFromUser(GuiEvent(caller, type));
}

namespace {
// A visible list or combo box of the given type holding that line, or null
// after a failure.
template <class Box>
Box* ChoiceBox(int id, gui::EGUI_ELEMENT_TYPE type, int line) {
    gui::IGUIElement* element = ScriptedPlayer::Element(id);
    auto* box = element && element->getType() == type ? static_cast<Box*>(element) : nullptr;
    if (!box || !ShownOnScreen(box) || line < 0 || line >= static_cast<int>(box->getItemCount())) {
        ADD_FAILURE() << "no visible list or combo box with id " << id << " holding line " << line;
        return nullptr;
    }
    return box;
}
}  // namespace

void ScriptedPlayer::SelectListItem(int id, int line) {
    if (auto* list = ChoiceBox<gui::IGUIListBox>(id, gui::EGUIET_LIST_BOX, line)) {
        list->setSelected(line);
        PostGuiEvent(list, gui::EGET_LISTBOX_CHANGED);
    }
}

void ScriptedPlayer::SelectComboItem(int id, int item) {
    if (auto* combo = ChoiceBox<gui::IGUIComboBox>(id, gui::EGUIET_COMBO_BOX, item)) {
        combo->setSelected(item);
        PostGuiEvent(combo, gui::EGET_COMBO_BOX_CHANGED);
    }
}
