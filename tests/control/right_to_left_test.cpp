#include <gtest/gtest.h>

#include <string>

#include "control_fixture.h"

namespace zelvane::control {
namespace {

constexpr host::Rect kScreen{0, 0, 1024, 768};
constexpr host::Rect kBottomTaskBar{0, 0, 1024, 728};
constexpr std::intptr_t kTextRtl = host::WS_EX_RTLREADING | host::WS_EX_RIGHT;
constexpr std::intptr_t kListRtl = kTextRtl | host::WS_EX_LEFTSCROLLBAR;

struct MirrorCase {
  const char* name;
  bool rightToLeft;
  bool visualStyles;
  host::Rect workArea;
  host::Rect control;  // on the screen, 124 x 25 unless wider: 120 x 21 inside
  host::Rect button;   // on the surface
  int buttonPart;      // the theme part drawn; 0 for the classic look
  std::int32_t textLeft;
  std::int32_t textWidth;
  host::Rect list;  // on the screen: 8 rows of 16 pixels show 7
};

void PrintTo(const MirrorCase& c, std::ostream* os) { *os << c.name; }

class RightToLeftTest : public ::testing::TestWithParam<MirrorCase> {
 protected:
  support::SimMachine machine;
};

// The option is set on a running control, so each case also shows it taking effect at once.
TEST_P(RightToLeftTest, MirrorsTheButtonTextAndListAndHitsThemThere) {
  const MirrorCase& c = GetParam();
  machine.desktop.SetWorkArea(c.workArea);
  const host::Rect size{0, 0, c.control.right - c.control.left, c.control.bottom - c.control.top};
  support::SimForm form(machine, {c.control, size});
  form.Container().SetUserMode(true);
  Zelvane& z = form.CreateNew();
  for (const char16_t* item : {u"h8", u"g7", u"f6", u"e5", u"d4", u"c3", u"b2", u"a1"}) z.AddItem(item);
  form.Lst().SetItemHeight(16);
  z.SetShowButton(true);
  z.SetVisualStyles(c.visualStyles);
  z.SetRightToLeft(c.rightToLeft);

  machine.desktop.ClearDrawLog();
  form.Surface().Paint();
  const auto& drawn = machine.desktop.DrawLog();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().rect, c.button);
  EXPECT_EQ(drawn.back().part, c.buttonPart);
  EXPECT_EQ(form.Txt().Left(), c.textLeft);
  EXPECT_EQ(form.Txt().Width(), c.textWidth);
  const host::Hwnd txt = form.Txt().hWnd();
  const host::Hwnd lst = form.Lst().hWnd();
  EXPECT_EQ(machine.desktop.GetWindowLongPtrW(txt, host::GWL_EXSTYLE) & kTextRtl, c.rightToLeft ? kTextRtl : 0);
  EXPECT_EQ(machine.desktop.GetWindowLongPtrW(txt, host::GWL_STYLE) & host::ES_RIGHT,
            c.rightToLeft ? host::ES_RIGHT : 0);
  EXPECT_EQ(machine.desktop.GetWindowLongPtrW(lst, host::GWL_EXSTYLE) & kListRtl, c.rightToLeft ? kListRtl : 0);

  // Pressed at one end of the strip and moved to its other end, the button stays pushed.
  const host::Rect surface = machine.desktop.ClientRectOnScreen(form.Surface().hWnd());
  const int middle = surface.top + 10;
  machine.desktop.MouseMove({surface.left + c.button.left + 1, middle});
  machine.desktop.MouseDown({surface.left + c.button.left + 1, middle});
  machine.desktop.MouseMove({surface.left + c.button.right - 2, middle});
  EXPECT_TRUE(z.ButtonPressed());
  machine.desktop.MouseUp({surface.left + c.button.right - 2, middle});
  EXPECT_EQ(form.Events().Count("ButtonClick"), 1);

  host::Rect list{};
  machine.desktop.GetWindowRect(lst, &list);
  EXPECT_EQ(list, c.list);
  form.ClickRow(2);
  EXPECT_EQ(form.Txt().Text(), u"c3");
}

// Flat and 3-D draw alike but for DFCS_FLAT, which the button tests cover.
INSTANTIATE_TEST_SUITE_P(
    Layouts, RightToLeftTest,
    ::testing::Values(
        MirrorCase{"LeftToRightBelow", false, false, kScreen, {120, 130, 244, 155}, {104, 0, 120, 21}, 0, 0, 104,
                   {120, 155, 244, 269}},
        MirrorCase{"RightToLeftBelow", true, false, kScreen, {120, 130, 244, 155}, {0, 0, 16, 21}, 0, 16, 104,
                   {120, 155, 244, 269}},
        MirrorCase{"RightToLeftAbove", true, false, kBottomTaskBar, {300, 590, 424, 615}, {0, 0, 16, 21}, 0, 16, 104,
                   {300, 476, 424, 590}},
        MirrorCase{"RightToLeftThemedTakesTheLeftButtonPart", true, true, kScreen, {120, 130, 244, 155},
                   {0, 0, 16, 21}, host::CP_DROPDOWNBUTTONLEFT, 16, 104, {120, 155, 244, 269}},
        MirrorCase{"LeftToRightWiderThanTheWorkAreaKeepsItsLeftEdgeInView", false, false, kScreen,
                   {-100, 300, 1124, 325}, {1204, 0, 1220, 21}, 0, 0, 1204, {0, 325, 1224, 439}},
        MirrorCase{"RightToLeftWiderThanTheWorkAreaKeepsItsRightEdgeInView", true, false, kScreen,
                   {-100, 300, 1124, 325}, {0, 0, 16, 21}, 0, 16, 1204, {-200, 325, 1024, 439}}),
    [](const ::testing::TestParamInfo<MirrorCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvane::control
