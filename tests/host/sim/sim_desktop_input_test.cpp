#include <gtest/gtest.h>

#include <stdexcept>

#include "host/sim/sim_desktop.h"
#include "host/sim/sim_messages.h"
#include "host/sim/virtual_keys.h"
#include "sim_test_windows.h"

namespace zelvane::sim {
namespace {

using testing::LoggingWindow;

class InputTest : public ::testing::Test {
 protected:
  InputTest() {
    left = desktop.CreateWindow(u"Test", 0, WS_VISIBLE, 0, {100, 100, 200, 200}, &leftWindow);
    right = desktop.CreateWindow(u"Test", 0, WS_VISIBLE, 0, {300, 100, 400, 200}, &rightWindow);
  }

  SimDesktop desktop;
  std::vector<std::string> log;
  LoggingWindow leftWindow{log, "L"};
  LoggingWindow rightWindow{log, "R"};
  host::Hwnd left = 0;
  host::Hwnd right = 0;
};

TEST_F(InputTest, AButtonDownCapturesTheMouseUntilTheButtonIsReleased) {
  desktop.MouseDown({150, 150});
  EXPECT_EQ(desktop.GetCapture(), left);
  desktop.MouseMove({350, 150});
  desktop.MouseUp({350, 150});
  EXPECT_EQ(desktop.GetCapture(), 0u);
  desktop.MouseMove({351, 150});
  EXPECT_EQ(log, (std::vector<std::string>{"L 201 50,50 b1", "L 200 250,50 b1", "L 202 250,50 b1",
                                           "R 200 51,50 b0"}));
}

TEST_F(InputTest, TheCaptureLastsUntilTheLastHeldButtonGoesUp) {
  desktop.MouseDown({150, 150}, kLeftButton);
  desktop.MouseDown({350, 150}, kRightButton);
  desktop.MouseUp({350, 150}, kLeftButton);
  EXPECT_EQ(desktop.GetCapture(), left);
  EXPECT_EQ(desktop.HeldButtons(), kRightButton);
  desktop.MouseUp({350, 150}, kRightButton);
  EXPECT_EQ(desktop.GetCapture(), 0u);
  EXPECT_EQ(log.size(), 4u);
  EXPECT_EQ(log[1], "L 204 250,50 b2");
}

TEST_F(InputTest, AButtonUpWithoutCaptureGoesToTheWindowUnderThePoint) {
  desktop.MouseUp({350, 150});
  EXPECT_EQ(log, (std::vector<std::string>{"R 202 50,50 b1"}));
}

TEST_F(InputTest, DoubleClickSendsDownUpDoubleClickUp) {
  desktop.DoubleClick({150, 150});
  EXPECT_EQ(log, (std::vector<std::string>{"L 201 50,50 b1", "L 202 50,50 b1", "L 203 50,50 b1",
                                           "L 202 50,50 b1"}));
}

TEST_F(InputTest, DisabledWindowsAndTheChildrenOfDisabledWindowsGetNoMouseInput) {
  LoggingWindow childWindow(log, "C");
  const host::Hwnd child = desktop.CreateWindow(u"Test", right, WS_VISIBLE, 0, {0, 0, 50, 50}, &childWindow);
  desktop.EnableWindow(left, false);
  desktop.EnableWindow(right, false);
  EXPECT_FALSE(desktop.MouseDown({150, 150}));
  EXPECT_FALSE(desktop.MouseDown({310, 110}));
  EXPECT_EQ(desktop.GetCapture(), 0u);
  EXPECT_TRUE(desktop.IsWindowEnabled(child));
  EXPECT_TRUE(log.empty());
}

TEST_F(InputTest, DisablingTheCaptureWindowCancelsTheCapture) {
  desktop.MouseDown({150, 150});
  desktop.EnableWindow(left, false);
  EXPECT_EQ(desktop.GetCapture(), 0u);
}

TEST_F(InputTest, PointsOnABorderAreNonClientMessagesThatNoWindowHandles) {
  desktop.SetBorder(left, 2);
  log.clear();
  EXPECT_FALSE(desktop.MouseDown({100, 150}));
  EXPECT_FALSE(desktop.MouseUp({100, 150}));
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(desktop.GetCapture(), 0u);
}

TEST_F(InputTest, MovesReportTheHeldButtonsAndTheCursorFollows) {
  desktop.MouseDown({150, 150}, kLeftButton);
  desktop.MouseDown({150, 150}, kMiddleButton);
  desktop.MouseMove({160, 170});
  EXPECT_EQ(log.back(), "L 200 60,70 b5");
  host::Point cursor{};
  ASSERT_TRUE(desktop.GetCursorPos(&cursor));
  EXPECT_EQ(cursor, (host::Point{160, 170}));
}

TEST_F(InputTest, AThrowingHandlerStillLeavesTheCaptureConsistent) {
  struct Throwing : SimWindowHandler {
    void OnMouse(std::uint32_t, host::Point, int, int) override { throw std::runtime_error("handler"); }
  } throwing;
  desktop.SetHandler(left, &throwing);
  EXPECT_THROW(desktop.MouseDown({150, 150}), std::runtime_error);
  EXPECT_THROW(desktop.MouseUp({150, 150}), std::runtime_error);
  EXPECT_EQ(desktop.GetCapture(), 0u);
  EXPECT_EQ(desktop.HeldButtons(), 0);
}

TEST_F(InputTest, KeysGoToTheFocusedWindowOnly) {
  EXPECT_FALSE(desktop.KeyDown('A')) << "no focus";
  EXPECT_EQ(desktop.SetFocus(right), 0u);
  EXPECT_EQ(desktop.SetFocus(left), right);
  desktop.PressKey(VK_RETURN);
  desktop.PressKey(VK_LEFT);
  EXPECT_EQ(log, (std::vector<std::string>{"R focus", "R blur", "L focus", "L down 13", "L char 13", "L up 13",
                                           "L down 37", "L up 37"}));
  desktop.EnableWindow(left, false);
  EXPECT_FALSE(desktop.KeyDown('A'));
}

TEST_F(InputTest, TypeSendsEachCharactersKeyAndTheCharacterItself) {
  desktop.SetFocus(left);
  log.clear();
  desktop.Type(u"aZ\u00e9");
  EXPECT_EQ(log, (std::vector<std::string>{"L down 65", "L char 97", "L up 65", "L down 90", "L char 90",
                                           "L up 90", "L down 231", "L char 233", "L up 231"}));
}

struct KeyCase {
  char16_t ch;
  int vk;
  int shift;
};

class KeyMapTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyMapTest, CharacterAndKeyMapBothWays) {
  const KeyCase& c = GetParam();
  const KeyStroke key = KeyForChar(c.ch);
  EXPECT_EQ(key.vk, c.vk);
  EXPECT_EQ(key.shift, c.shift);
  EXPECT_EQ(CharForKey(c.vk, c.shift), c.ch);
}

INSTANTIATE_TEST_SUITE_P(UsLayout, KeyMapTest,
                         ::testing::Values(KeyCase{u'q', 'Q', 0}, KeyCase{u'Q', 'Q', kShiftMask},
                                           KeyCase{u'7', '7', 0}, KeyCase{u'&', '7', kShiftMask},
                                           KeyCase{u' ', VK_SPACE, 0}, KeyCase{8, VK_BACK, 0},
                                           KeyCase{13, VK_RETURN, 0}, KeyCase{u'-', 0xBD, 0},
                                           KeyCase{u'?', 0xBF, kShiftMask}, KeyCase{u'*', '8', kShiftMask}));

TEST(KeyMap, ControlLettersMakeControlCodesAndCursorKeysNoCharacter) {
  EXPECT_EQ(CharForKey('X', kCtrlMask), 0x18);
  EXPECT_EQ(CharForKey(VK_DELETE, 0), 0);
  EXPECT_EQ(CharForKey(VK_DOWN, kShiftMask), 0);
  EXPECT_EQ(CharForKey('1', kCtrlMask), 0);
}

}  // namespace
}  // namespace zelvane::sim
