#include "host/win32/matched_rows_painter.h"

#include <algorithm>
#include <utility>

namespace zelvane::win32 {
namespace {

// Where the list box itself starts a row's text.
constexpr int kTextIndent = 1;

}  // namespace

HFONT MatchedRowsPainter::BoldOf(HFONT font) {
  if (font != boldOf_ || !bold_) {
    LOGFONTW face{};
    ::GetObjectW(font, sizeof(face), &face);
    face.lfWeight = FW_BOLD;
    bold_.reset(::CreateFontIndirectW(&face));
    boldOf_ = font;
  }
  return bold_ ? bold_.get() : font;
}

MatchedRowsPainter::~MatchedRowsPainter() {
  if (memory_ && memoryBitmap_) ::SelectObject(memory_.get(), memoryBitmap_);
}

HDC MatchedRowsPainter::Buffer(HDC window, const RECT& client) {
  const SIZE size{std::max(client.right - client.left, 1L), std::max(client.bottom - client.top, 1L)};
  if (!memory_) memory_.reset(::CreateCompatibleDC(window));
  if (!memory_) return nullptr;
  if (!buffer_ || size.cx > bufferSize_.cx || size.cy > bufferSize_.cy) {
    unique_hbitmap bitmap(::CreateCompatibleBitmap(window, size.cx, size.cy));
    if (!bitmap) return nullptr;
    const HGDIOBJ previous = ::SelectObject(memory_.get(), bitmap.get());
    if (!memoryBitmap_) memoryBitmap_ = previous;
    buffer_ = std::move(bitmap);
    bufferSize_ = size;
  }
  ::SetTextColor(memory_.get(), ::GetTextColor(window));
  ::SetBkColor(memory_.get(), ::GetBkColor(window));
  return memory_.get();
}

void MatchedRowsPainter::Paint(const SubclassedWindow& list, const host::ListBox& rows, HDC dc, HBRUSH back,
                               const host::RowMatcher& matcher) {
  RECT client{};
  ::GetClientRect(list.get(), &client);
  const HDC buffer = Buffer(dc, client);
  if (!buffer) {
    PaintRows(list, rows, dc, client, back, matcher);
    return;
  }
  PaintRows(list, rows, buffer, client, back, matcher);
  ::BitBlt(dc, client.left, client.top, client.right - client.left, client.bottom - client.top, buffer, client.left,
           client.top, SRCCOPY);
}

void MatchedRowsPainter::PaintRows(const SubclassedWindow& list, const host::ListBox& rows, HDC dc, const RECT& client,
                                   HBRUSH back, const host::RowMatcher& matcher) {
  auto font = reinterpret_cast<HFONT>(list.SendPastHandler(WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
  const HGDIOBJ kept = ::SelectObject(dc, font);
  const int mode = ::SetBkMode(dc, TRANSPARENT);
  const Colors normal{::GetBkColor(dc), ::GetTextColor(dc)};
  const bool rightToLeft = (::GetWindowLongPtrW(list.get(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
  const int count = rows.ListCount();
  const int highlighted = rows.ListIndex();
  int bottom = client.top;
  for (int row = static_cast<int>(list.SendPastHandler(LB_GETTOPINDEX, 0, 0)); row < count; ++row) {
    RECT rect{};
    if (list.SendPastHandler(LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) == LB_ERR ||
        rect.top >= client.bottom) {
      break;
    }
    const Colors colors =
        row == highlighted ? Colors{::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HIGHLIGHTTEXT)} : normal;
    PaintRow(dc, rows.List(row), rect, colors, matcher, font, rightToLeft);
    bottom = rect.bottom;
  }
  const RECT below{client.left, bottom, client.right, client.bottom};
  if (below.top < below.bottom) ::FillRect(dc, &below, back);
  ::SetBkMode(dc, mode);
  ::SelectObject(dc, kept);
}

// Right to left, the runs go leftwards from the right edge, each read right to left.
void MatchedRowsPainter::PaintRow(HDC dc, const std::u16string& text, const RECT& rect, const Colors& colors,
                                  const host::RowMatcher& matcher, HFONT font, bool rightToLeft) {
  const COLORREF keptText = ::SetTextColor(dc, colors.text);
  const COLORREF keptBack = ::SetBkColor(dc, colors.back);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  const auto size = static_cast<std::int32_t>(text.size());
  const host::RowMatcher::Span span = matcher.MatchedSpan(text);
  const std::int32_t start = std::clamp(span.start, 0, size);
  const std::int32_t end = std::clamp(span.start + span.length, start, size);
  struct Run {
    std::int32_t from, to;
    HFONT font;
  };
  const Run runs[] = {{0, start, font}, {start, end, BoldOf(font)}, {end, size, font}};
  const UINT options = ETO_CLIPPED | (rightToLeft ? ETO_RTLREADING : 0);
  int x = rightToLeft ? rect.right - kTextIndent : rect.left + kTextIndent;
  for (const Run& run : runs) {
    if (run.to <= run.from) continue;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data() + run.from);
    const int count = run.to - run.from;
    ::SelectObject(dc, run.font);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, wide, count, &extent);
    if (rightToLeft) x -= extent.cx;
    ::ExtTextOutW(dc, x, rect.top, options, &rect, wide, static_cast<UINT>(count), nullptr);
    if (!rightToLeft) x += extent.cx;
  }
  ::SelectObject(dc, font);
  ::SetBkColor(dc, keptBack);
  ::SetTextColor(dc, keptText);
}

}  // namespace zelvane::win32
