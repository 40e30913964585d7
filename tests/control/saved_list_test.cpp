#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "control_fixture.h"
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

// A copy gets its own key from code: an empty one is refused and changes nothing;
// the list then goes whole under the new key, over what was there, and the old
// entry stays as it was.
TEST_F(SavedListTest, RegKeyWrittenAtRunTimeIsWhereTheListGoes) {
  machine.settings.SaveSetting(u"Zelvane", u"Lists", u"1A2B-4542943750000-7FF", u"old");
  machine.settings.SaveSetting(u"Zelvane", u"Lists", u"Copy", u"stale");
  Zelvane& z = Run(form);
  EXPECT_EQ(z.RegKey(), u"1A2B-4542943750000-7FF");
  EXPECT_TRUE(support::RaisesAutomationError([&] { z.SetRegKey(u""); }, 380, u"ZelvaneTextBox",
                                             u"Invalid property value"));
  EXPECT_EQ(z.RegKey(), u"1A2B-4542943750000-7FF");
  z.SetRegKey(u"Copy");
  EXPECT_EQ(z.RegKey(), u"Copy");
  z.AddItem(u"new");
  sim::SimPropertyBag stored;
  form.Store(stored);
  EXPECT_EQ(stored.ReadProperty(u"RegKey", std::u16string()), core::Variant(std::u16string(u"Copy")));
  form.Terminate();
  EXPECT_EQ(Saved(u"Copy"), u"new\r\nold");
  EXPECT_EQ(Saved(), u"old");
}

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
