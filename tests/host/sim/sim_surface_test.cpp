#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/automation_error.h"
#include "host/sim/sim_desktop.h"
#include "host/sim/sim_messages.h"
#include "host/sim/sim_screen.h"
#include "host/sim/sim_surface.h"
#include "host/sim/sim_text_box.h"

namespace zelvane::sim {
namespace {

class SurfaceLog final : public host::SurfaceEvents {
 public:
  void UserControl_Resize() override { log.push_back("Resize"); }
  void UserControl_Paint() override { log.push_back("Paint"); }
  void UserControl_MouseDown(std::int16_t b, std::int16_t, float x, float y) override { Mouse("Down", b, x, y); }
  void UserControl_MouseMove(std::int16_t b, std::int16_t, float x, float y) override { Mouse("Move", b, x, y); }
  void UserControl_MouseUp(std::int16_t b, std::int16_t, float x, float y) override { Mouse("Up", b, x, y); }
  void UserControl_Click() override { log.push_back("Click"); }
  void UserControl_MouseLeave() override { log.push_back("Leave"); }
  void UserControl_ThemeChanged() override { log.push_back("ThemeChanged"); }
  std::vector<std::string> log;

 private:
  void Mouse(const char* name, int b, float x, float y) {
    log.push_back(std::string(name) + " " + std::to_string(b) + " " + std::to_string(static_cast<int>(x)) + "," +
                  std::to_string(static_cast<int>(y)));
  }
};

// A 3-D surface of 124 x 25 outer pixels at 100,100 on the screen, with a text box
// covering its inner area except a 16-pixel strip at the right.
class SurfaceTest : public ::testing::Test {
 protected:
  SurfaceTest() { surface.SetEvents(&events); }

