#include <string>
#include <string_view>

#include "control/redraw_pause.h"
#include "control/scoped_flag.h"
#include "control/zelvane.h"
#include "core/pattern_match.h"
#include "host/control_hold.h"

namespace zelvane::control {

void Zelvane::tmr_Timer() {
  const host::ControlHold hold(site_.owner);
  site_.tmr.SetEnabled(false);
  FilterList();
}

// Nested calls from the message-loop passes do nothing: the run under way sees
// the changed text at its next check and starts over. Every caller holds the
// control, so it outlives a pass in which the host closes it; the run ends there.
void Zelvane::FilterList() {
  if (filterBusy_) return;
  {
    ScopedFlag busy(filterBusy_);
    while (!FillMatchingRows()) {
      if (Closed()) return;
    }
  }
  DecideDropDown();
}

// One pass over the item list; false when the text changed under it or the host
// closed the control during a message-loop pass. The list may change during the
// passes too: the enumerator stays safe and walks on, and the next FilterList
// shows the list as it then stands.
bool Zelvane::FillMatchingRows() {
  host::ListBox& lst = *site_.lst;
  RedrawPause pause(lst);
  const std::u16string typed = site_.textCase.ToUpper(site_.txt.Text());
  lst.Clear();
  matchedSpans_.SetFilter(typed, options_.MatchAnywhere);
  site_.messageLoop.BeginPasses();
  // Matching anywhere: as if a '*' stood before the typed text too.
  const core::LikePattern pattern(options_.MatchAnywhere ? u"*" + typed + u"*" : typed + u"*");
  std::u16string row;
  std::uint64_t textChangesSeen = textChanges_;
  bool finished = true;
  itemList_->NewEnum().VisitWhere([&pattern](std::u16string_view upper) { return pattern.Matches(upper); },
                                  [&](std::u16string_view item) {
                                    row.assign(item);
                                    lst.AddItem(row);
                                    site_.messageLoop.DoEvents();
                                    if (Closed()) return finished = false;
                                    // Reading the text back is a round trip to the window: only after a change.
                                    if (textChanges_ != textChangesSeen) {
                                      textChangesSeen = textChanges_;
                                      finished = site_.textCase.ToUpper(site_.txt.Text()) == typed;
                                    }
                                    return finished;
                                  });
  return finished;
}

// An empty text offers every item; a typed one only those that match it.
void Zelvane::FilterOrShowAll() {
  if (site_.txt.Text().empty()) {
    ShowFullList();
  } else {
    FilterList();
  }
}

void Zelvane::DecideDropDown() {
  const std::u16string text = site_.txt.Text();
  const std::int32_t rows = site_.lst->ListCount();
  const bool onlyTheTextItself =
      rows == 1 && site_.textCase.ToUpper(site_.lst->List(0)) == site_.textCase.ToUpper(text);
  if (text.empty() || rows == 0 || onlyTheTextItself) {
    appendDue_ = false;
    HideList();
    return;
  }
  const bool appended = AppendFirstRow();
  if (Closed()) return;
  ShowList();
  if (!appended || Closed() || !site_.lst->Visible()) return;
  site_.lst->SetListIndex(0);
  AnnounceHighlight();
}

}  // namespace zelvane::control
