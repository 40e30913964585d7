#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "control_fixture.h"
#include "host/sim/sim_messages.h"

namespace zelvane::control {
namespace {

using Span = host::RowMatcher::Span;

struct BoldCase {
  const char* name;
  std::function<void(Zelvane&, support::SimForm&)> act;
  std::vector<Span> spans;  // of the rows in view, top first; none when drawn plain
};

void PrintTo(const BoldCase& c, std::ostream* os) { *os << c.name; }

class HighlightMatchTest : public ControlTest, public ::testing::WithParamInterface<BoldCase> {};

// The rows in view draw what matched the typed text in bold, ignoring case: the
// start of the row, or its first occurrence when matching anywhere.
TEST_P(HighlightMatchTest, DrawsTheMatchedCharactersOfTheRowsInViewInBold) {
  Zelvane& z = RunningWith({u"Berlin", u"bern", u"Oberhausen"});
  z.SetHighlightMatch(true);
  GetParam().act(z, form);
  ASSERT_TRUE(form.Lst().Visible());
  EXPECT_EQ(form.Lst().DrawnBoldSpans(), GetParam().spans);
}

const auto kTyped = [](std::u16string text, bool anywhere = false, std::int16_t rows = 7) {
  return [=](Zelvane& z, support::SimForm& f) {
    z.SetMatchAnywhere(anywhere);
    z.SetListRows(rows);
    f.Type(text);
    f.Wait(150);
  };
};

INSTANTIATE_TEST_SUITE_P(
    Cases, HighlightMatchTest,
    ::testing::Values(
        BoldCase{"Prefix", kTyped(u"bE"), {Span{0, 2}, Span{0, 2}}},
        BoldCase{"AnywhereFirstOccurrence", kTyped(u"eR", true), {Span{1, 2}, Span{1, 2}, Span{2, 2}}},
        BoldCase{"OnlyTheRowsInView", kTyped(u"er", true, 2), {Span{1, 2}, Span{1, 2}}},
        BoldCase{"PatternPrefix", kTyped(u"b?r"), {Span{0, 3}, Span{0, 3}}},
        BoldCase{"PatternAnywhere", kTyped(u"a?s", true), {Span{5, 3}}},
        BoldCase{"EveryItemForAnEmptyText",
                 [](Zelvane&, support::SimForm& f) { f.Press(sim::VK_DOWN); },
                 {Span{}, Span{}, Span{}}},
        BoldCase{"OffDrawsPlain",
                 [](Zelvane& z, support::SimForm& f) {
                   z.SetHighlightMatch(false);
                   f.Type(u"be");
                   f.Wait(150);
                 },
                 {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvane::control
