#include "host/win32/matched_rows_painter.h"

#include <algorithm>

namespace zelvane::win32 {
namespace {

// Where the list box itself starts a row's text.
constexpr int kTextIndent = 1;

// Draws `count` characters at `x` and returns where the next ones start.
int DrawRun(HDC dc, HFONT font, int x, const RECT& rect, const char16_t* text, int count) {
  if (count <= 0) return x;
  ::SelectObject(dc, font);
  const auto* wide = reinterpret_cast<const wchar_t*>(text);
  ::ExtTextOutW(dc, x, rect.top, ETO_CLIPPED, &rect, wide, static_cast<UINT>(count), nullptr);
  SIZE size{};
  ::GetTextExtentPoint32W(dc, wide, count, &size);
  return x + size.cx;
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

void MatchedRowsPainter::Paint(const host::ListBox& rows, HDC dc, HBRUSH back, const host::RowMatcher& matcher) {
  const auto list = reinterpret_cast<HWND>(rows.hWnd());
  RECT client{};
  ::GetClientRect(list, &client);
  auto font = reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
  const HGDIOBJ kept = ::SelectObject(dc, font);
  const int mode = ::SetBkMode(dc, TRANSPARENT);
  const int count = rows.ListCount();
  const int highlighted = rows.ListIndex();
  int bottom = client.top;
  for (int row = static_cast<int>(::SendMessageW(list, LB_GETTOPINDEX, 0, 0)); row < count; ++row) {
    RECT rect{};
    if (::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) == LB_ERR ||
        rect.top >= client.bottom) {
      break;
    }
    const Brushes brushes{row == highlighted ? ::GetSysColorBrush(COLOR_HIGHLIGHT) : back,
                          row == highlighted ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : ::GetTextColor(dc)};
    PaintRow(dc, rows.List(row), rect, brushes, matcher, font);
    bottom = rect.bottom;
  }
  const RECT below{client.left, bottom, client.right, client.bottom};
  if (below.top < below.bottom) ::FillRect(dc, &below, back);
  ::SetBkMode(dc, mode);
  ::SelectObject(dc, kept);
}

void MatchedRowsPainter::PaintRow(HDC dc, const std::u16string& text, const RECT& rect, const Brushes& brushes,
                                  const host::RowMatcher& matcher, HFONT font) {
  ::FillRect(dc, &rect, brushes.back);
  const COLORREF kept = ::SetTextColor(dc, brushes.text);
  const auto size = static_cast<std::int32_t>(text.size());
  const host::RowMatcher::Span span = matcher.MatchedSpan(text);
  const std::int32_t start = std::clamp(span.start, 0, size);
  const std::int32_t end = std::clamp(span.start + span.length, start, size);
  int x = rect.left + kTextIndent;
  x = DrawRun(dc, font, x, rect, text.data(), start);
  x = DrawRun(dc, BoldOf(font), x, rect, text.data() + start, end - start);
  DrawRun(dc, font, x, rect, text.data() + end, size - end);
  ::SetTextColor(dc, kept);
}

}  // namespace zelvane::win32
