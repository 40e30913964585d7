#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "control_fixture.h"
#include "host/sim/sim_messages.h"

namespace zelvane::control {
namespace {

constexpr int kShift = 1;
constexpr int kInsert = 0x2D;

struct AppendCase {
  const char* name;
  std::function<void(Zelvane&, support::SimForm&)> before;  // ends with the typed change
  std::function<void(support::SimForm&)> last;              // the step whose events count
  std::u16string text;
  std::int32_t selStart;
  std::int32_t selLength;
  bool open;
  std::int32_t highlighted;
  Events events;  // raised by the last step, key events left out
  std::u16string mostRecent;
};

void PrintTo(const AppendCase& c, std::ostream* os) { *os << c.name; }

class AutoAppendTest : public ControlTest, public ::testing::WithParamInterface<AppendCase> {};

// Only a change that added characters at the end completes the text; the typed
// part keeps its spelling, the rest comes in the item's and is selected.
TEST_P(AutoAppendTest, CompletesOnlyWhatWasAddedAtTheEnd) {
  const AppendCase& c = GetParam();
  Zelvane& z = RunningWith({u"Oberhausen", u"Berlin", u"Bern"});
  z.SetAutoAppend(true);
  z.SetCloseOnEscape(true);
  c.before(z, form);
  form.Events().Clear();
  c.last(form);

  EXPECT_EQ(form.Txt().Text(), c.text);
  EXPECT_EQ(form.Txt().SelStart(), c.selStart);
  EXPECT_EQ(form.Txt().SelLength(), c.selLength);
  EXPECT_EQ(form.Lst().Visible(), c.open);
  EXPECT_EQ(form.Lst().ListIndex(), c.highlighted);
  Events events = form.Events().Names();
  std::erase_if(events, [](const std::string& name) { return name.starts_with("Key"); });
  EXPECT_EQ(events, c.events);
  EXPECT_EQ(z.Text(), form.Txt().Text()) << "Text is what the box shows";
  EXPECT_FALSE(form.Tmr().Enabled()) << "the completion restarts no filter delay";
  EXPECT_EQ(Items().front(), c.mostRecent);
}

const auto kType = [](std::u16string text) {
  return [text](Zelvane&, support::SimForm& f) { f.Type(text); };
};
const auto kTypeThen = [](std::u16string text, int vk, int shift = 0) {
  return [text, vk, shift](Zelvane&, support::SimForm& f) {
    f.Type(text);
    f.Wait(150);
    f.Press(vk, shift);
  };
};
const auto kPause = [](support::SimForm& f) { f.Wait(150); };
const auto kPress = [](int vk) { return [vk](support::SimForm& f) { f.Press(vk); }; };
const Events kOpened{"DropDownList"};
const Events kCompletedAndOpened{"Change", "DropDownList"};

INSTANTIATE_TEST_SUITE_P(
    Cases, AutoAppendTest,
    ::testing::Values(
        AppendCase{"TypedAtTheEnd", kType(u"bE"), kPause, u"bErlin", 2, 4, true, 0, kCompletedAndOpened, u"Oberhausen"},
        AppendCase{"PastedAtTheEnd",
                   [](Zelvane&, support::SimForm& f) {
                     f.Desktop().SetClipboardText(u"bE");
                     f.Press(kInsert, kShift);
                   },
                   kPause, u"bErlin", 2, 4, true, 0, kCompletedAndOpened, u"Oberhausen"},
        AppendCase{"TypedInTheMiddle",
                   [](Zelvane&, support::SimForm& f) {
                     f.Type(u"br");
                     f.Press(sim::VK_LEFT);
                     f.Type(u"e");
                   },
                   kPause, u"ber", 2, 0, true, -1, kOpened, u"Oberhausen"},
        AppendCase{"BackspaceRemovesTheCompletion", kTypeThen(u"ber", sim::VK_BACK), kPause, u"ber", 3, 0, true, -1,
                   kOpened, u"Oberhausen"},
        AppendCase{"DeleteRemovesTheCompletion", kTypeThen(u"ber", sim::VK_DELETE), kPause, u"ber", 3, 0, true, -1,
                   kOpened, u"Oberhausen"},
        AppendCase{"CutRemovesTheCompletion", kTypeThen(u"ber", sim::VK_DELETE, kShift), kPause, u"ber", 3, 0, true,
                   -1, kOpened, u"Oberhausen"},
        AppendCase{"PatternRowsDoNotBeginWithTheText", kType(u"b?r"), kPause, u"b?r", 3, 0, true, -1, kOpened,
                   u"Oberhausen"},
        AppendCase{"MatchAnywhereFirstRowMatchesInside",
                   [](Zelvane& z, support::SimForm& f) {
                     z.SetMatchAnywhere(true);
                     f.Type(u"be");
                   },
                   kPause, u"be", 2, 0, true, -1, kOpened, u"Oberhausen"},
        AppendCase{"TypingOverTheCompletionCompletesAgain",
                   [](Zelvane&, support::SimForm& f) {
                     f.Type(u"be");
                     f.Wait(150);
                     f.Type(u"r");
                   },
                   kPause, u"berlin", 3, 3, true, 0, kCompletedAndOpened, u"Oberhausen"},
        AppendCase{"EnterTakesTheTextAsShown", kType(u"bE"),
                   [](support::SimForm& f) {
                     f.Wait(150);
                     f.Events().Clear();
                     f.Press(sim::VK_RETURN);
                   },
                   u"bErlin", 6, 0, false, 0, Events{"CloseUpList"}, u"bErlin"},
        AppendCase{"EscapeClosesAndKeepsTheText", kType(u"bE"),
                   [](support::SimForm& f) {
                     f.Wait(150);
                     f.Events().Clear();
                     f.Press(sim::VK_ESCAPE);
                   },
                   u"bErlin", 2, 4, false, 0, Events{"CloseUpList"}, u"Oberhausen"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvane::control
