#include "control_latency.h"

#include "com_error.h"
#include "message_pump.h"
#include "stopwatch.h"

namespace zelvane::demo {

namespace {

constexpr RECT kControlArea{16, 16, 256, 40};
constexpr unsigned kSettleMs = 400;
constexpr unsigned kFillTimeoutMs = 120000;

std::wstring SavedList(const std::vector<std::wstring>& items) {
  std::wstring saved;
  for (const auto& item : items) {
    if (!saved.empty()) saved += L"\r\n";
    saved += item;
  }
  return saved;
}

}  // namespace

ControlLatency::ControlLatency(const AxHostLibrary& ax, ProbeWindow& window)
    : window_(window),
      control_(ax, window.get(), kControlArea, L"control", [this](const ControlEvent& e) { OnEvent(e); }),
      list_(control_.list()) {
  control_.object().Put(L"MaxCount", Variant(32767L));
}

void ControlLatency::SetLook(bool visual_styles) {
  control_.object().Put(L"ShowButton", Variant(true));
  control_.object().Put(L"VisualStyles", Variant(visual_styles));
}

void ControlLatency::OnEvent(const ControlEvent& event) {
  if (event.name != L"KeyDown") return;
  key_down_at_ = NowMs();
  rows_at_key_down_ = static_cast<long>(::SendMessageW(list_, LB_GETCOUNT, 0, 0));
}

bool ControlLatency::ListShows(long rows) const {
  return ::IsWindowVisible(list_) && ::SendMessageW(list_, LB_GETCOUNT, 0, 0) == rows;
}

// An empty text over an empty list filters to nothing and closes the drop-down.
void ControlLatency::Close() {
  const auto& object = control_.object();
  object.Call(L"ClearList");
  object.Put(L"Text", Variant(std::wstring()));
  PumpUntil([&] { return !::IsWindowVisible(list_); }, kSettleMs);
  PumpFor(kSettleMs);
}

// The items go in while the list is closed and no filter runs.
void ControlLatency::Load(const ItemSet& set, long filter_delay_ms) {
  Close();
  control_.object().Put(L"FilterDelay", Variant(filter_delay_ms));
  control_.object().Put(L"StringValue", Variant(SavedList(set.items)));
  ::SetFocus(control_.editor());
  PumpFor(50);
}

void ControlLatency::SetHighlightMatch(bool bold) { control_.object().Put(L"HighlightMatch", Variant(bold)); }

// Stopped at the list's first painting, whatever else the key left queued (the text
// box's repaint of the letter): with or without a filter delay the clock stops alike.
double ControlLatency::Measure(const ItemSet& set, long filter_delay_ms) {
  Load(set, filter_delay_ms);
  HWND editor = control_.editor();
  const double start = NowMs();
  PostKey(editor, static_cast<WORD>(L'C'));
  if (!PumpOneByOneUntil([&] { return ListShows(static_cast<long>(set.matching.size())) && Painted(list_); },
                         kFillTimeoutMs))
    throw ComError(E_FAIL, "waiting for the control's drop-down");
  const double elapsed = NowMs() - start;
  Close();
  return elapsed;
}

KeyDuringFill ControlLatency::MeasureKeyDuringFill(const ItemSet& all_matching) {
  Load(all_matching, 0);
  KeyDuringFill result;
  result.rows_total = static_cast<long>(all_matching.matching.size());
  double posted_at = 0;
  HWND editor = control_.editor();
  // Once the fill has started, the second key goes in from a timer tick, which the
  // control's own message-loop pass dispatches between two rows. The ticking starts
  // first: with no filter delay the fill runs inside the pass that handles the key.
  window_.StartTicking(10, [&] {
    auto rows = static_cast<long>(::SendMessageW(list_, LB_GETCOUNT, 0, 0));
    if (rows <= 0 || rows >= result.rows_total) return;
    window_.StopTicking();
    result.rows_before = rows;
    posted_at = NowMs();
    PostKey(editor, static_cast<WORD>(L'D'));
  });
  PostKey(editor, static_cast<WORD>(L'C'));
  const size_t expected = StartingWith(all_matching, L"cd").size();
  bool refilled = PumpUntil(
      [&] { return posted_at > 0 && key_down_at_ > posted_at && ListShows(static_cast<long>(expected)); },
      kFillTimeoutMs);
  window_.StopTicking();
  if (!refilled) throw ComError(E_FAIL, "waiting for the refill after a key pressed during the fill");
  result.to_key_down_ms = key_down_at_ - posted_at;
  result.rows_at_key_down = rows_at_key_down_;
  result.to_refilled_ms = NowMs() - posted_at;
  Close();
  return result;
}

}  // namespace zelvane::demo
