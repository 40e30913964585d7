#include <gtest/gtest.h>

#include "control_fixture.h"
#include "core/automation_error.h"
#include "host/sim/sim_font.h"
#include "host/sim/sim_messages.h"

namespace zelvane::control {
namespace {

// The default form's control is 124 x 25 outside: 120 x 21 inside its sunken border.
class LayoutTest : public ControlTest {
 protected:
  Zelvane& WithButton(std::initializer_list<const char16_t*> items = {}) {
    Zelvane& z = RunningWith(items);
    z.SetShowButton(true);
    machine.desktop.ClearDrawLog();
    return z;
  }

  std::vector<sim::DrawRecord> Frames() { return machine.desktop.FrameControlCalls(); }

  std::uint32_t LastState() {
    const auto frames = Frames();
    return frames.empty() ? 0 : frames.back().state;
  }

  // A point of the surface's inner area, on the screen.
  host::Point SurfacePoint(int x, int y) {
    const host::Rect client = machine.desktop.ClientRectOnScreen(form.Surface().hWnd());
    return {client.left + x, client.top + y};
  }
};

struct TwipsCase {
  float twipsPerPixel;
  host::Rect button;
  std::int32_t textWidth;
};

class ButtonWidthTest : public LayoutTest, public ::testing::WithParamInterface<TwipsCase> {};

TEST_P(ButtonWidthTest, ButtonIs240TwipsWide) {
  machine.screen.Set(GetParam().twipsPerPixel, GetParam().twipsPerPixel);
  WithButton();
  ASSERT_EQ(form.Surface().ScaleWidth(), 120);
  ASSERT_EQ(form.Surface().ScaleHeight(), 21);
  form.Surface().Paint();
  ASSERT_EQ(Frames().size(), 1u);
  EXPECT_EQ(Frames()[0].rect, GetParam().button);
  EXPECT_EQ(Frames()[0].type, host::DFC_SCROLL);
  EXPECT_EQ(Frames()[0].hdc, form.Surface().hDC());
  EXPECT_EQ(form.Txt().Width(), GetParam().textWidth);
  EXPECT_EQ(form.Txt().Left(), 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, ButtonWidthTest,
                         ::testing::Values(TwipsCase{15, {104, 0, 120, 21}, 104}, TwipsCase{12, {100, 0, 120, 21}, 100},
                                           // 240 / 9 = 26.67 pixels: the strip's left edge rounds to 93.
                                           TwipsCase{9, {93, 0, 120, 21}, 93},
                                           // 144 and 192 dpi: 24 and 32 pixels.
                                           TwipsCase{10, {96, 0, 120, 21}, 96},
                                           TwipsCase{7.5f, {88, 0, 120, 21}, 88}));

// A form moved to a monitor of another DPI: the window's resolution changes, and
// the control hears of it from the per-monitor message or from the host sizing it
// anew; a host may also set Font again afterwards, as it once had to.
struct MonitorMoveCase {
  const char* name;
  float fromTwips;  // twips per pixel: 15 at 96 dpi, 10 at 144
  float toTwips;
  bool hostResizes;     // else only the per-monitor message arrives
  bool hostSetsFont;    // the same point size, after the move
  int buttonPixels;     // at the new resolution
  int itemHeight;       // the rows re-measured from 16 pixels at the first
};

class MonitorMoveTest : public LayoutTest, public ::testing::WithParamInterface<MonitorMoveCase> {};

TEST_P(MonitorMoveTest, FontKeepsItsPointSizeAtTheNewDpi) {
  const MonitorMoveCase& c = GetParam();
  machine.screen.Set(c.fromTwips, c.fromTwips);
  Zelvane& z = WithButton({u"alpha", u"amber", u"apple"});
  const auto font = sim::MakeSimFont(u"MS Sans Serif", 8.25);
  z.SetFont(font);
  machine.screen.Set(c.toTwips, c.toTwips);
  if (c.hostResizes)
    form.Surface().Resize(124 * 15 / static_cast<int>(c.toTwips), 25 * 15 / static_cast<int>(c.toTwips));
  else
    form.Surface().DpiChangedAfterParent();
  const auto shown = c.hostSetsFont ? sim::MakeSimFont(u"MS Sans Serif", 8.25) : font;
  if (c.hostSetsFont) z.SetFont(shown);

  EXPECT_EQ(z.Font(), shown) << c.name;
  EXPECT_EQ(shown->Size(), 8.25) << c.name << ": the Font property keeps its point size";
  EXPECT_EQ(form.Txt().FontResolution(), c.toTwips) << c.name;
  EXPECT_EQ(form.Lst().FontResolution(), c.toTwips) << c.name;
  EXPECT_EQ(form.Lst().ItemHeight(), c.itemHeight) << c.name;
  EXPECT_EQ(form.Txt().Width(), form.Surface().ScaleWidth() - c.buttonPixels) << c.name;
  TypeAndPause(u"a");
  host::Rect list{};
  machine.desktop.GetWindowRect(form.Lst().hWnd(), &list);
  EXPECT_EQ(list.bottom - list.top, 3 * c.itemHeight + 2) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Monitors, MonitorMoveTest,
    ::testing::Values(MonitorMoveCase{"96 to 144 dpi, message", 15, 10, false, false, 24, 24},
                      MonitorMoveCase{"96 to 144 dpi, host sizes the control", 15, 10, true, false, 24, 24},
                      MonitorMoveCase{"96 to 144 dpi, host sets Font again", 15, 10, false, true, 24, 24},
                      MonitorMoveCase{"144 to 96 dpi, host sizes and sets Font", 10, 15, true, true, 16, 11},
                      MonitorMoveCase{"same DPI", 15, 15, false, true, 16, 16}));

struct StateCase {
  std::int32_t appearance;
  bool pressed;
  std::uint32_t state;
};

class ButtonStateTest : public LayoutTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(ButtonStateTest, DrawsTheStateOfAppearanceAndPress) {
  Zelvane& z = WithButton();
  z.SetAppearance(GetParam().appearance);
  if (GetParam().pressed) machine.desktop.MouseDown(form.ButtonPoint());
  form.Surface().Paint();
  EXPECT_EQ(LastState(), GetParam().state);
  EXPECT_EQ(z.ButtonPressed(), GetParam().pressed);
}

INSTANTIATE_TEST_SUITE_P(States, ButtonStateTest,
                         ::testing::Values(StateCase{1, false, 0x2001}, StateCase{1, true, 0x2201},
                                           StateCase{0, false, 0x6001}, StateCase{0, true, 0x6201}));

TEST_F(LayoutTest, TurningTheButtonOffErasesItAndWidensTheText) {
  Zelvane& z = WithButton();
  EXPECT_EQ(form.Txt().Width(), 104);
  const int erased = machine.desktop.ClsCount(form.Surface().hDC());
  z.SetShowButton(false);
  EXPECT_EQ(machine.desktop.ClsCount(form.Surface().hDC()), erased + 1);
  EXPECT_EQ(form.Txt().Width(), 120);
  EXPECT_TRUE(Frames().empty());
  form.Surface().Paint();
  EXPECT_TRUE(Frames().empty());
  z.SetShowButton(true);
  EXPECT_EQ(form.Txt().Width(), 104);
  EXPECT_EQ(LastState(), 0x2001u);
}

TEST_F(LayoutTest, AppearanceDecidesWhereTheTextBoxSits) {
  Zelvane& z = WithButton();
  EXPECT_EQ(form.Txt().Top(), 0);
  EXPECT_EQ(form.Txt().Height(), 21);
  z.SetAppearance(zvFlat);  // the thinner border relays the surface out
  EXPECT_EQ(form.Surface().ScaleHeight(), 23);
  EXPECT_EQ(form.Txt().Top(), 2);
  EXPECT_EQ(form.Txt().Height(), 21);
  EXPECT_EQ(form.Txt().Width(), 122 - 16);
  EXPECT_EQ(form.Lst().Width(), 124);
}

TEST_F(LayoutTest, TinySurfaceKeepsSizesAtZero) {
  Zelvane& z = WithButton();
  z.SetAppearance(zvFlat);
  form.Surface().Resize(5, 3);
  EXPECT_EQ(form.Txt().Width(), 0);
  EXPECT_EQ(form.Txt().Height(), 0);
}

TEST_F(LayoutTest, PressMoveOffMoveBackAndRelease) {
  Zelvane& z = WithButton();
  machine.desktop.MouseDown(SurfacePoint(110, 10));
  EXPECT_EQ(LastState(), 0x2201u);
  machine.desktop.MouseMove(SurfacePoint(50, 10));  // held, over the text box
  EXPECT_EQ(LastState(), 0x2001u);
  EXPECT_FALSE(z.ButtonPressed());
  machine.desktop.ClearDrawLog();
  machine.desktop.MouseMove(SurfacePoint(110, 10));  // back on: stays released, nothing drawn
  EXPECT_TRUE(Frames().empty());
  EXPECT_FALSE(z.ButtonPressed());
  machine.desktop.MouseUp(SurfacePoint(110, 10));
  EXPECT_EQ(LastState(), 0x2001u);
  EXPECT_EQ(Frames().size(), 1u);
}

TEST_F(LayoutTest, EveryMoveOffTheStripRepaintsReleased) {
  WithButton();
  machine.desktop.MouseDown(SurfacePoint(110, 10));
  machine.desktop.ClearDrawLog();
  machine.desktop.MouseMove(SurfacePoint(60, 10));
  machine.desktop.MouseMove(SurfacePoint(61, 10));
  ASSERT_EQ(Frames().size(), 2u);
  EXPECT_EQ(Frames()[1].state, 0x2001u);
}

TEST_F(LayoutTest, ButtonOnAnEmptyTextOpensTheWholeList) {
  WithButton({u"b", u"a"});
  form.ClickButton();
  EXPECT_TRUE(form.Lst().Visible());
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"b", u"a"}));
  EXPECT_EQ(form.Events().Count("ButtonClick"), 1);
}

