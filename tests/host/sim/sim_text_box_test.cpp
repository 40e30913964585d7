#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/automation_error.h"
#include "host/sim/sim_desktop.h"
#include "host/sim/sim_messages.h"
#include "host/sim/sim_text_box.h"

namespace zelvane::sim {
namespace {

/// Records the box's events in order; optional hooks change the by-reference
/// arguments the way a host's handler would.
class BoxEvents final : public host::TextBoxEvents {
 public:
  void txt_Change() override { log.push_back("Change"); }
  void txt_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override {
    log.push_back("KeyDown " + std::to_string(KeyCode) + " " + std::to_string(Shift));
    if (onKeyDown) onKeyDown(KeyCode);
  }
  void txt_KeyPress(std::int16_t& KeyAscii) override {
    log.push_back("KeyPress " + std::to_string(KeyAscii));
    if (onKeyPress) onKeyPress(KeyAscii);
  }
  void txt_KeyUp(std::int16_t& KeyCode, std::int16_t&) override { log.push_back("KeyUp " + std::to_string(KeyCode)); }
  void txt_Click() override { log.push_back("Click"); }
  void txt_DblClick() override { log.push_back("DblClick"); }
  void txt_MouseDown(std::int16_t& B, std::int16_t&, float& X, float& Y) override { Mouse("MouseDown", B, X, Y); }
  void txt_MouseMove(std::int16_t& B, std::int16_t&, float& X, float& Y) override { Mouse("MouseMove", B, X, Y); }
  void txt_MouseUp(std::int16_t& B, std::int16_t&, float& X, float& Y) override { Mouse("MouseUp", B, X, Y); }

  std::vector<std::string> log;
  std::function<void(std::int16_t&)> onKeyDown;
  std::function<void(std::int16_t&)> onKeyPress;

 private:
  void Mouse(const char* name, std::int16_t button, float x, float y) {
    log.push_back(std::string(name) + " " + std::to_string(button) + " " + std::to_string(static_cast<int>(x)) +
                  "," + std::to_string(static_cast<int>(y)));
  }
};

class TextBoxTest : public ::testing::Test {
 protected:
  TextBoxTest() {
    box.SetEvents(&events);
    desktop.SetFocus(box.hWnd());
  }
  void Reset(const std::u16string& text, std::int32_t start, std::int32_t length) {
    box.SetText(text);
    box.SetSelStart(start);
    box.SetSelLength(length);
    events.log.clear();
  }

