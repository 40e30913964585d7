#include <gtest/gtest.h>

#include <functional>

#include "control_fixture.h"
#include "host/sim/sim_messages.h"

namespace zelvane::control {
namespace {

// ---- What a screen reader is told while the list is used ----

// "Show list", "Focus row 2", "Focus text", … : the reader's view of one WinEvent.
std::string Describe(support::SimForm& form, const sim::WinEventRecord& e) {
  std::string what;
  switch (e.event) {
    case host::EVENT_OBJECT_SHOW: what = "Show"; break;
    case host::EVENT_OBJECT_HIDE: what = "Hide"; break;
    case host::EVENT_OBJECT_FOCUS: what = "Focus"; break;
    case host::EVENT_OBJECT_SELECTION: what = "Selection"; break;
    case host::EVENT_OBJECT_VALUECHANGE: what = "Value"; break;
    default: what = std::to_string(e.event);
  }
  if (e.hwnd == form.Lst().hWnd()) {
    if (e.idObject == host::OBJID_WINDOW && e.idChild == host::CHILDID_SELF) return what + " list";
    if (e.idObject == host::OBJID_CLIENT) return what + " row " + std::to_string(e.idChild);
  }
  if (e.hwnd == form.Txt().hWnd() && e.idObject == host::OBJID_CLIENT &&
      e.idChild == host::CHILDID_SELF) {
    return what + " text";
  }
  return what + " elsewhere";
}

struct AnnounceCase {
  const char* name;
  std::function<void(ControlTest&, support::SimForm&)> act;  // the list is open with a1, a2, a3
  Events told;
};

class AnnounceTest : public ControlTest, public ::testing::WithParamInterface<AnnounceCase> {};

TEST_P(AnnounceTest, TellsTheReaderWhatChangedInOrder) {
  RunningWith({u"a1", u"a2", u"a3"}).SetAllowRemove(true);
  form.Control().SetCloseOnEscape(true);
  TypeAndPause(u"a");
  ASSERT_EQ(machine.desktop.WinEvents().size(), 1u);
  EXPECT_EQ(Describe(form, machine.desktop.WinEvents()[0]), "Show list");
  machine.desktop.ClearWinEvents();
  GetParam().act(*this, form);
  Events told;
  for (const auto& e : machine.desktop.WinEvents()) told.push_back(Describe(form, e));
  EXPECT_EQ(told, GetParam().told);
}

void Press(support::SimForm& form, std::initializer_list<int> keys) {
  for (int vk : keys) form.Press(vk);
}

INSTANTIATE_TEST_SUITE_P(
    Roads, AnnounceTest,
    ::testing::Values(
        AnnounceCase{"DownPastTheEnd",
                     [](ControlTest&, support::SimForm& f) {
                       Press(f, {sim::VK_DOWN, sim::VK_DOWN, sim::VK_DOWN, sim::VK_DOWN});
                     },
                     {"Focus row 1", "Selection row 1", "Focus row 2", "Selection row 2", "Focus row 3",
                      "Selection row 3"}},
        AnnounceCase{"UpPastTheFirstRow",
                     [](ControlTest&, support::SimForm& f) {
                       Press(f, {sim::VK_DOWN, sim::VK_DOWN, sim::VK_UP, sim::VK_UP, sim::VK_UP});
                     },
                     {"Focus row 1", "Selection row 1", "Focus row 2", "Selection row 2", "Focus row 1",
                      "Selection row 1"}},
        AnnounceCase{"HoverOnceEachRowThenTheText",
                     [](ControlTest&, support::SimForm& f) {
                       f.HoverRow(2);
                       f.HoverRow(2);
                       f.HoverRow(0);
                       f.HoverText();
                     },
                     {"Focus row 3", "Selection row 3", "Focus row 1", "Selection row 1"}},
        AnnounceCase{"ShiftDeleteHighlightsTheNextRow",
                     [](ControlTest&, support::SimForm& f) {
                       Press(f, {sim::VK_DOWN, sim::VK_DOWN});
                       f.Desktop().ClearWinEvents();
                       f.Press(sim::VK_DELETE, sim::kShiftMask);
                     },
                     {"Focus row 2", "Selection row 2"}},
        AnnounceCase{"EnterAcceptsTheRow",
                     [](ControlTest&, support::SimForm& f) { Press(f, {sim::VK_DOWN, sim::VK_RETURN}); },
                     {"Focus row 1", "Selection row 1", "Value text", "Hide list", "Focus text"}},
        AnnounceCase{"ClickAcceptsTheRow", [](ControlTest&, support::SimForm& f) { f.ClickRow(1); },
                     {"Focus row 2", "Selection row 2", "Value text", "Hide list", "Focus text"}},
        AnnounceCase{"EnterWithoutARowChangesNoValue",
                     [](ControlTest&, support::SimForm& f) { f.Press(sim::VK_RETURN); },
                     {"Hide list", "Focus text"}},
        AnnounceCase{"ClickElsewhere", [](ControlTest&, support::SimForm& f) { f.ClickOutside(); },
                     {"Hide list", "Focus text"}},
        AnnounceCase{"Escape", [](ControlTest&, support::SimForm& f) { f.Press(sim::VK_ESCAPE); },
                     {"Hide list", "Focus text"}},
        AnnounceCase{"ClosedWhileTheFocusIsElsewhere",
                     [](ControlTest&, support::SimForm& f) {
                       f.Desktop().SetFocus(f.FormWindow());
                       f.Control().Deactivate();
                     },
                     {"Hide list"}},
        AnnounceCase{"Destroyed", [](ControlTest&, support::SimForm& f) { f.Terminate(); }, {"Hide list"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlTest, FillingTheListTellsTheReaderNothingPerRow) {
  RunningWith({u"a1", u"a12", u"a13", u"a2"});
  TypeAndPause(u"a");
  TypeAndPause(u"1");
  ASSERT_TRUE(form.Lst().Visible());
  EXPECT_EQ(machine.desktop.WinEvents().size(), 1u);  // the first opening only
}

// ---- The name of the text box ----

struct NameCase {
  const char* name;
  // Places windows around the control's surface.
  std::function<void(sim::SimDesktop&, host::Hwnd form, host::Hwnd surface)> arrange;
  std::u16string announced;
};

// A label created before a control lies above it in z-order on Windows; on the
// simulated desktop newer windows lie above, so each label is created afterwards.
host::Hwnd Label(sim::SimDesktop& desktop, host::Hwnd parent, std::u16string text, std::intptr_t style = 0) {
  const host::Hwnd label = desktop.CreateWindow(u"Static", parent, host::WS_CHILD | sim::WS_VISIBLE | style, 0,
                                                {0, 0, 10, 10}, nullptr);
  desktop.SetWindowText(label, std::move(text));
  return label;
}

class TextBoxNameTest : public ControlTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(TextBoxNameTest, IsTheLabelBeforeTheControl) {
  RunningWith({});
  GetParam().arrange(machine.desktop, form.FormWindow(), form.Surface().hWnd());
  EXPECT_EQ(form.Txt().AccessibleName(), GetParam().announced);
}

TEST_F(ControlTest, AccessibleNameGoesBeforeAnyLabel) {
  Zelvane& z = RunningWith({});
  Label(machine.desktop, form.FormWindow(), u"&City:");
  z.SetAccessibleName(u"Destination");
  EXPECT_EQ(form.Txt().AccessibleName(), u"Destination");
  z.SetAccessibleName(u"");
  EXPECT_EQ(form.Txt().AccessibleName(), u"City:");
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TextBoxNameTest,
    ::testing::Values(
        NameCase{"NoLabel", [](sim::SimDesktop&, host::Hwnd, host::Hwnd) {}, u""},
        NameCase{"LabelWithMnemonic", [](sim::SimDesktop& d, host::Hwnd f, host::Hwnd) { Label(d, f, u"&City:"); },
                 u"City:"},
        NameCase{"DoubledAmpersandStays",
                 [](sim::SimDesktop& d, host::Hwnd f, host::Hwnd) { Label(d, f, u"Bread && &butter"); },
                 u"Bread & butter"},
        NameCase{"LabelWithoutPrefixes",
                 [](sim::SimDesktop& d, host::Hwnd f, host::Hwnd) { Label(d, f, u"R&D", host::SS_NOPREFIX); },
                 u"R&D"},
        NameCase{"NearestLabelPastOtherControls",
                 [](sim::SimDesktop& d, host::Hwnd f, host::Hwnd) {
                   d.CreateWindow(u"Button", f, host::WS_CHILD, 0, {}, nullptr);
                   Label(d, f, u"Near");
                   Label(d, f, u"Far");
                 },
                 u"Near"},
        NameCase{"LabelAfterTheControlIsNotItsOwn",
                 [](sim::SimDesktop& d, host::Hwnd f, host::Hwnd s) {
                   Label(d, f, u"Next");
                   d.BringToTop(s);
                 },
                 u""},
        NameCase{"LabelBeforeTheContainersSiteWindow",
                 [](sim::SimDesktop& d, host::Hwnd f, host::Hwnd s) {
                   const host::Hwnd site = d.CreateWindow(u"AtlAxWin", f, host::WS_CHILD, 0, {}, nullptr);
                   d.SetParent(s, site);
                   Label(d, f, u"Below");
                   d.BringToTop(site);
                   Label(d, f, u"&Search");
                 },
                 u"Search"},
        NameCase{"NothingBeyondTheForm",
                 [](sim::SimDesktop& d, host::Hwnd, host::Hwnd) { Label(d, 0, u"Another window"); }, u""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The drop-down button ----

TEST_F(ControlTest, ButtonIsNamedAfterWhatPressingItDoes) {
  Zelvane& z = RunningWith({u"a1", u"a2"});
  EXPECT_FALSE(form.Surface().AccessibleButton());
  z.SetShowButton(true);
  const auto closed = form.Surface().AccessibleButton();
  ASSERT_TRUE(closed);
  EXPECT_EQ(closed->name, u"Open");
  EXPECT_EQ(closed->defaultAction, u"Open");
  EXPECT_EQ(closed->keyboardShortcut, u"Alt+Down");
  const host::Rect strip{form.Surface().ScaleWidth() - 16, 0, form.Surface().ScaleWidth(),
                         form.Surface().ScaleHeight()};
  EXPECT_EQ(closed->location, strip);

  form.Surface().DoButtonDefaultAction();
  EXPECT_EQ(form.Events().Names(), (Events{"ButtonClick", "DropDownList"}));
  EXPECT_TRUE(form.Lst().Visible());
  EXPECT_EQ(form.Surface().AccessibleButton()->name, u"Close");

  form.Events().Clear();
  form.Surface().DoButtonDefaultAction();
  EXPECT_EQ(form.Events().Names(), (Events{"CloseUpList"}));
  EXPECT_FALSE(form.Lst().Visible());
  EXPECT_EQ(form.Surface().AccessibleButton()->name, u"Open");
}

TEST_F(ControlTest, ButtonOfADisabledControlDoesNothing) {
  Zelvane& z = RunningWith({u"a1"});
  z.SetShowButton(true);
  z.SetEnabled(false);
  form.Surface().DoButtonDefaultAction();
  EXPECT_TRUE(form.Events().Names().empty());
  EXPECT_FALSE(form.Lst().Visible());
}

}  // namespace
}  // namespace zelvane::control
