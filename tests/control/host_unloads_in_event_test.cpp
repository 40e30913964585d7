#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <tuple>

#include "control_fixture.h"
#include "host/sim/sim_messages.h"

namespace zelvane::control {
namespace {

// A host that unloads its form inside one of the control's events (VB's
// `If KeyCode = vbKeyReturn Then Unload Me`): the control goes once its own code
// has returned, the steps it had left after the event do nothing, and the desktop
// goes on. A step that touched the control after the event fails here under ASan.

using Act = std::function<void(support::SimForm&)>;

struct UnloadCase {
  const char* name;
  const char* event;  // the event whose handler unloads; null: the refill's first message-loop pass
  Act before;         // brings the control where the case starts
  Act act;            // what the person does then
};

void Nothing(support::SimForm&) {}
void OpenList(support::SimForm& form) {
  form.Type(u"ap");
  form.Wait(150);
}
void OpenListThenMismatch(support::SimForm& form) {
  OpenList(form);
  form.Type(u"x");
}
void OpenListAndSelect(support::SimForm& form) {
  OpenList(form);
  form.Press(sim::VK_DOWN);
}
void TypeA(support::SimForm& form) { form.Type(u"a"); }
void ClickText(support::SimForm& form) { form.ClickText(); }
void ClickButton(support::SimForm& form) { form.ClickButton(); }
void ClickRow(support::SimForm& form) { form.ClickRow(0); }
void PressDown(support::SimForm& form) { form.Press(sim::VK_DOWN); }
void WaitForTheTick(support::SimForm& form) { form.Wait(150); }

const UnloadCase kCases[] = {
    {"KeyDownOfEnterOnARow", "KeyDown", OpenListAndSelect, [](auto& f) { f.Press(sim::VK_RETURN); }},
    {"KeyPress", "KeyPress", Nothing, TypeA},
    {"KeyUp", "KeyUp", Nothing, TypeA},
    {"ChangeWhileTyping", "Change", Nothing, TypeA},
    {"ChangeOfAnAcceptedRow", "Change", OpenList, ClickRow},
    {"Click", "Click", Nothing, ClickText},
    {"DblClick", "DblClick", Nothing, [](auto& f) { f.Desktop().DoubleClick(f.TextPoint()); }},
    {"MouseDownOnTheText", "MouseDown", Nothing, ClickText},
    {"MouseMoveOnTheText", "MouseMove", Nothing, [](auto& f) { f.HoverText(); }},
    {"MouseUpOnTheText", "MouseUp", Nothing, ClickText},
    {"MouseDownOnTheButton", "MouseDown", Nothing, ClickButton},
    {"MouseMoveOnTheButton", "MouseMove", Nothing, [](auto& f) { f.Desktop().MouseMove(f.ButtonPoint()); }},
    {"MouseUpOnTheButton", "MouseUp", Nothing, ClickButton},
    {"ButtonClick", "ButtonClick", Nothing, ClickButton},
    {"DropDownListOfTheFilterTick", "DropDownList", TypeA, WaitForTheTick},
    {"DropDownListOfDown", "DropDownList", Nothing, PressDown},
    {"CloseUpListOfAClickOutside", "CloseUpList", OpenList, [](auto& f) { f.ClickOutside(); }},
    {"CloseUpListOfAnAcceptedRow", "CloseUpList", OpenList, ClickRow},
    {"CloseUpListOfTheFilterTick", "CloseUpList", OpenListThenMismatch, WaitForTheTick},
    {"ListClick", "ListClick", OpenList, ClickRow},
    {"PassOfTheFilterTicksRefill", nullptr, TypeA, WaitForTheTick},
    {"PassOfDownsRefill", nullptr, TypeA, PressDown},
};

// Whether the host closes the control before it lets go of it, as a form's Unload
// does, or only lets go.
class HostUnloadsInEventTest : public ControlTest,
                               public ::testing::WithParamInterface<std::tuple<UnloadCase, bool>> {};

TEST_P(HostUnloadsInEventTest, TheControlGoesOnceItsCodeReturnedAndNothingFollows) {
  const auto& [unload, closeFirst] = GetParam();
  RunningWith({u"apricot", u"apple", u"banana"}).SetShowButton(true);
  unload.before(form);

  std::optional<std::size_t> eventsAtUnload;
  const auto unloadForm = [&] {
    if (eventsAtUnload) return;
    eventsAtUnload = form.Events().Log().size();
    if (closeFirst) form.Close();
    form.Terminate();
  };
  if (unload.event != nullptr) {
    form.Events().On(unload.event, [&](support::EventArgs&) { unloadForm(); });
  } else {
    machine.desktop.OnPass([&](int) { unloadForm(); });
  }
  unload.act(form);
  machine.desktop.OnPass({});

  ASSERT_TRUE(eventsAtUnload) << "the host never unloaded";
  EXPECT_FALSE(form.HasControl());
  EXPECT_TRUE(machine.desktop.Hooks().empty()) << "the drop-down left the mouse hook";
  EXPECT_FALSE(form.Lst().Visible());
  // The person goes on; nothing reaches the host any more.
  form.Wait(1000);
  form.Type(u"a");
  form.ClickOutside();
  form.Wait(1000);
  EXPECT_EQ(form.Events().Log().size(), *eventsAtUnload);
}

INSTANTIATE_TEST_SUITE_P(Events, HostUnloadsInEventTest,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Bool()), [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "_Closed" : "_LetGo");
                         });

}  // namespace
}  // namespace zelvane::control
