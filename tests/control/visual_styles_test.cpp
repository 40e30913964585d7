#include <gtest/gtest.h>

#include "control_fixture.h"

namespace zelvane::control {
namespace {

// The default form's control is 124 x 25 outside: 120 x 21 inside its sunken border,
// the button from x 104.
class VisualStylesTest : public ControlTest {
 protected:
  Zelvane& Themed(bool visualStyles = true) {
    Zelvane& z = RunningWith({u"a"});
    z.SetShowButton(true);
    z.SetVisualStyles(visualStyles);
    return z;
  }

  host::Point SurfacePoint(int x, int y) {
    const host::Rect client = machine.desktop.ClientRectOnScreen(form.Surface().hWnd());
    return {client.left + x, client.top + y};
  }

  // The button as last drawn: part and state, 0 when it was last drawn classic.
  std::pair<int, int> Button() {
    form.Surface().Paint();
    const auto& log = machine.desktop.DrawLog();
    if (log.empty() || log.back().kind != sim::DrawRecord::Kind::ThemeBackground) return {0, 0};
    return {log.back().part, static_cast<int>(log.back().state)};
  }
};

enum class Mouse { Away, OverText, OverButton, PressedOnButton, PressedThenOff };

struct LookCase {
  const char* situation;
  Mouse mouse;
  bool focused;
  bool enabled;
  bool rightPartDefined;
  std::pair<int, int> button;  // part, state
  int borderState;
};

class ThemedLookTest : public VisualStylesTest, public ::testing::WithParamInterface<LookCase> {};

TEST_P(ThemedLookTest, DrawsTheButtonAndBorderStateOfTheSituation) {
  const LookCase& c = GetParam();
  if (!c.rightPartDefined) machine.desktop.SetThemeParts({1, 4, 5});
  Zelvane& z = Themed();
  if (c.focused) form.Type(u"");
  switch (c.mouse) {
    case Mouse::Away: machine.desktop.MouseMove(form.OutsidePoint()); break;
    case Mouse::OverText: form.HoverText(); break;
    case Mouse::OverButton: machine.desktop.MouseMove(form.ButtonPoint()); break;
    case Mouse::PressedOnButton: form.PressButton(); break;
    case Mouse::PressedThenOff:
      form.PressButton();
      machine.desktop.MouseMove(form.OutsidePoint());
      break;
  }
  z.SetEnabled(c.enabled);
  EXPECT_EQ(Button(), c.button) << c.situation;
  EXPECT_EQ(form.Surface().ThemeBorder(), std::make_pair(host::CP_BORDER, c.borderState)) << c.situation;
}

constexpr int kRight = host::CP_DROPDOWNBUTTONRIGHT;
INSTANTIATE_TEST_SUITE_P(
    Situations, ThemedLookTest,
    ::testing::Values(
        LookCase{"away", Mouse::Away, false, true, true, {kRight, host::CBXS_NORMAL}, host::CBB_NORMAL},
        LookCase{"over the text", Mouse::OverText, false, true, true, {kRight, host::CBXS_NORMAL}, host::CBB_HOT},
        LookCase{"over the button", Mouse::OverButton, false, true, true, {kRight, host::CBXS_HOT}, host::CBB_HOT},
        LookCase{"pressed", Mouse::PressedOnButton, false, true, true, {kRight, host::CBXS_PRESSED}, host::CBB_HOT},
        LookCase{"pressed, moved off", Mouse::PressedThenOff, false, true, true, {kRight, host::CBXS_NORMAL},
                 host::CBB_NORMAL},
        LookCase{"focused, away", Mouse::Away, true, true, true, {kRight, host::CBXS_NORMAL}, host::CBB_FOCUSED},
        LookCase{"focused, over the button", Mouse::OverButton, true, true, true, {kRight, host::CBXS_HOT},
                 host::CBB_FOCUSED},
        LookCase{"disabled, over the button", Mouse::OverButton, false, false, true,
                 {kRight, host::CBXS_DISABLED}, host::CBB_DISABLED},
        LookCase{"no right-hand part", Mouse::OverButton, false, true, false,
                 {host::CP_DROPDOWNBUTTON, host::CBXS_HOT}, host::CBB_HOT}));

TEST_F(VisualStylesTest, ThemedButtonFillsTheStripOverTheTextBoxBackground) {
  Themed();
  machine.desktop.ClearDrawLog();
  form.Surface().Paint();
  const auto calls = machine.desktop.ThemeBackgroundCalls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().rect, (host::Rect{104, 0, 120, 21}));
  EXPECT_EQ(calls.back().backdrop, form.Txt().BackColor());
  EXPECT_EQ(calls.back().hdc, form.Surface().hDC());
  EXPECT_TRUE(machine.desktop.FrameControlCalls().empty());
}

struct FallbackCase {
  const char* situation;
  bool visualStyles;
  bool themeActive;
};

class ClassicFallbackTest : public VisualStylesTest, public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(ClassicFallbackTest, DrawsTheClassicButtonAndEdge) {
  machine.desktop.SetThemeActive(GetParam().themeActive);
  Zelvane& z = Themed(GetParam().visualStyles);
  machine.desktop.MouseMove(form.ButtonPoint());
  machine.desktop.ClearDrawLog();
  form.Surface().Paint();
  EXPECT_FALSE(z.Themed());
  EXPECT_TRUE(machine.desktop.ThemeBackgroundCalls().empty());
  ASSERT_EQ(machine.desktop.FrameControlCalls().size(), 1u);
  EXPECT_EQ(machine.desktop.FrameControlCalls()[0].state, 0x2001u);
  EXPECT_EQ(form.Surface().ThemeBorder(), std::make_pair(0, 0));
}

INSTANTIATE_TEST_SUITE_P(Cases, ClassicFallbackTest,
                         ::testing::Values(FallbackCase{"visual styles off", false, true},
                                           FallbackCase{"no active theme", true, false}));

TEST_F(VisualStylesTest, ThemeSwitchedOffAndOnWhileRunning) {
  Zelvane& z = Themed();
  ASSERT_TRUE(z.Themed());
  machine.desktop.ClearDrawLog();
  machine.desktop.SetThemeActive(false);
  EXPECT_FALSE(z.Themed());
  EXPECT_FALSE(form.Surface().ThemeOpen());
  EXPECT_EQ(form.Surface().ThemeBorder(), std::make_pair(0, 0));
  ASSERT_FALSE(machine.desktop.FrameControlCalls().empty());
  EXPECT_TRUE(machine.desktop.ThemeBackgroundCalls().empty());
  machine.desktop.SetThemeActive(true);
  EXPECT_TRUE(z.Themed());
  EXPECT_EQ(Button(), std::make_pair(host::CP_DROPDOWNBUTTONRIGHT, host::CBXS_NORMAL));
  EXPECT_EQ(form.Surface().ThemeBorder(), std::make_pair(host::CP_BORDER, host::CBB_NORMAL));
}

TEST_F(VisualStylesTest, TurningVisualStylesOffRepaintsClassic) {
  Zelvane& z = Themed();
  machine.desktop.ClearDrawLog();
  z.SetVisualStyles(false);
  EXPECT_FALSE(form.Surface().ThemeOpen());
  EXPECT_EQ(form.Surface().ThemeBorder(), std::make_pair(0, 0));
  EXPECT_EQ(machine.desktop.FrameControlCalls().size(), 1u);
}

}  // namespace
}  // namespace zelvane::control
