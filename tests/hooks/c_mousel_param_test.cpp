#include <gtest/gtest.h>

#include <memory>

#include "hook_test_fixture.h"
#include "hooks/c_mousel_param.h"
#include "hooks/m_windows_hook.h"
#include "host/sim/sim_messages.h"
#include "recording_client.h"

namespace zelvane::hooks::testing {
namespace {

using mWindowsHook::AttachHook;
using mWindowsHook::DetachHook;

TEST(cMouselParamTest, InitCopiesEveryFieldOfTheRecord) {
  sim::SimDesktop desktop;
  host::MouseHookStruct record{{-40, 900}, 0x4321, 17, static_cast<std::uintptr_t>(-2)};
  cMouselParam param(desktop);
  param.Init(reinterpret_cast<host::LParam>(&record));
  record = {};  // the copy does not follow the system's record
  EXPECT_EQ(param.X(), -40);
  EXPECT_EQ(param.Y(), 900);
  EXPECT_EQ(param.hWnd(), 0x4321u);
  EXPECT_EQ(param.wHitTestCode(), 17);
  EXPECT_EQ(param.dwExtraInfo(), -2);
}

TEST(cMouselParamTest, ClientCoordinatesAreConvertedAfreshForEachWindow) {
  sim::SimDesktop desktop;
  const host::Hwnd form = desktop.CreateWindow(u"Form", 0, sim::WS_VISIBLE, 0, {300, 200, 700, 600}, nullptr);
  desktop.SetBorder(form, 4);
  const host::Hwnd child = desktop.CreateWindow(u"Child", form, sim::WS_VISIBLE, 0, {50, 60, 150, 160}, nullptr);
  host::MouseHookStruct record{{302, 350}, form, sim::HTBORDER, 0};
  cMouselParam param(desktop);
  param.Init(reinterpret_cast<host::LParam>(&record));

  // On the form's border: left of its client area.
  EXPECT_EQ(param.ClientX(form), -2);
  EXPECT_EQ(param.ClientY(form), 146);
  EXPECT_EQ(param.ClientX(child), 302 - 304 - 50);
  EXPECT_EQ(param.ClientY(child), 350 - 204 - 60);
  // The stored screen point is never changed by a conversion.
  EXPECT_EQ(param.X(), 302);
  EXPECT_EQ(param.Y(), 350);
}

TEST_F(HookServiceTest, TheMouseRecordOfAnEventOutlivesTheHookCall) {
  OnFreshThread([&] {
    const host::Hwnd form = desktop.CreateWindow(u"Form", 0, sim::WS_VISIBLE, 0, {300, 200, 700, 600}, nullptr);
    std::unique_ptr<cMouselParam> kept;
    RecordingClient a("A", log, [&](std::int32_t, host::WParam, host::LParam lParam, bool&) {
      kept = mWindowsHook::GetMouselParam(lParam);
    });
    AttachHook(desktop, &a, host::WH_MOUSE);
    desktop.MouseMove({420, 380});
    DetachHook(desktop, &a, host::WH_MOUSE);

    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->X(), 420);
    EXPECT_EQ(kept->Y(), 380);
    EXPECT_EQ(kept->hWnd(), form);
    EXPECT_EQ(kept->wHitTestCode(), static_cast<std::int32_t>(sim::HTCLIENT));
    EXPECT_EQ(kept->ClientX(form), 120);
    EXPECT_EQ(kept->ClientY(form), 180);
  });
}

}  // namespace
}  // namespace zelvane::hooks::testing
