// A scripted player: once per pumped frame it looks at the screen and posts
// the events a person would (clicks on buttons, clicks and drags of the mouse,
// keys, the wheel), on given frames or when a condition holds. It records the
// texts of the message windows it saw.
#pragma once

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Thrown when a script runs past its frame limit, so a test that would hang
// fails instead.
struct ScriptFrameLimit : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ScriptedPlayer {
public:
    using Action = std::function<void()>;
    using Condition = std::function<bool()>;

    // Runs `action` on the given frame, counted from the frame the step was
    // added on (1 = the next pumped frame).
    ScriptedPlayer& AtFrame(long long frame, Action action);
    // Runs `action` once, on the first frame where `condition` holds.
    ScriptedPlayer& When(Condition condition, Action action);
    // Runs `action` on every frame where `condition` holds.
    ScriptedPlayer& Whenever(Condition condition, Action action);
    // Answers every message window: stops dice, closes notices and picks
    // answer `choice` (1..4) of questions; with `framesSeen`, only once the
    // window has been drawn that many times, as a person reads it first.
    ScriptedPlayer& AnswerDialogs(int choice = 1, int framesSeen = 0);

    // Closes every notice of the menus with its close button, once its text
    // is recorded.
    ScriptedPlayer& CloseNotices();

    // Frames pumped before a script is deemed stuck.
    void SetFrameLimit(long long frames) { frameLimit_ = frames; }

    // Events, posted through the device as the window would deliver them.
    void ClickButton(int id);  // a left click on the centre of a visible, enabled element
    void LeftClickAt(int x, int y);
    // Pressed now and released on the next frame, as a person clicks: loops
    // that poll the held button (the choice of a cross) see it.
    void LeftClickOverTwoFrames(int x, int y);
    void RightClickAt(int x, int y);
    void RightDrag(int fromX, int fromY, int toX, int toY);
    void MoveMouse(int x, int y);
    void MouseButton(irr::EMOUSE_INPUT_EVENT kind, int x, int y);
    void Key(irr::EKEY_CODE key, bool down);
    void Press(irr::EKEY_CODE key);  // pressed and released at once
    void Wheel(float delta);
    // Picks an item of a combo box as its drop-down list does: selects it and
    // tells the combo box's parent that it changed.
    static void SelectComboItem(irr::gui::IGUIComboBox* combo, int item);
    // The same, by the item's text; a failure when no item has that text.
    static void SelectComboItem(irr::gui::IGUIComboBox* combo, const std::wstring& text);

    // The texts of the open notices (ShowNotice), oldest first, without the
    // line break the notice adds.
    static std::vector<std::wstring> NoticeTexts();
    // Clicks the close button of the newest open notice.
    void CloseNotice();
    // Widgets as a person uses them: a click into an edit box, "Ctrl+A" and
    // the text typed over it; a line of a list box or a combo box chosen,
    // the GUI telling the change.
    void TypeText(int id, const std::wstring& text);
    void SelectListItem(int id, int line);
    void SelectComboItem(int id, int item);

    // Texts of the message windows seen while they were open, in order.
    const std::vector<std::wstring>& DialogTexts() const { return dialogTexts_; }
    bool SawDialogText(const std::wstring& text) const;
    // Every one of the texts was seen; the failure names those that were not.
    ::testing::AssertionResult SawDialogTexts(const std::vector<std::wstring>& texts) const;
    int TimesSeen(const std::wstring& text) const;
    bool SawDialogTextContaining(const std::wstring& part) const;
    // Texts of the menus' notices seen, in order, without the line break
    // the notice adds.
    const std::vector<std::wstring>& NoticeTextsSeen() const { return noticeTexts_; }
    // The first element with this id, or null.
    static irr::gui::IGUIElement* Element(int id);
    // Whether it is visible with every parent visible, as the player sees it.
    static bool Shown(int id);
    static std::wstring TextOf(int id);

    // Called once per pumped frame by the test fixture.
    void OnFrame();

private:
    struct Step {
        long long frame = -1;
        Condition condition;
        std::shared_ptr<Action> action;  // shared: an action keeps its own state
        bool repeat = false;
        bool done = false;
    };
    ScriptedPlayer& AddStep(long long frame, Condition condition, Action action, bool repeat);
    void ClickCloseButton(irr::gui::IGUIWindow* window);
    void RecordDialogText();
    void RecordNoticeText();
    void PostGuiEvent(irr::gui::IGUIElement* caller, irr::gui::EGUI_EVENT_TYPE type);
    std::vector<Step> steps_;
    std::vector<std::wstring> dialogTexts_;
    std::wstring lastDialogText_;
    std::vector<std::wstring> noticeTexts_;
    bool noticeShown_ = false;
    long long framesSeen_ = 0;
    long long frameLimit_ = 20000;
};