  SimDesktop desktop;
  SimScreen screen;
  host::Hwnd form = desktop.CreateWindow(u"Form", 0, WS_VISIBLE, 0, {80, 70, 400, 300}, nullptr);
  SimSurface surface{desktop, screen, form, {20, 30, 144, 55}};
  SimTextBox box{desktop, surface.hWnd(), {0, 0, 104, 21}};
  SurfaceLog events;
};

TEST_F(SurfaceTest, TheInnerSizeIsTheOuterSizeLessTheBorderOfTheAppearance) {
  EXPECT_EQ(surface.Width(), 124);
  EXPECT_EQ(surface.ScaleWidth(), 120);
  EXPECT_EQ(surface.ScaleHeight(), 21);
  surface.SetAppearance(0);
  EXPECT_EQ(surface.ScaleWidth(), 122);
  EXPECT_EQ(surface.ScaleHeight(), 23);
  EXPECT_EQ(surface.Width(), 124);
  EXPECT_EQ(events.log, (std::vector<std::string>{"Resize", "Paint"}));
  surface.SetAppearance(0);
  EXPECT_EQ(events.log.size(), 2u) << "no change, no events";
}

TEST_F(SurfaceTest, OtherAppearancesAreRefusedWithError380AndChangeNothing) {
  try {
    surface.SetAppearance(2);
    FAIL() << "no error";
  } catch (const core::AutomationError& error) {
    EXPECT_EQ(error.number(), 380);
    EXPECT_EQ(error.source(), u"ZelvaneTextBox");
    EXPECT_EQ(error.description(), u"Invalid property value");
  }
  EXPECT_EQ(surface.Appearance(), 1);
  EXPECT_TRUE(events.log.empty());
}

TEST_F(SurfaceTest, ResizeFiresResizeThenPaintEvenForTheSameSize) {
  surface.Resize(200, 30);
  EXPECT_EQ(surface.ScaleWidth(), 196);
  surface.Resize(200, 30);
  EXPECT_EQ(events.log, (std::vector<std::string>{"Resize", "Paint", "Resize", "Paint"}));
}

TEST_F(SurfaceTest, OnlyTheUncoveredPartGetsMouseEventsInInnerPixelsAndAClick) {
  desktop.Click({100 + 2 + 50, 100 + 2 + 5});  // on the text box
  EXPECT_TRUE(events.log.empty());
  desktop.Click({100 + 2 + 110, 100 + 2 + 5}, kRightButton);
  EXPECT_EQ(events.log, (std::vector<std::string>{"Down 2 110,5", "Up 2 110,5", "Click"}));
}

TEST_F(SurfaceTest, ThePressHoldsTheCaptureAndAReleaseOffTheSurfaceIsNoClick) {
  desktop.MouseDown({212, 107});
  desktop.MouseMove({300, 200});
  desktop.MouseUp({300, 200});
  EXPECT_EQ(events.log, (std::vector<std::string>{"Down 1 110,5", "Move 1 198,98", "Up 1 198,98"}));
}

TEST_F(SurfaceTest, LeavingTheUncoveredPartForTheTextBoxOrTheFormIsAMouseLeave) {
  desktop.MouseMove({212, 107});
  desktop.MouseMove({213, 107});
  desktop.MouseMove({150, 107});  // onto the text box
  desktop.MouseMove({212, 107});
  desktop.MouseMove({300, 200});  // onto the form
  EXPECT_EQ(events.log, (std::vector<std::string>{"Move 0 110,5", "Move 0 111,5", "Leave", "Move 0 110,5", "Leave"}));
}

TEST_F(SurfaceTest, ThemeChangesReachTheSurfaceAndDecideWhatOpens) {
  EXPECT_TRUE(surface.OpenThemeData(u"COMBOBOX"));
  EXPECT_TRUE(surface.IsThemePartDefined(6));
  EXPECT_FALSE(surface.IsThemePartDefined(2));
  desktop.SetThemeActive(false);
  EXPECT_EQ(events.log, (std::vector<std::string>{"ThemeChanged"}));
  EXPECT_FALSE(surface.OpenThemeData(u"COMBOBOX"));
  EXPECT_FALSE(surface.IsThemePartDefined(6));
  surface.DrawThemeBackground(surface.hDC(), 6, 1, {0, 0, 16, 21}, 0);
  EXPECT_TRUE(desktop.ThemeBackgroundCalls().empty()) << "nothing is drawn without a theme";
}

TEST_F(SurfaceTest, ADisabledSurfaceAndItsTextBoxGetNoMouseInput) {
  surface.SetEnabled(false);
  desktop.Click({212, 107});
  desktop.Click({150, 107});
  EXPECT_TRUE(events.log.empty());
  EXPECT_FALSE(desktop.IsWindowEnabled(surface.hWnd()));
}

TEST_F(SurfaceTest, ClsIsLoggedUnderTheSurfacesDeviceContext) {
  surface.Cls();
  EXPECT_EQ(desktop.ClsCount(surface.hDC()), 1);
  EXPECT_EQ(surface.hDC(), surface.hWnd());
}

struct ScaleCase {
  float value;
  std::int16_t from, to;
  float twipsPerPixel;
  float x, y;  // ScaleX and ScaleY
};

class SurfaceScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(SurfaceScaleTest, ConvertsLengthsBetweenScaleModes) {
  const ScaleCase& c = GetParam();
  SimDesktop desktop;
  SimScreen screen(c.twipsPerPixel, c.twipsPerPixel);
  SimSurface surface(desktop, screen, 0, {0, 0, 10, 10});
  EXPECT_NEAR(surface.ScaleX(c.value, c.from, c.to), c.x, 1e-3);
  EXPECT_NEAR(surface.ScaleY(c.value, c.from, c.to), c.y, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Modes, SurfaceScaleTest,
                         ::testing::Values(ScaleCase{10, 3, 1, 15, 150, 150},      // pixels to twips
                                           ScaleCase{10, 3, 1, 12, 120, 120},      // at 120 dpi
                                           ScaleCase{1440, 1, 5, 15, 1, 1},        // twips to inches
                                           ScaleCase{96, 3, 2, 15, 72, 72},        // pixels to points
                                           ScaleCase{1, 5, 6, 15, 25.4f, 25.4f},   // inches to mm
                                           ScaleCase{1, 7, 8, 15, 1000, 1000},     // cm to himetric
                                           ScaleCase{240, 1, 4, 15, 2, 1},         // twips to characters
                                           ScaleCase{16, 0, 1, 15, 240, 240},      // user means the surface's pixels
                                           ScaleCase{16, 3, 10, 15, 240, 240}));   // container unit: twips

TEST(SurfaceScale, UnknownModesRaiseError5) {
  SimDesktop desktop;
  SimScreen screen;
  SimSurface surface(desktop, screen, 0, {0, 0, 10, 10});
  EXPECT_THROW(surface.ScaleX(1, 11, 1), core::AutomationError);
  surface.SetContainerScaleMode(3);
  EXPECT_FLOAT_EQ(surface.ScaleX(7, 3, 9), 7);
}

}  // namespace
}  // namespace zelvane::sim