struct ButtonFilterCase {
  const char16_t* typed;
  Strings rows;
  bool open;
};

class ButtonFilterTest : public LayoutTest, public ::testing::WithParamInterface<ButtonFilterCase> {};

TEST_P(ButtonFilterTest, ButtonWithTextOffersOnlyTheMatches) {
  WithButton({u"apple", u"apricot", u"banana"});
  form.Control().SetText(GetParam().typed);
  form.Tmr().SetEnabled(false);
  form.ClickButton();
  EXPECT_EQ(form.Lst().Rows(), GetParam().rows);
  EXPECT_EQ(form.Lst().Visible(), GetParam().open);
}

INSTANTIATE_TEST_SUITE_P(Texts, ButtonFilterTest,
                         ::testing::Values(ButtonFilterCase{u"ap", {u"apple", u"apricot"}, true},
                                           ButtonFilterCase{u"Banana", {u"banana"}, false},
                                           ButtonFilterCase{u"kiwi", {}, false}));

TEST_F(LayoutTest, ButtonClickHandlerRunsBeforeTheListIsBuilt) {
  Zelvane& z = WithButton({u"old"});
  form.Events().On("ButtonClick", [&](support::EventArgs&) { z.AddItem(u"added by the host"); });
  form.ClickButton();
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"added by the host", u"old"}));
}

