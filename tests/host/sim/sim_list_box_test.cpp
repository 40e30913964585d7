#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/automation_error.h"
#include "host/sim/sim_desktop.h"
#include "host/sim/sim_list_box.h"
#include "host/sim/sim_messages.h"

namespace zelvane::sim {
namespace {

class ListEvents final : public host::ListBoxEvents {
 public:
  void lst_MouseMove(std::int16_t& B, std::int16_t&, float& X, float& Y) override { Log("MouseMove", B, X, Y); }
  void lst_MouseUp(std::int16_t& B, std::int16_t&, float& X, float& Y) override { Log("MouseUp", B, X, Y); }
  void lst_ScreenChanged() override { log.push_back("ScreenChanged"); }
  std::vector<std::string> log;

 private:
  void Log(const char* name, int button, float x, float y) {
    log.push_back(std::string(name) + " " + std::to_string(button) + " " + std::to_string(static_cast<int>(x)) +
                  "," + std::to_string(static_cast<int>(y)));
  }
};

// A list box of 10 rows, 16 pixels each, 4 rows high, shown on the desktop at 200,300.
class ListBoxTest : public ::testing::Test {
 protected:
  ListBoxTest() {
    list->SetEvents(&events);
    for (int i = 0; i < 10; ++i) list->AddItem(u"row" + std::u16string(1, static_cast<char16_t>(u'0' + i)));
    desktop.SetParent(list->hWnd(), desktop.GetDesktopWindow());
    desktop.MoveWindow(list->hWnd(), 200, 300, 100, 64, true);
    list->SetVisible(true);
  }
  host::LResult Send(std::uint32_t msg, host::WParam wParam = 0) {
    return desktop.SendMessageW(list->hWnd(), msg, wParam, 0);
  }

  SimDesktop desktop;
  host::Hwnd form = desktop.CreateWindow(u"Form", 0, WS_VISIBLE, 0, {0, 0, 100, 100}, nullptr);
  std::shared_ptr<SimListBox> list = std::make_shared<SimListBox>(desktop, form, host::Rect{0, 0, 100, 50});
  ListEvents events;
};

TEST(ListBox, IsCreatedHidden) {
  SimDesktop desktop;
  SimListBox list(desktop, 0, {0, 0, 10, 10});
  EXPECT_FALSE(list.Visible());
  EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(ListBoxTest, LBItemFromPtFindsTheRowUnderAScreenPointInsideTheClientArea) {
  struct Case {
    host::Point pt;
    int row;
  };
  for (const Case c : {Case{{200, 300}, 0}, Case{{299, 315}, 0}, Case{{250, 316}, 1}, Case{{250, 363}, 3},
                       Case{{250, 364}, -1}, Case{{300, 310}, -1}, Case{{199, 310}, -1}}) {
    EXPECT_EQ(desktop.LBItemFromPt(list->hWnd(), c.pt, false), c.row) << c.pt.x << "," << c.pt.y;
  }
  list->SetTopIndex(5);
  EXPECT_EQ(desktop.LBItemFromPt(list->hWnd(), {250, 316}, false), 6);
}

TEST_F(ListBoxTest, RowsBelowTheLastItemAreNoRow) {
  list->Clear();
  list->AddItem(u"only");
  EXPECT_EQ(desktop.LBItemFromPt(list->hWnd(), {250, 320}, false), -1);
}

TEST_F(ListBoxTest, ListBoxMessagesReadAndSetTheSelection) {
  EXPECT_EQ(Send(host::LB_GETITEMHEIGHT), 16);
  EXPECT_EQ(Send(host::LB_GETCURSEL), host::LB_ERR);
  EXPECT_EQ(Send(host::LB_SETCURSEL, 7), 7);
  EXPECT_EQ(list->ListIndex(), 7);
  EXPECT_EQ(list->TopIndex(), 4) << "scrolled so the selection is visible";
  EXPECT_EQ(Send(host::LB_SETCURSEL, 10), host::LB_ERR);
  EXPECT_EQ(list->ListIndex(), 7) << "out of range changes nothing";
  EXPECT_EQ(Send(host::LB_SETCURSEL, static_cast<host::WParam>(-1)), host::LB_ERR);
  EXPECT_EQ(list->ListIndex(), -1) << "-1 clears";
  EXPECT_EQ(Send(LB_GETCOUNT), 10);
  list->SetItemHeight(20);
  EXPECT_EQ(Send(host::LB_GETITEMHEIGHT), 20);
}

TEST_F(ListBoxTest, ListIndexScrollsUpAndDownAndRefusesBadValues) {
  list->SetListIndex(9);
  EXPECT_EQ(list->TopIndex(), 6);
  list->SetListIndex(2);
  EXPECT_EQ(list->TopIndex(), 2);
  EXPECT_THROW(list->SetListIndex(10), core::AutomationError);
  EXPECT_THROW(list->SetListIndex(-2), core::AutomationError);
  EXPECT_EQ(list->ListIndex(), 2);
  EXPECT_EQ(list->List(10), u"");
  EXPECT_EQ(list->List(3), u"row3");
}

TEST_F(ListBoxTest, APressSelectsTheRowAndMovesAndReleasesRaiseEventsInListPixels) {
  desktop.MouseMove({210, 340});
  EXPECT_EQ(list->ListIndex(), -1) << "hovering alone selects nothing";
  desktop.MouseDown({210, 340});
  EXPECT_EQ(list->ListIndex(), 2);
  desktop.MouseMove({210, 350});
  EXPECT_EQ(list->ListIndex(), 3) << "dragging follows the pointer";
  desktop.MouseUp({210, 350});
  EXPECT_EQ(events.log, (std::vector<std::string>{"MouseMove 0 10,40", "MouseMove 1 10,50", "MouseUp 1 10,50"}));
}

TEST_F(ListBoxTest, RedrawCountsShowWhetherAFillPaintedPerRow) {
  list->Clear();
  list->SetRedraw(false);
  for (int i = 0; i < 50; ++i) list->AddItem(u"x");
  list->SetRedraw(true);
  list->AddItem(u"y");
  EXPECT_EQ(list->RedrawOffCount(), 1);
  EXPECT_EQ(list->RedrawOnCount(), 1);
  EXPECT_EQ(list->RowsAddedWhileRedrawOff(), 50);
  EXPECT_EQ(list->RowsAddedWhileRedrawOn(), 11) << "the fixture's 10 rows and one more";
}

}  // namespace
}  // namespace zelvane::sim