  SimDesktop desktop;
  host::Hwnd form = desktop.CreateWindow(u"Form", 0, WS_VISIBLE, 0, {100, 100, 400, 300}, nullptr);
  SimTextBox box{desktop, form, {0, 2, 104, 23}};
  BoxEvents events;
};

TEST_F(TextBoxTest, TypingRaisesKeyDownKeyPressChangeKeyUpInThatOrder) {
  desktop.Type(u"a");
  EXPECT_EQ(events.log, (std::vector<std::string>{"KeyDown 65 0", "KeyPress 97", "Change", "KeyUp 65"}));
  EXPECT_EQ(box.Text(), u"a");
  EXPECT_EQ(box.SelStart(), 1);
}

TEST_F(TextBoxTest, AKeyPressLeftZeroInsertsNothingAndAChangedOneInsertsTheNewCharacter) {
  events.onKeyPress = [](std::int16_t& k) { k = k == u'x' ? 0 : static_cast<std::int16_t>(k - 32); };
  desktop.Type(u"axb");
  EXPECT_EQ(box.Text(), u"AB");
  EXPECT_EQ(box.ChangeCount(), 2);
}

TEST_F(TextBoxTest, AKeyCodeLeftZeroSkipsTheBoxsOwnKeyHandlingButNotTheCharacter) {
  Reset(u"abc", 1, 0);
  events.onKeyDown = [](std::int16_t& k) { k = 0; };
  desktop.PressKey(VK_DELETE);
  desktop.PressKey(VK_END);
  EXPECT_EQ(box.Text(), u"abc");
  EXPECT_EQ(box.SelStart(), 1);
  desktop.Type(u"z");
  EXPECT_EQ(box.Text(), u"azbc");
}

TEST_F(TextBoxTest, EnterIsACarriageReturnThatIsNeverInserted) {
  desktop.PressKey(VK_RETURN);
  EXPECT_EQ(events.log, (std::vector<std::string>{"KeyDown 13 0", "KeyPress 13", "KeyUp 13"}));
  EXPECT_EQ(box.Text(), u"");
}

struct EditCase {
  const char* name;
  std::u16string text;
  std::int32_t start, length;
  std::function<void(SimDesktop&)> keys;
  std::u16string expectedText;
  std::int32_t expectedStart, expectedLength;
};

class TextBoxEditTest : public TextBoxTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(TextBoxEditTest, KeysEditTheTextAndSelection) {
  const EditCase& c = GetParam();
  Reset(c.text, c.start, c.length);
  c.keys(desktop);
  EXPECT_EQ(box.Text(), c.expectedText);
  EXPECT_EQ(box.SelStart(), c.expectedStart);
  EXPECT_EQ(box.SelLength(), c.expectedLength);
}

const auto press = [](int vk, int shift = 0) { return [=](SimDesktop& d) { d.PressKey(vk, shift); }; };

INSTANTIATE_TEST_SUITE_P(
    Keys, TextBoxEditTest,
    ::testing::Values(EditCase{"BackspaceDeletesBeforeCaret", u"abc", 2, 0, press(VK_BACK), u"ac", 1, 0},
                      EditCase{"BackspaceAtStartDoesNothing", u"abc", 0, 0, press(VK_BACK), u"abc", 0, 0},
                      EditCase{"BackspaceDeletesSelection", u"abcd", 1, 2, press(VK_BACK), u"ad", 1, 0},
                      EditCase{"DeleteDeletesAfterCaret", u"abc", 1, 0, press(VK_DELETE), u"ac", 1, 0},
                      EditCase{"DeleteAtEndDoesNothing", u"abc", 3, 0, press(VK_DELETE), u"abc", 3, 0},
                      EditCase{"TypingReplacesSelection", u"abcd", 1, 2,
                               [](SimDesktop& d) { d.Type(u"X"); }, u"aXd", 2, 0},
                      EditCase{"ShiftLeftExtends", u"abc", 2, 0, press(VK_LEFT, kShiftMask), u"abc", 1, 1},
                      EditCase{"ShiftHomeSelectsToStart", u"abc", 2, 0, press(VK_HOME, kShiftMask), u"abc", 0, 2},
                      EditCase{"ShiftEndSelectsToEnd", u"abc", 1, 0, press(VK_END, kShiftMask), u"abc", 1, 2},
                      EditCase{"LeftCollapsesSelectionToItsStart", u"abcd", 1, 2, press(VK_LEFT), u"abcd", 1, 0},
                      EditCase{"RightCollapsesSelectionToItsEnd", u"abcd", 1, 2, press(VK_RIGHT), u"abcd", 3, 0},
                      EditCase{"RightStopsAtTheEnd", u"ab", 2, 0, press(VK_RIGHT), u"ab", 2, 0},
                      EditCase{"CtrlXCuts", u"abcd", 1, 2, press('X', kCtrlMask), u"ad", 1, 0},
                      EditCase{"ControlCharactersAreNotInserted", u"ab", 2, 0,
                               [](SimDesktop& d) { d.Char(9); d.Char(27); }, u"ab", 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextBoxTest, ChangeIsRaisedOnlyForRealChanges) {
  box.SetText(u"same");
  events.log.clear();
  box.SetText(u"same");
  box.SetSelStart(4);
  box.SetSelText(u"");
  EXPECT_TRUE(events.log.empty());
  box.SetSelText(u"!");
  box.SetText(u"other");
  EXPECT_EQ(events.log, (std::vector<std::string>{"Change", "Change"}));
  EXPECT_EQ(box.SelStart(), 0) << "new text puts the caret at the start";
}

TEST_F(TextBoxTest, SelectionIsClampedAndNegativeValuesAreRefused) {
  Reset(u"hello", 0, 0);
  box.SetSelStart(99);
  EXPECT_EQ(box.SelStart(), 5);
  box.SetSelStart(2);
  box.SetSelLength(99);
  EXPECT_EQ(box.SelLength(), 3);
  EXPECT_EQ(box.SelText(), u"llo");
  box.SetSelStart(1);
  EXPECT_EQ(box.SelLength(), 0) << "moving the start collapses the selection";
  try {
    box.SetSelStart(-1);
    FAIL() << "no error";
  } catch (const core::AutomationError& error) {
    EXPECT_EQ(error.number(), 380);
  }
  EXPECT_THROW(box.SetSelLength(-1), core::AutomationError);
  EXPECT_EQ(box.SelStart(), 1);
}

TEST_F(TextBoxTest, CutAndPasteGoThroughTheClipboardAndPasteStopsAtALineBreak) {
  Reset(u"abcd", 1, 2);
  box.Cut();
  EXPECT_EQ(desktop.ClipboardText(), u"bc");
  desktop.SetClipboardText(u"xy\r\nz");
  box.Paste();
  EXPECT_EQ(box.Text(), u"axyd");
  EXPECT_EQ(box.ChangeCount(), 3);
}

TEST_F(TextBoxTest, AClickRaisesMouseDownMouseUpClickAndFocusesTheBox) {
  desktop.SetFocus(0);
  box.SetText(u"abcdef");
  events.log.clear();
  desktop.Click({100 + 17, 100 + 2 + 5});
  EXPECT_EQ(events.log, (std::vector<std::string>{"MouseDown 1 17,5", "MouseUp 1 17,5", "Click"}));
  EXPECT_TRUE(box.Focused());
  EXPECT_EQ(box.SelStart(), 2) << "caret at the nearest character boundary";
}

TEST_F(TextBoxTest, AReleaseOutsideTheBoxEndsNoClick) {
  desktop.MouseDown({110, 110});
  desktop.MouseUp({300, 250});
  EXPECT_EQ(events.log, (std::vector<std::string>{"MouseDown 1 10,8", "MouseUp 1 200,148"}));
}

TEST_F(TextBoxTest, ADoubleClickRaisesDblClickAndSelectsTheWord) {
  box.SetText(u"one two");
  events.log.clear();
  desktop.DoubleClick({100 + 41, 110});
  EXPECT_EQ(events.log, (std::vector<std::string>{"MouseDown 1 41,8", "MouseUp 1 41,8", "Click", "DblClick",
                                                  "MouseUp 1 41,8"}));
  EXPECT_EQ(box.SelText(), u"two");
}

TEST_F(TextBoxTest, ARightClickRaisesMouseEventsButNoClick) {
  desktop.Click({110, 110}, kRightButton);
  EXPECT_EQ(events.log, (std::vector<std::string>{"MouseDown 2 10,8", "MouseUp 2 10,8"}));
}

TEST_F(TextBoxTest, GeometryMovesTheWindowAndNegativeSizesAreRefused) {
  box.SetTop(0);
  box.SetWidth(120);
  box.SetHeight(25);
  EXPECT_EQ(desktop.RectInParent(box.hWnd()), (host::Rect{0, 0, 120, 25}));
  EXPECT_THROW(box.SetWidth(-1), core::AutomationError);
  EXPECT_EQ(box.Width(), 120);
}

TEST_F(TextBoxTest, ADisabledBoxGetsNeitherKeysNorMouse) {
  box.SetEnabled(false);
  desktop.Type(u"a");
  desktop.Click({110, 110});
  EXPECT_TRUE(events.log.empty());
  EXPECT_FALSE(box.Enabled());
}

}  // namespace
}  // namespace zelvane::sim
