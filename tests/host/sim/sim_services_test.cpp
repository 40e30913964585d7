#include <gtest/gtest.h>

#include <memory>

#include "core/automation_error.h"
#include "core/vb_random.h"
#include "host/sim/sim_container.h"
#include "host/sim/sim_font.h"
#include "host/sim/sim_property_bag.h"
#include "host/sim/sim_random.h"

namespace zelvane::sim {
namespace {

using core::Variant;

struct SameValueCase {
  Variant a, b;
  bool same;
};

class PropertyBagSameValueTest : public ::testing::TestWithParam<SameValueCase> {};

TEST_P(PropertyBagSameValueTest, ComparesAsVbDoes) {
  EXPECT_EQ(SimPropertyBag::SameValue(GetParam().a, GetParam().b), GetParam().same);
}

const core::ObjectPtr kFont = MakeSimFont();

INSTANTIATE_TEST_SUITE_P(
    Values, PropertyBagSameValueTest,
    ::testing::Values(SameValueCase{std::int16_t{100}, std::int32_t{100}, true},
                      SameValueCase{true, std::int16_t{-1}, true}, SameValueCase{false, 0.0, true},
                      SameValueCase{std::int16_t{1}, std::int16_t{2}, false},
                      SameValueCase{std::u16string(u"a"), std::u16string(u"a"), true},
                      SameValueCase{std::u16string(u"a"), std::u16string(u"A"), false},
                      SameValueCase{std::u16string(u"1"), std::int16_t{1}, false},
                      SameValueCase{kFont, kFont, true}, SameValueCase{kFont, core::ObjectPtr(MakeSimFont()), false}));

TEST(SimPropertyBag, DefaultsAreLoggedButNotStoredAndReadsFallBackToTheDefault) {
  SimPropertyBag bag;
  bag.WriteProperty(u"MaxCount", std::int16_t{100}, std::int16_t{100});
  bag.WriteProperty(u"Text", std::u16string(u"hi"), std::u16string());
  EXPECT_FALSE(bag.Has(u"MaxCount"));
  EXPECT_EQ(bag.Value(u"Text"), Variant(std::u16string(u"hi")));
  EXPECT_EQ(bag.ReadProperty(u"MaxCount", std::int16_t{7}), Variant(std::int16_t{7}));
  bag.WriteProperty(u"Text", std::u16string(), std::u16string());
  EXPECT_FALSE(bag.Has(u"Text")) << "writing the default removes the earlier value";
  EXPECT_EQ(bag.LoggedNames(PropertyAccess::Kind::Write),
            (std::vector<std::u16string>{u"MaxCount", u"Text", u"Text"}));
  EXPECT_EQ(bag.LoggedNames(PropertyAccess::Kind::Read), (std::vector<std::u16string>{u"MaxCount"}));
}

TEST(SimPropertyBag, RawValuesOfAnyKindReadBackAsSetInInsertionOrder) {
  SimPropertyBag bag;
  bag.Set(u"B", core::Null{});
  bag.Set(u"A", 2.5);
  EXPECT_EQ(bag.ReadProperty(u"B", std::int16_t{1}), Variant(core::Null{}));
  ASSERT_EQ(bag.Entries().size(), 2u);
  EXPECT_EQ(bag.Entries()[0].first, u"B");
  EXPECT_TRUE(bag.Log().size() == 1u) << "Set is not logged";
}

TEST(SimContainer, WithoutAScaleModeTheLookupRaises438) {
  SimContainer container;
  EXPECT_EQ(container.ParentScaleMode(), 1);
  container.SetNoScaleMode();
  try {
    container.ParentScaleMode();
    FAIL() << "no error";
  } catch (const core::AutomationError& error) {
    EXPECT_EQ(error.number(), 438);
  }
  container.PropertyChanged(u"Text");
  container.PropertyChanged(u"SelStart");
  EXPECT_EQ(container.PropertyChanges(), (std::vector<std::u16string>{u"Text", u"SelStart"}));
  container.SetUserMode(false);
  EXPECT_FALSE(container.AmbientUserMode());
  EXPECT_EQ(container.UserModeReads(), 1);
}

TEST(SimRandom, ScriptedValuesComeFirstThenVbsSequence) {
  SimRandom random;
  random.Script({0.25f, 0.5f});
  EXPECT_EQ(random.Rnd(), 0.25f);
  EXPECT_EQ(random.Rnd(), 0.5f);
  core::VbRandom reference;
  EXPECT_EQ(random.Rnd(), reference.Next());
  EXPECT_EQ(random.CallCount(), 3);
}

}  // namespace
}  // namespace zelvane::sim
