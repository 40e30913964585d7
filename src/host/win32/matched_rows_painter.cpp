#include "host/win32/matched_rows_painter.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace zelvane::win32 {
namespace {

// Where the list box itself starts a row's text.
constexpr int kTextIndent = 1;

// The direction a row reads in by itself: that of its first character with a strong
// direction (a Latin name in a right-to-left list still reads left to right), else
// the list's.
bool ReadsRightToLeft(const std::u16string& text, bool listRightToLeft) {
  std::vector<WORD> types(text.size());
  if (text.empty() || !::GetStringTypeW(CT_CTYPE2, reinterpret_cast<const wchar_t*>(text.data()),
                                        static_cast<int>(text.size()), types.data())) {
    return listRightToLeft;
  }
  for (const WORD type : types) {
    if (type == C2_RIGHTTOLEFT) return true;
    if (type == C2_LEFTTORIGHT) return false;
  }
  return listRightToLeft;
}

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

// A right-to-left list aligns its rows to the right; a row that reads right to left
// lays its runs leftwards, each read right to left.
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
    int width = 0;
  };
  Run runs[] = {{0, start, font}, {start, end, BoldOf(font)}, {end, size, font}};
  int total = 0;
  for (Run& run : runs) {
    if (run.to <= run.from) continue;
    ::SelectObject(dc, run.font);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data() + run.from), run.to - run.from, &extent);
    run.width = extent.cx;
    total += extent.cx;
  }
  const bool rowRightToLeft = ReadsRightToLeft(text, rightToLeft);
  const UINT options = ETO_CLIPPED | (rowRightToLeft ? ETO_RTLREADING : 0);
  const int left = rightToLeft ? rect.right - kTextIndent - total : rect.left + kTextIndent;
  int x = rowRightToLeft ? left + total : left;
  for (const Run& run : runs) {
    if (run.to <= run.from) continue;
    if (rowRightToLeft) x -= run.width;
    ::SelectObject(dc, run.font);
    ::ExtTextOutW(dc, x, rect.top, options, &rect, reinterpret_cast<const wchar_t*>(text.data() + run.from),
                  static_cast<UINT>(run.to - run.from), nullptr);
    if (!rowRightToLeft) x += run.width;
  }
  ::SelectObject(dc, font);
  ::SetBkColor(dc, keptBack);
  ::SetTextColor(dc, keptText);
}

}  // namespace zelvane::win32
