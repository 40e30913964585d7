#pragma once
#include <cstdint>
#include <string>

#include "host/font.h"
#include "host/list_box_events.h"
#include "host/row_matcher.h"
#include "host/window_control.h"

namespace zelvane::host {

/// The constituent list box that holds the rows offered in the drop-down.
/// Rows are appended at the end; one row can be removed.
class ListBox : public WindowControl {
 public:
  virtual void SetEvents(ListBoxEvents* events) = 0;

  virtual void Clear() = 0;
  virtual void AddItem(const std::u16string& item) = 0;
  /// Removes row `index` (0-based, within the rows); the rows after it move up.
  virtual void RemoveItem(std::int32_t index) = 0;
  virtual std::u16string List(std::int32_t index) const = 0;
  virtual std::int32_t ListCount() const = 0;
  /// -1 when no row is selected.
  virtual std::int32_t ListIndex() const = 0;
  virtual void SetListIndex(std::int32_t index) = 0;
  /// Painting off while a long fill runs, on again (and repainted) after it.
  virtual void SetRedraw(bool redraw) = 0;
  /// Rows draw the characters `matcher` finds in bold; null draws them plain, as
  /// the list box itself does. The matcher outlives its use here.
  virtual void SetRowMatcher(const RowMatcher* matcher) = 0;

  /// Rows read right to left, aligned to the right edge, the scroll bar on the left;
  /// or back to left to right.
  virtual void SetRightToLeft(bool rightToLeft) = 0;
  virtual std::int32_t Width() const = 0;
  virtual void SetWidth(std::int32_t width) = 0;
  virtual FontPtr Font() const = 0;
  virtual void SetFont(FontPtr font) = 0;
  /// Shows the font's point size in pixels of `twipsPerPixel` twips (the window's
  /// resolution), for this font and any set later; Font() keeps its size.
  virtual void SetFontResolution(float twipsPerPixel) = 0;
  virtual OleColor BackColor() const = 0;
  virtual void SetBackColor(OleColor color) = 0;
  virtual OleColor ForeColor() const = 0;
  virtual void SetForeColor(OleColor color) = 0;
};

}  // namespace zelvane::host
