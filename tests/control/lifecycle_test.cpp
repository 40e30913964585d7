#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "control_fixture.h"
#include "core/utf.h"
#include "host/sim/sim_font.h"
#include "host/sim/sim_property_bag.h"
#include "support/raises_automation_error.h"

namespace zelvane::control {
namespace {

using sim::PropertyAccess;
using sim::SimPropertyBag;

const Strings kTenKeys{u"SaveOnReturn", u"RegKey",  u"MaxCount", u"ShowButton", u"Font",
                       u"BackColor",    u"ForeColor", u"Enabled", u"Appearance", u"AutoSaveList"};
// The options' keys come after the ten, in this order.
const Strings kAllKeys{u"SaveOnReturn", u"RegKey",       u"MaxCount",      u"ShowButton",  u"Font",
                       u"BackColor",    u"ForeColor",    u"Enabled",       u"Appearance",  u"AutoSaveList",
                       u"AllowRemove",  u"MatchAnywhere", u"FilterDelay",  u"ListRows",    u"CloseOnEscape",
                       u"AccessibleName", u"VisualStyles", u"AutoAppend", u"HighlightMatch", u"RightToLeft"};

TEST_F(ControlTest, FirstPlacementTakesTheDefaultsAndTouchesNothingElse) {
  Zelvane& z = form.CreateNew();
  EXPECT_TRUE(z.SaveOnReturn);
  EXPECT_TRUE(z.AutoSaveList);
  EXPECT_TRUE(z.Enabled());
  EXPECT_FALSE(z.ShowButton());
  EXPECT_EQ(z.Appearance(), 1);
  EXPECT_EQ(z.MaxCount(), 100);
  EXPECT_EQ(z.Text(), u"");
  EXPECT_FALSE(z.ListLoaded());
  EXPECT_EQ(machine.settings.GetCount(), 0);
  EXPECT_TRUE(form.Container().PropertyChanges().empty());
  EXPECT_FALSE(form.Lst().Visible());
  EXPECT_FALSE(form.Tmr().Enabled());
  EXPECT_EQ(form.Tmr().Interval(), 150);
  EXPECT_TRUE(std::regex_match(core::ToUtf8(z.RegKey()), std::regex("[0-9A-F]{3,4}-[0-9]{13}-[0-9A-F]{3,4}")))
      << core::ToUtf8(z.RegKey());
}

TEST_F(ControlTest, RegKeyDrawsThenReadsTheClockThenDrawsAgain) {
  machine.random.Script({0.500150025f, 0.500050008f});
  machine.clock.Set({2024, 5, 17, 10, 30, 0, 0});
  EXPECT_EQ(form.CreateNew().RegKey(), u"2388-4542943750000-1788");
  EXPECT_EQ(machine.random.CallCount(), 2);
  EXPECT_EQ(machine.clock.ReadCount(), 1);
}

TEST_F(ControlTest, TwoControlsPlacedOneAfterTheOtherGetDifferentKeys) {
  support::SimForm second(machine, {.control = {20, 80, 144, 105}});
  const std::u16string first = form.CreateNew().RegKey();
  EXPECT_NE(second.CreateNew().RegKey(), first);
}

TEST_F(ControlTest, RestoreFromABagWithOnlyAFontTakesEveryOtherDefault) {
  SimPropertyBag bag;
  const auto font = sim::MakeSimFont(u"Arial", 12);
  bag.Set(u"Font", core::ObjectPtr(font));
  form.Container().SetUserMode(false);
  Zelvane& z = form.Restore(bag);
  EXPECT_TRUE(z.SaveOnReturn);
  EXPECT_TRUE(z.AutoSaveList);
  EXPECT_EQ(z.RegKey(), u"");
  EXPECT_EQ(z.MaxCount(), 100);
  EXPECT_FALSE(z.ShowButton());
  EXPECT_TRUE(z.Enabled());
  EXPECT_EQ(z.Appearance(), 1);
  EXPECT_EQ(z.Font(), font);
  EXPECT_EQ(z.BackColor(), 0xFFFFFFu);
  EXPECT_EQ(z.ForeColor(), 0u);
  EXPECT_FALSE(z.AllowRemove());
  EXPECT_FALSE(z.MatchAnywhere());
  EXPECT_EQ(z.FilterDelay(), 150);
  EXPECT_EQ(form.Tmr().Interval(), 150);
  EXPECT_EQ(z.ListRows(), 7);
  EXPECT_FALSE(z.CloseOnEscape());
  EXPECT_EQ(bag.LoggedNames(PropertyAccess::Kind::Read), kAllKeys);
}

TEST_F(ControlTest, RestoreWithoutAFontKeepsTheTextBoxFont) {
  const auto own = sim::MakeSimFont(u"Tahoma");
  form.Txt().SetFont(own);
  SimPropertyBag bag;
  EXPECT_EQ(form.Restore(bag).Font(), own);
}

TEST_F(ControlTest, RefusedMaxCountStopsTheRestoreAfterTheKey) {
  SimPropertyBag bag;
  bag.Set(u"SaveOnReturn", false);
  bag.Set(u"RegKey", std::u16string(u"K-1-2"));
  bag.Set(u"MaxCount", std::int32_t{0});
  bag.Set(u"ShowButton", true);
  bag.Set(u"AutoSaveList", true);
  machine.settings.SaveSetting(u"Zelvane", u"Lists", u"K-1-2", u"a");
  EXPECT_TRUE(support::RaisesAutomationError([&] { form.Restore(bag); }, 5030, u"Zelvane",
                                             u"MaxCount must be greater than zero"));
  Zelvane& z = form.Control();
  EXPECT_FALSE(z.SaveOnReturn);
  EXPECT_EQ(z.RegKey(), u"K-1-2");
  EXPECT_FALSE(z.ShowButton());
  EXPECT_FALSE(z.AutoSaveList);  // still as created
  EXPECT_FALSE(z.ListLoaded());
  EXPECT_EQ(z.ListCount(), 0);
  EXPECT_EQ(bag.LoggedNames(PropertyAccess::Kind::Read), (Strings{u"SaveOnReturn", u"RegKey", u"MaxCount"}));
}

struct BadValue {
  const char16_t* key;
  core::Variant value;
  std::int32_t number;
};

class RestoreBadValueTest : public ControlTest, public ::testing::WithParamInterface<BadValue> {};

TEST_P(RestoreBadValueTest, FailsAtItsKeyAndReadsNoFurther) {
  const BadValue& bad = GetParam();
  SimPropertyBag bag;
  bag.Set(bad.key, bad.value);
  bag.Set(u"RegKey", std::u16string(u"K"));
  try {
    form.Restore(bag);
    FAIL() << "no error";
  } catch (const core::AutomationError& e) {
    EXPECT_EQ(e.number(), bad.number);
  }
  Strings expected;
  for (const auto& key : kAllKeys) {
    expected.push_back(key);
    if (key == bad.key) break;
  }
  EXPECT_EQ(bag.LoggedNames(PropertyAccess::Kind::Read), expected);
  EXPECT_FALSE(form.Control().ListLoaded());
}

class NotAFont final : public core::ObjectBase {};

INSTANTIATE_TEST_SUITE_P(
    Kinds, RestoreBadValueTest,
    ::testing::Values(BadValue{u"SaveOnReturn", std::u16string(u"maybe"), 13},
                      BadValue{u"MaxCount", std::u16string(u"many"), 13},
                      BadValue{u"MaxCount", std::int32_t{40000}, 6},
                      BadValue{u"ShowButton", core::ObjectPtr(std::make_shared<NotAFont>()), 13},
                      BadValue{u"Font", std::u16string(u"Arial"), 13},
                      BadValue{u"Font", core::ObjectPtr(std::make_shared<NotAFont>()), 13},
                      BadValue{u"BackColor", std::u16string(u"red"), 13},
                      BadValue{u"ForeColor", 1e12, 6},
                      BadValue{u"Enabled", core::Null{}, 13},
                      BadValue{u"Appearance", std::u16string(u"3d"), 13},
                      BadValue{u"Appearance", std::int32_t{5}, 380},
                      BadValue{u"AutoSaveList", std::u16string(u"yes"), 13},
                      BadValue{u"AllowRemove", std::u16string(u"yes"), 13},
                      BadValue{u"MatchAnywhere", core::Null{}, 13},
                      BadValue{u"FilterDelay", std::u16string(u"soon"), 13},
                      BadValue{u"FilterDelay", std::int32_t{10001}, 380},
                      BadValue{u"FilterDelay", std::int32_t{-1}, 380},
                      BadValue{u"ListRows", std::int16_t{0}, 380},
                      BadValue{u"ListRows", std::int32_t{101}, 380},
                      BadValue{u"CloseOnEscape", std::u16string(u"no"), 13},
                      BadValue{u"AccessibleName", core::ObjectPtr(std::make_shared<NotAFont>()), 13},
                      BadValue{u"VisualStyles", std::u16string(u"themed"), 13},
                      BadValue{u"AutoAppend", std::u16string(u"yes"), 13},
                      BadValue{u"HighlightMatch", core::Null{}, 13},
                      BadValue{u"RightToLeft", std::u16string(u"arabic"), 13}));

// Every option is read before any is applied: a refused one leaves all at their defaults.
TEST_F(ControlTest, RefusedOptionAppliesNoneOfTheOthers) {
  SimPropertyBag bag;
  bag.Set(u"AllowRemove", true);
  bag.Set(u"MatchAnywhere", true);
  bag.Set(u"FilterDelay", std::int32_t{40});
  bag.Set(u"ListRows", std::int16_t{200});
  EXPECT_THROW(form.Restore(bag), core::AutomationError);
  const Zelvane& z = form.Control();
  EXPECT_FALSE(z.AllowRemove());
  EXPECT_FALSE(z.MatchAnywhere());
  EXPECT_EQ(z.FilterDelay(), 150);
  EXPECT_EQ(form.Tmr().Interval(), 150);
}

struct OptionCase {
  const char* name;
  void (*set)(Zelvane&);
  core::Variant stored;
  bool (*holds)(const Zelvane&);
};

class OptionRoundTripTest : public ControlTest, public ::testing::WithParamInterface<OptionCase> {};

// Each option is stored under its key only when it is not at its default, and comes back.
TEST_P(OptionRoundTripTest, StoresOnlyTheChangedOptionAfterTheTenKeys) {
  Zelvane& z = form.CreateNew();
  form.Txt().SetBackColor(0xFFFFFF);
  form.Txt().SetForeColor(0);
  z.SetShowButton(true);
  GetParam().set(z);
  SimPropertyBag bag;
  form.Store(bag);
  ASSERT_EQ(bag.Entries().size(), 3u);
  EXPECT_EQ(bag.Entries()[2].first, core::FromUtf8(GetParam().name));
  EXPECT_EQ(bag.Entries()[2].second, GetParam().stored);

  support::SimForm again(machine);
  EXPECT_TRUE(GetParam().holds(again.Restore(bag)));
}

INSTANTIATE_TEST_SUITE_P(
    Options, OptionRoundTripTest,
    ::testing::Values(
        OptionCase{"AllowRemove", [](Zelvane& z) { z.SetAllowRemove(true); }, true,
                   [](const Zelvane& z) { return z.AllowRemove(); }},
        OptionCase{"MatchAnywhere", [](Zelvane& z) { z.SetMatchAnywhere(true); }, true,
                   [](const Zelvane& z) { return z.MatchAnywhere(); }},
        OptionCase{"FilterDelay", [](Zelvane& z) { z.SetFilterDelay(0); }, std::int32_t{0},
                   [](const Zelvane& z) { return z.FilterDelay() == 0; }},
        OptionCase{"ListRows", [](Zelvane& z) { z.SetListRows(100); }, std::int16_t{100},
                   [](const Zelvane& z) { return z.ListRows() == 100; }},
        OptionCase{"CloseOnEscape", [](Zelvane& z) { z.SetCloseOnEscape(true); }, true,
                   [](const Zelvane& z) { return z.CloseOnEscape(); }},
        OptionCase{"AccessibleName", [](Zelvane& z) { z.SetAccessibleName(u"City"); }, std::u16string(u"City"),
                   [](const Zelvane& z) { return z.AccessibleName() == u"City"; }},
        OptionCase{"VisualStyles", [](Zelvane& z) { z.SetVisualStyles(true); }, true,
                   [](const Zelvane& z) { return z.VisualStyles(); }},
        OptionCase{"AutoAppend", [](Zelvane& z) { z.SetAutoAppend(true); }, true,
                   [](const Zelvane& z) { return z.AutoAppend(); }},
        OptionCase{"HighlightMatch", [](Zelvane& z) { z.SetHighlightMatch(true); }, true,
                   [](const Zelvane& z) { return z.HighlightMatch(); }},
        OptionCase{"RightToLeft", [](Zelvane& z) { z.SetRightToLeft(true); }, true,
                   [](const Zelvane& z) { return z.RightToLeft(); }}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedAppearance {
  std::int32_t value;
  std::int32_t error;
  const char16_t* description;
};

class RefusedAppearanceTest : public ControlTest, public ::testing::WithParamInterface<RefusedAppearance> {};

// A refused value must not turn into a stored form that no longer loads.
TEST_P(RefusedAppearanceTest, LeavesTheStoredAppearanceAndTheFormLoadable) {
  Zelvane& z = form.CreateNew();
  z.SetAppearance(zvFlat);
  form.Container().ClearPropertyChanges();
  EXPECT_TRUE(support::RaisesAutomationError([&] { z.SetAppearance(GetParam().value); }, GetParam().error,
                                             u"ZelvaneTextBox", GetParam().description));
  EXPECT_EQ(z.Appearance(), zvFlat);
  EXPECT_EQ(form.Surface().Appearance(), zvFlat);
  EXPECT_TRUE(form.Container().PropertyChanges().empty());

  SimPropertyBag bag;
  form.Store(bag);
  support::SimForm again(machine);
  EXPECT_EQ(again.Restore(bag).Appearance(), zvFlat);
}

INSTANTIATE_TEST_SUITE_P(Values, RefusedAppearanceTest,
                         ::testing::Values(RefusedAppearance{100, 380, u"Invalid property value"},
                                           RefusedAppearance{-1, 380, u"Invalid property value"},
                                           RefusedAppearance{70000, 6, u"Overflow"}));

class RoundTripTest : public ControlTest, public ::testing::WithParamInterface<bool> {};

TEST_P(RoundTripTest, StoreThenRestoreGivesTheSameProperties) {
  form.Container().SetUserMode(GetParam());
  Zelvane& z = form.CreateNew();
  const auto font = sim::MakeSimFont(u"Courier New", 10, true);
  z.SaveOnReturn = false;
  z.AutoSaveList = false;
  z.SetMaxCount(7);
  z.SetShowButton(true);
  z.SetEnabled(false);
  z.SetAppearance(zvFlat);
  z.SetFont(font);
  z.SetBackColor(0x80000005u);
  z.SetForeColor(0x123456u);
  z.SetText(u"typed");
  SimPropertyBag bag;
  form.Store(bag);
  EXPECT_EQ(bag.LoggedNames(PropertyAccess::Kind::Write), kTenKeys);

  support::SimForm again(machine);
  again.Container().SetUserMode(GetParam());
  Zelvane& back = again.Restore(bag);
  EXPECT_EQ(back.RegKey(), z.RegKey());
  EXPECT_FALSE(back.SaveOnReturn);
  EXPECT_FALSE(back.AutoSaveList);
  EXPECT_EQ(back.MaxCount(), 7);
  EXPECT_TRUE(back.ShowButton());
  EXPECT_FALSE(back.Enabled());
  EXPECT_EQ(back.Appearance(), zvFlat);
  EXPECT_EQ(back.Font(), font);
  EXPECT_EQ(back.BackColor(), 0x80000005u);
  EXPECT_EQ(back.ForeColor(), 0x123456u);
  EXPECT_EQ(back.Text(), u"");
  EXPECT_EQ(again.Txt().Text(), u"");
  // Only the text box takes the stored look; the list box keeps its own.
  EXPECT_NE(again.Lst().Font(), font);
  EXPECT_NE(again.Lst().ForeColor(), 0x123456u);
  EXPECT_EQ(machine.settings.SaveCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(DesignAndRunTime, RoundTripTest, ::testing::Bool());

TEST_F(ControlTest, StoreOfAFreshControlWritesOnlyTheKey) {
  Zelvane& z = form.CreateNew();
  SimPropertyBag bag;
  form.Txt().SetBackColor(0xFFFFFF);
  form.Txt().SetForeColor(0);
  form.Store(bag);
  ASSERT_EQ(bag.Entries().size(), 1u);
  EXPECT_EQ(bag.Entries()[0].first, u"RegKey");
  EXPECT_EQ(bag.Entries()[0].second, core::Variant(z.RegKey()));
}

struct NoticeCase {
  const char* name;
  void (*act)(Zelvane&);
  Strings notices;
};

class NoticeTest : public ControlTest, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(NoticeTest, NotifiesExactlyTheNamedProperties) {
  Zelvane& z = form.CreateNew();
  form.Txt().SetText(u"abc");
  form.Container().ClearPropertyChanges();
  GetParam().act(z);
  EXPECT_EQ(form.Container().PropertyChanges(), GetParam().notices);
}

INSTANTIATE_TEST_SUITE_P(
    Setters, NoticeTest,
    ::testing::Values(
        // The host's write and the text box's change both record the text.
        NoticeCase{"NewText", [](Zelvane& z) { z.SetText(u"new"); }, {u"Text", u"Text"}},
        NoticeCase{"SameText", [](Zelvane& z) { z.SetText(u"abc"); }, {u"Text"}},
        NoticeCase{"SelText", [](Zelvane& z) { z.SetSelText(u"x"); }, {u"Text"}},
        NoticeCase{"SelStart", [](Zelvane& z) { z.SetSelStart(1); }, {}},
        NoticeCase{"SelLength", [](Zelvane& z) { z.SetSelLength(1); }, {}},
        NoticeCase{"Appearance", [](Zelvane& z) { z.SetAppearance(0); }, {u"Appearance"}},
        NoticeCase{"ShowButton", [](Zelvane& z) { z.SetShowButton(true); }, {u"ShowButton"}},
        NoticeCase{"Enabled", [](Zelvane& z) { z.SetEnabled(false); }, {u"Enabled"}},
        NoticeCase{"Font", [](Zelvane& z) { z.SetFont(sim::MakeSimFont()); }, {u"Font"}},
        NoticeCase{"AbsentFont", [](Zelvane& z) { z.SetFont(nullptr); }, {}},
        NoticeCase{"BackColor", [](Zelvane& z) { z.SetBackColor(1); }, {u"BackColor"}},
        NoticeCase{"ForeColor", [](Zelvane& z) { z.SetForeColor(1); }, {u"ForeColor"}},
        NoticeCase{"MaxCount", [](Zelvane& z) { z.SetMaxCount(5); }, {}},
        NoticeCase{"Fields",
                   [](Zelvane& z) {
                     z.SaveOnReturn = false;
                     z.AutoSaveList = false;
                   },
                   {}},
        NoticeCase{"ListMembers",
                   [](Zelvane& z) {
                     z.AddItem(u"a");
                     z.AddCurrentItem();
                     z.SetStringValue(u"x");
                     z.ClearList();
                   },
                   {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlTest, AbsentFontChangesNeitherBox) {
  Zelvane& z = form.CreateNew();
  const auto font = sim::MakeSimFont(u"Arial");
  z.SetFont(font);
  z.SetFont(nullptr);
  EXPECT_EQ(form.Txt().Font(), font);
  EXPECT_EQ(form.Lst().Font(), font);
}

TEST_F(ControlTest, LookSettersReachBothBoxes) {
  Zelvane& z = form.CreateNew();
  const auto font = sim::MakeSimFont(u"Arial");
  z.SetFont(font);
  z.SetBackColor(0xABCDEF);
  z.SetForeColor(0x010203);
  EXPECT_EQ(form.Lst().Font(), font);
  EXPECT_EQ(form.Lst().BackColor(), 0xABCDEFu);
  EXPECT_EQ(form.Lst().ForeColor(), 0x010203u);
  EXPECT_EQ(z.BackColor(), 0xABCDEFu);
  EXPECT_EQ(z.ForeColor(), 0x010203u);
}

TEST_F(ControlTest, SelectionIsSixteenBitOnTheInterface) {
  Zelvane& z = form.CreateNew();
  form.Txt().SetText(std::u16string(40000, u'x'));
  form.Txt().SetSelStart(32767);
  form.Txt().SetSelLength(5);
  EXPECT_EQ(z.SelStart(), 32767);
  EXPECT_EQ(z.SelLength(), 5);
  EXPECT_EQ(z.SelText(), u"xxxxx");
  form.Txt().SetSelStart(32768);
  EXPECT_TRUE(support::RaisesAutomationError([&] { (void)z.SelStart(); }, 6, u"ZelvaneTextBox", u"Overflow"));
  form.Txt().SetSelStart(0);
  form.Txt().SetSelLength(33000);
  EXPECT_TRUE(support::RaisesAutomationError([&] { (void)z.SelLength(); }, 6, u"ZelvaneTextBox", u"Overflow"));
  z.SetSelStart(10);
  z.SetSelLength(3);
  EXPECT_EQ(form.Txt().SelStart(), 10);
  EXPECT_EQ(form.Txt().SelLength(), 3);
}

TEST_F(ControlTest, EnabledReachesSurfaceAndTextBoxButNotTheList) {
  Zelvane& z = form.CreateNew();
  z.SetEnabled(false);
  EXPECT_FALSE(z.Enabled());
  EXPECT_FALSE(form.Surface().Enabled());
  EXPECT_FALSE(form.Txt().Enabled());
  EXPECT_TRUE(machine.desktop.IsWindowEnabled(form.Lst().hWnd()));
  z.SetEnabled(true);
  EXPECT_TRUE(form.Surface().Enabled());
  EXPECT_TRUE(form.Txt().Enabled());
}

TEST_F(ControlTest, TextReadsWhatWasTypedAndTheHostSeesTheOldTextInChange) {
  Zelvane& z = form.CreateNew();
  Strings seen;
  form.Events().On("Change", [&](support::EventArgs&) { seen.push_back(z.Text()); });
  form.Type(u"ab");
  EXPECT_EQ(z.Text(), u"ab");
  EXPECT_EQ(seen, (Strings{u"", u"a"}));
}

}  // namespace
}  // namespace zelvane::control
