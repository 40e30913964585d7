#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "control_fixture.h"
#include "core/utf.h"
#include "host/sim/sim_messages.h"
#include "host/sim/sim_property_bag.h"
#include "support/raises_automation_error.h"

namespace zelvane::control {
namespace {

// Two runs of a host application on one machine: each run restores the form's
// stored properties into a fresh control and destroys it at the end.
class SavedListTest : public ControlTest {
 protected:
  sim::SimPropertyBag storedForm;

  void SetUp() override {
    storedForm.Set(u"RegKey", std::u16string(u"1A2B-4542943750000-7FF"));
  }

  Zelvane& Run(support::SimForm& f, bool userMode = true) {
    f.Container().SetUserMode(userMode);
    return f.Restore(storedForm);
  }

  std::optional<std::u16string> Saved(const char16_t* key = u"1A2B-4542943750000-7FF") {
    return machine.settings.Table().Find(u"Zelvane", u"Lists", key);
  }
};

TEST_F(SavedListTest, ListSurvivesTwoLifetimesInItsOrder) {
  Zelvane& first = Run(form);
  EXPECT_TRUE(first.ListLoaded());
  EXPECT_EQ(first.ListCount(), 0);
  first.AddItem(u"c");
  first.AddItem(u"b");
  first.AddItem(u"a");
  form.Terminate();
  EXPECT_EQ(Saved(), u"a\r\nb\r\nc");

  support::SimForm next(machine);
  Zelvane& second = Run(next);
  EXPECT_EQ(second.StringValue(), u"a\r\nb\r\nc");
  second.AddItem(u"d");
  next.Terminate();
  EXPECT_EQ(Saved(), u"d\r\na\r\nb\r\nc");
}

TEST_F(SavedListTest, LoadOfALongListKeepsTheMostRecentMaxCount) {
  storedForm.Set(u"MaxCount", std::int32_t{2});
  machine.settings.SaveSetting(u"Zelvane", u"Lists", u"1A2B-4542943750000-7FF", u"new\r\n\r\nmid\r\nold\r\n");
  Zelvane& z = Run(form);
  EXPECT_EQ(z.StringValue(), u"new\r\nmid");
}

TEST_F(SavedListTest, TypedEntriesAreSavedAtTheEnd) {
  Run(form);
  form.Type(u"first");
  form.Press(13);
  for (int i = 0; i < 5; ++i) form.Press(sim::VK_BACK);
  form.Type(u"second");
  form.Press(13);
  form.Terminate();
  EXPECT_EQ(Saved(), u"second\r\nfirst");
}

TEST_F(SavedListTest, AutoSaveListOffAtTheEndSavesNothing) {
  machine.settings.SaveSetting(u"Zelvane", u"Lists", u"1A2B-4542943750000-7FF", u"kept");
  Zelvane& z = Run(form);
  z.AddItem(u"lost");
  z.AutoSaveList = false;
  form.Terminate();
  EXPECT_EQ(Saved(), u"kept");
}

TEST_F(SavedListTest, AutoSaveListOffAtRestoreNeitherLoadsNorSavesEvenIfTurnedOn) {
  storedForm.Set(u"AutoSaveList", false);
  machine.settings.SaveSetting(u"Zelvane", u"Lists", u"1A2B-4542943750000-7FF", u"kept");
  Zelvane& z = Run(form);
  EXPECT_FALSE(z.ListLoaded());
  EXPECT_EQ(z.ListCount(), 0);
  z.AutoSaveList = true;
  z.AddItem(u"lost");
  form.Terminate();
  EXPECT_EQ(Saved(), u"kept");
}

TEST_F(SavedListTest, EmptyKeyNeitherLoadsNorSaves) {
  storedForm.Remove(u"RegKey");
  machine.settings.SaveSetting(u"Zelvane", u"Lists", u"", u"shared");
  Zelvane& z = Run(form);
  EXPECT_FALSE(z.ListLoaded());
  EXPECT_EQ(z.ListCount(), 0);
  z.AddItem(u"mine");
  const int gets = machine.settings.GetCount();
  const int saves = machine.settings.SaveCount();
  form.Terminate();
  EXPECT_EQ(gets, 0);
  EXPECT_EQ(machine.settings.SaveCount(), saves);
  EXPECT_EQ(Saved(u""), u"shared");
}

TEST_F(SavedListTest, DesignTimeNeverTouchesTheStore) {
  machine.settings.SaveSetting(u"Zelvane", u"Lists", u"1A2B-4542943750000-7FF", u"kept");
  Zelvane& z = Run(form, false);
  EXPECT_FALSE(z.ListLoaded());
  z.AddItem(u"design");
  form.Terminate();
  EXPECT_EQ(machine.settings.GetCount(), 0);
  EXPECT_EQ(machine.settings.SaveCount(), 1);  // the test's own setup
  EXPECT_EQ(Saved(), u"kept");
}

TEST_F(SavedListTest, FreshlyPlacedControlNeverSaves) {
  Zelvane& z = form.CreateNew();
  z.AddItem(u"x");
  form.Terminate();
  EXPECT_TRUE(machine.settings.Table().Entries().empty());
}

TEST_F(SavedListTest, MissingEntryLoadsEmptyAndIsCreatedByTheSave) {
  Zelvane& z = Run(form);
  EXPECT_TRUE(z.ListLoaded());
  z.AddItem(u"x");
  form.Terminate();
  EXPECT_EQ(Saved(), u"x");
}

TEST_F(SavedListTest, TwoControlsKeepTheirOwnLists) {
  sim::SimPropertyBag otherForm;
  otherForm.Set(u"RegKey", std::u16string(u"2222-4542943750000-999"));
  support::SimForm other(machine, {.control = {20, 80, 144, 105}});
  Run(form).AddItem(u"mine");
  other.Container().SetUserMode(true);
  other.Restore(otherForm).AddItem(u"theirs");
  form.Terminate();
  other.Terminate();
  EXPECT_EQ(Saved(), u"mine");
  EXPECT_EQ(Saved(u"2222-4542943750000-999"), u"theirs");
}

// A key set while running is where the list comes from and goes, as if the control
// had been restored with it; each control adds "a" before the switch and "n" after.
class RegKeyAtRunTimeTest;

struct RegKeyCase {
  const char* name;
  Zelvane& (RegKeyAtRunTimeTest::*make)();
  const char16_t* newKey;
  Strings itemsAfterSwitch;
  std::vector<std::pair<const char16_t*, const char16_t*>> savedAtTheEnd;  // every entry there is
};

void PrintTo(const RegKeyCase& c, std::ostream* os) { *os << c.name; }

class RegKeyAtRunTimeTest : public SavedListTest, public ::testing::WithParamInterface<RegKeyCase> {
 public:
  Zelvane& Restored() { return Run(form); }
  Zelvane& MadeInCode() {
    form.Container().SetUserMode(true);
    return form.CreateNew();
  }
  Zelvane& WithAutoSaveListOff(Zelvane& z) {
    z.AutoSaveList = false;
    return z;
  }
  Zelvane& RestoredAutoSaveListOff() { return WithAutoSaveListOff(Restored()); }
  Zelvane& MadeInCodeAutoSaveListOff() { return WithAutoSaveListOff(MadeInCode()); }
  Zelvane& AtDesignTime() { return Run(form, false); }
  /// Another control with the same key saves while this one runs.
  Zelvane& RestoredBesideAnother() {
    Zelvane& z = Restored();
    support::SimForm other(machine, {.control = {20, 80, 144, 105}});
    Run(other).AddItem(u"b1");
    other.Terminate();
    return z;
  }
};

TEST_P(RegKeyAtRunTimeTest, LoadsAndSavesTheListOfTheNewKey) {
  const RegKeyCase& c = GetParam();
  machine.settings.SaveSetting(u"Zelvane", u"Lists", u"1A2B-4542943750000-7FF", u"s1");
  machine.settings.SaveSetting(u"Zelvane", u"Lists", u"Other", u"t1\r\nt2");
  Zelvane& z = (this->*c.make)();
  z.AddItem(u"a");
  const std::u16string before = z.RegKey();
  EXPECT_TRUE(support::RaisesAutomationError([&] { z.SetRegKey(u""); }, 380, u"ZelvaneTextBox",
                                             u"Invalid property value"));
  EXPECT_EQ(z.RegKey(), before);
  form.Events().Clear();
  z.SetRegKey(c.newKey);
  EXPECT_EQ(z.RegKey(), c.newKey);
  EXPECT_EQ(Items(), c.itemsAfterSwitch);
  EXPECT_TRUE(form.Events().Names().empty());
  z.AddItem(u"n");
  form.Terminate();
  EXPECT_EQ(machine.settings.Table().Entries().size(), c.savedAtTheEnd.size());
  for (const auto& [key, value] : c.savedAtTheEnd) EXPECT_EQ(Saved(key), value) << core::ToUtf8(key);
}

using T = RegKeyAtRunTimeTest;
const char16_t* const kStored = u"1A2B-4542943750000-7FF";

INSTANTIATE_TEST_SUITE_P(
    Hosts, RegKeyAtRunTimeTest,
    ::testing::Values(
        RegKeyCase{"Restored", &T::Restored, u"Other", {u"t1", u"t2"},
                   {{kStored, u"a\r\ns1"}, {u"Other", u"n\r\nt1\r\nt2"}}},
        // Nothing is ever written under the key generated for it.
        RegKeyCase{"MadeInCode", &T::MadeInCode, u"Other", {u"t1", u"t2"},
                   {{kStored, u"s1"}, {u"Other", u"n\r\nt1\r\nt2"}}},
        RegKeyCase{"MadeInCodeNothingSavedYet", &T::MadeInCode, u"New", {},
                   {{kStored, u"s1"}, {u"Other", u"t1\r\nt2"}, {u"New", u"n"}}},
        RegKeyCase{"MadeInCodeAutoSaveListOff", &T::MadeInCodeAutoSaveListOff, u"Other", {u"a"},
                   {{kStored, u"s1"}, {u"Other", u"t1\r\nt2"}}},
        RegKeyCase{"RestoredAutoSaveListOff", &T::RestoredAutoSaveListOff, u"Other", {u"a", u"s1"},
                   {{kStored, u"s1"}, {u"Other", u"t1\r\nt2"}}},
        RegKeyCase{"SameKeyAgain", &T::Restored, kStored, {u"a", u"s1"},
                   {{kStored, u"n\r\na\r\ns1"}, {u"Other", u"t1\r\nt2"}}},
        RegKeyCase{"SameKeyRespelt", &T::Restored, u"1a2b-4542943750000-7ff", {u"a", u"s1"},
                   {{kStored, u"n\r\na\r\ns1"}, {u"Other", u"t1\r\nt2"}}},
        // What the other control saved under the key left is kept.
        RegKeyCase{"KeyLeftSavedMeanwhile", &T::RestoredBesideAnother, u"Other", {u"t1", u"t2"},
                   {{kStored, u"a\r\nb1\r\ns1"}, {u"Other", u"n\r\nt1\r\nt2"}}},
        RegKeyCase{"DesignTime", &T::AtDesignTime, u"Other", {u"a"}, {{kStored, u"s1"}, {u"Other", u"t1\r\nt2"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Two controls with one key (a copied control, or two copies of the program): each
// changes the list it loaded, and whichever goes second keeps what the first saved.
struct SharedKeyCase {
  const char* name;
  std::function<void(support::SimForm&, Zelvane&)> first;
  std::function<void(support::SimForm&, Zelvane&)> second;
  const char16_t* savedFirstGoesFirst;
  const char16_t* savedSecondGoesFirst;
};

void PrintTo(const SharedKeyCase& c, std::ostream* os) { *os << c.name; }

class SharedKeyTest : public SavedListTest, public ::testing::WithParamInterface<SharedKeyCase> {};

TEST_P(SharedKeyTest, TheControlThatGoesLastMergesItsChangesIntoWhatTheOtherSaved) {
  const SharedKeyCase& c = GetParam();
  for (const bool firstGoesFirst : {true, false}) {
    SCOPED_TRACE(firstGoesFirst ? "first goes first" : "second goes first");
    storedForm.Set(u"MaxCount", std::int32_t{4});
    machine.settings.SaveSetting(u"Zelvane", u"Lists", u"1A2B-4542943750000-7FF", u"s1\r\ns2\r\ns3");
    support::SimForm one(machine);
    support::SimForm two(machine, {.control = {20, 80, 144, 105}});
    c.first(one, Run(one));
    c.second(two, Run(two));
    (firstGoesFirst ? one : two).Terminate();
    (firstGoesFirst ? two : one).Terminate();
    EXPECT_EQ(Saved(), firstGoesFirst ? c.savedFirstGoesFirst : c.savedSecondGoesFirst);
  }
}

void AddA1(support::SimForm&, Zelvane& z) { z.AddItem(u"a1"); }
void AddB1(support::SimForm&, Zelvane& z) { z.AddItem(u"b1"); }

INSTANTIATE_TEST_SUITE_P(
    Changes, SharedKeyTest,
    ::testing::Values(
        SharedKeyCase{"AddInBoth", AddA1, AddB1, u"b1\r\na1\r\ns1\r\ns2", u"a1\r\nb1\r\ns1\r\ns2"},
        SharedKeyCase{"RemoveInOne", [](support::SimForm&, Zelvane& z) { z.RemoveItem(1); }, AddB1, u"b1\r\ns1\r\ns3",
                      u"b1\r\ns1\r\ns3"},
        SharedKeyCase{"TypedEntryAndShiftDelete",
                      [](support::SimForm& f, Zelvane& z) {
                        z.SetAllowRemove(true);
                        f.Type(u"t1");
                        f.Press(13);
                        f.Press(sim::VK_BACK);
                        f.Press(sim::VK_BACK);
                        f.Type(u"s");
                        f.Wait(150);
                        f.Press(sim::VK_DOWN);
                        f.Press(sim::VK_DOWN);
                        f.Press(sim::VK_DELETE, 1);
                      },
                      AddB1, u"b1\r\nt1\r\ns1\r\ns3", u"t1\r\nb1\r\ns1\r\ns3"},
        SharedKeyCase{"MovedToTheTopRespelt", [](support::SimForm&, Zelvane& z) { z.AddItem(u"S3"); }, AddB1,
                      u"b1\r\nS3\r\ns1\r\ns2", u"S3\r\nb1\r\ns1\r\ns2"},
        SharedKeyCase{"AddedThenRemoved",
                      [](support::SimForm&, Zelvane& z) {
                        z.AddItem(u"a1");
                        z.RemoveItem(0);
                        z.AddItem(u"s2");
                      },
                      AddB1, u"b1\r\ns2\r\ns1\r\ns3", u"s2\r\nb1\r\ns1\r\ns3"},
        SharedKeyCase{"ClearInOne",
                      [](support::SimForm&, Zelvane& z) {
                        z.ClearList();
                        z.AddItem(u"a1");
                      },
                      AddB1, u"b1\r\na1", u"a1"},
        SharedKeyCase{"NothingChangedInOne", [](support::SimForm&, Zelvane&) {}, AddB1, u"b1\r\ns1\r\ns2\r\ns3",
                      u"b1\r\ns1\r\ns2\r\ns3"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvane::control
