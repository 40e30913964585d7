#pragma once
#include <string>

#include "host/list_box.h"
#include "host/row_matcher.h"
#include "host/win32/windows_api.h"

#include "host/win32/subclassed_window.h"
#include "host/win32/unique_handle.h"

namespace zelvane::win32 {

/// Paints a LISTBOX's rows in view as the list box does (its font, its colours,
/// the highlighted row in the system's highlight colours), with the characters a
/// RowMatcher finds drawn in a bold cut of the same font. Rows out of view cost
/// nothing.
class MatchedRowsPainter {
 public:
  MatchedRowsPainter() = default;
  MatchedRowsPainter(const MatchedRowsPainter&) = delete;
  MatchedRowsPainter& operator=(const MatchedRowsPainter&) = delete;
  ~MatchedRowsPainter();

  /// `back` and the DC's text colour are the list's own, as its colour request gave them.
  /// `rows` reads the rows of `list`, whose layout is asked past its subclass.
  void Paint(const SubclassedWindow& list, const host::ListBox& rows, HDC dc, HBRUSH back,
             const host::RowMatcher& matcher);

 private:
  /// A row's background and text colour.
  struct Colors {
    COLORREF back;
    COLORREF text;
  };

  HFONT BoldOf(HFONT font);
  /// A memory DC holding a bitmap of at least the client's size, the window's colours set.
  HDC Buffer(HDC window, const RECT& client);
  void PaintRows(const SubclassedWindow& list, const host::ListBox& rows, HDC dc, const RECT& client, HBRUSH back,
                 const host::RowMatcher& matcher);
  void PaintRow(HDC dc, const std::u16string& text, const RECT& rect, const Colors& colors,
                const host::RowMatcher& matcher, HFONT font, bool rightToLeft);

  // The rows are drawn off screen and copied in one go: under Wine every call that
  // draws on the window itself is a round trip to the display.
  unique_hdc memory_;
  unique_hbitmap buffer_;
  SIZE bufferSize_{};
  HGDIOBJ memoryBitmap_ = nullptr;  // the memory DC's own bitmap, put back before it goes
  unique_hfont bold_;
  HFONT boldOf_ = nullptr;  // the font bold_ was made from
};

}  // namespace zelvane::win32