TEST_F(LayoutTest, FlatBandAboveTheTextOpensTheListWithoutAButton) {
  Zelvane& z = RunningWith({u"x"});
  z.SetAppearance(zvFlat);
  machine.desktop.Click(SurfacePoint(30, 1));
  EXPECT_EQ(form.Events().Count("ButtonClick"), 1);
  EXPECT_TRUE(form.Lst().Visible());
}

TEST_F(LayoutTest, ThreeDimensionalLayoutWithoutButtonLeavesTheSurfaceCovered) {
  RunningWith({u"x"});
  machine.desktop.Click(SurfacePoint(30, 1));
  machine.desktop.Click(SurfacePoint(118, 20));
  EXPECT_EQ(form.Events().Count("ButtonClick"), 0);
  EXPECT_EQ(form.Surface().ClickCount(), 0);
}

TEST_F(LayoutTest, DisabledControlLooksTheSameAndIgnoresTheButton) {
  Zelvane& z = WithButton({u"x"});
  z.SetEnabled(false);
  form.Surface().Paint();
  EXPECT_EQ(LastState(), 0x2001u);
  form.Events().Clear();
  form.ClickButton();
  EXPECT_TRUE(form.Events().Log().empty());
  EXPECT_FALSE(form.Lst().Visible());
}

TEST_F(LayoutTest, ButtonClickWhileDroppedDownClosesThenReopens) {
  WithButton({u"b", u"a"});
  form.ClickButton();
  ASSERT_TRUE(form.Lst().Visible());
  form.Events().Clear();
  machine.desktop.Click(form.ButtonPoint());
  EXPECT_EQ(form.Events().Names(), (Events{"CloseUpList", "MouseDown", "MouseUp", "ButtonClick", "DropDownList"}));
  EXPECT_TRUE(form.Lst().Visible());
}

struct ScaleCase {
  std::int16_t containerMode;
  const char* down;
};

class MouseScaleTest : public LayoutTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(MouseScaleTest, SurfaceMouseEventsArriveInTheContainerUnit) {
  WithButton();
  form.Container().SetScaleMode(GetParam().containerMode);
  form.Events().Clear();
  machine.desktop.MouseDown(SurfacePoint(110, 10));
  EXPECT_EQ(form.Events().Log(), (Events{GetParam().down}));
}

INSTANTIATE_TEST_SUITE_P(Modes, MouseScaleTest,
                         ::testing::Values(ScaleCase{host::vbTwips, "MouseDown(1,0,1650,150)"},
                                           ScaleCase{host::vbPixels, "MouseDown(1,0,110,10)"},
                                           ScaleCase{host::vbInches, "MouseDown(1,0,1.14583,0.104167)"}));

TEST_F(LayoutTest, TextBoxMouseEventsAreMeasuredFromTheBoxInTheContainerUnit) {
  Zelvane& z = RunningWith({});
  z.SetAppearance(zvFlat);  // the box starts 2 pixels down
  const host::Rect box = machine.desktop.ClientRectOnScreen(form.Txt().hWnd());
  form.Events().Clear();
  machine.desktop.MouseDown({box.left + 4, box.top + 3});
  EXPECT_EQ(form.Events().Log(), (Events{"MouseDown(1,0,60,45)"}));
}

TEST_F(LayoutTest, ContainerWithoutScaleModeStopsTheSurfaceHandlers) {
  Zelvane& z = WithButton();
  form.Container().SetNoScaleMode();
  form.Events().Clear();
  try {
    machine.desktop.MouseDown(SurfacePoint(110, 10));
    FAIL() << "no error";
  } catch (const core::AutomationError& e) {
    EXPECT_EQ(e.number(), 438);
  }
  EXPECT_TRUE(form.Events().Log().empty());
  EXPECT_FALSE(z.ButtonPressed());
  EXPECT_TRUE(Frames().empty());
}

}  // namespace
}  // namespace zelvane::control
