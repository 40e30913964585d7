#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/list_box.h"
#include "host/sim/sim_window_handler.h"

namespace zelvane::sim {

class SimDesktop;

/// A single-selection LISTBOX. Created hidden; held by std::shared_ptr because
/// the drop-down holds it too.
///
/// Rows are ItemHeight() pixels high from the top of the client area, starting
/// at TopIndex(); selecting a row scrolls it into view. A left press selects the
/// row under the point (and dragging with the left button held follows the
/// pointer), as a real list box does; every move raises lst_MouseMove and every
/// release lst_MouseUp, in list-box pixels. Messages: LB_GETITEMHEIGHT,
/// LB_GETCURSEL, LB_SETCURSEL (-1 clears and answers LB_ERR; out of range answers
/// LB_ERR and changes nothing), LB_GETCOUNT, LB_GETTOPINDEX, LB_SETTOPINDEX.
class SimListBox final : public host::ListBox, public SimWindowHandler {
 public:
  SimListBox(SimDesktop& desktop, host::Hwnd parent, host::Rect rect);
  ~SimListBox() override;
  SimListBox(const SimListBox&) = delete;
  SimListBox& operator=(const SimListBox&) = delete;

  // host::ListBox
  void SetEvents(host::ListBoxEvents* events) override { events_ = events; }
  host::Hwnd hWnd() const override { return hwnd_; }
  bool Visible() const override;
  void SetVisible(bool visible) override;
  void Clear() override;
  void AddItem(const std::u16string& item) override;
  /// As LB_DELETESTRING: a selected row that goes leaves no row selected, a later
  /// selected row moves up with its row. An index outside the rows raises VB error 5.
  void RemoveItem(std::int32_t index) override;
  /// "" for an index outside the rows.
  std::u16string List(std::int32_t index) const override;
  std::int32_t ListCount() const override { return static_cast<std::int32_t>(rows_.size()); }
  std::int32_t ListIndex() const override { return selected_; }
  /// -1 clears; other values outside the rows raise VB error 380.
  void SetListIndex(std::int32_t index) override;
  void SetRedraw(bool redraw) override;
  void SetRightToLeft(bool rightToLeft) override;
  void SetRowMatcher(const host::RowMatcher* matcher) override { matcher_ = matcher; }
  std::int32_t Width() const override;
  /// A negative width raises VB error 380.
  void SetWidth(std::int32_t width) override;
  host::FontPtr Font() const override { return font_; }
  void SetFont(host::FontPtr font) override { font_ = std::move(font); }
  /// Re-measures the rows as the system's list box does for a font shown at
  /// another resolution: the item height scales by the change (the first
  /// resolution set only records).
  void SetFontResolution(float twipsPerPixel) override;
  host::OleColor BackColor() const override { return backColor_; }
  void SetBackColor(host::OleColor color) override { backColor_ = color; }
  host::OleColor ForeColor() const override { return foreColor_; }
  void SetForeColor(host::OleColor color) override { foreColor_ = color; }

  // Test helpers
  const std::vector<std::u16string>& Rows() const { return rows_; }
  int ItemHeight() const { return itemHeight_; }
  /// The resolution the font is shown at (twips per pixel); 0 until one is set.
  float FontResolution() const { return fontTwipsPerPixel_; }
  void SetItemHeight(int pixels);
  std::int32_t TopIndex() const { return top_; }
  void SetTopIndex(std::int32_t index);
  /// Whole rows that fit in the client area (at least 1).
  std::int32_t VisibleRowCount() const;
  bool Redrawing() const { return redraw_; }
  /// The bold part of each row in view, as the rows are drawn; none drawn plain.
  std::vector<host::RowMatcher::Span> DrawnBoldSpans() const;
  int RedrawOffCount() const { return redrawOffs_; }
  int RedrawOnCount() const { return redrawOns_; }
  /// Rows appended while painting was off, over the list box's life.
  int RowsAddedWhileRedrawOff() const { return rowsAddedQuietly_; }
  /// Rows appended while painting was on: each would have repainted the list.
  int RowsAddedWhileRedrawOn() const { return rowsAddedLoudly_; }

  // SimWindowHandler
  void OnMouse(std::uint32_t msg, host::Point client, int button, int shift) override;
  host::LResult OnMessage(std::uint32_t msg, host::WParam wParam, host::LParam lParam) override;
  int ItemFromPt(host::Point screen, bool autoScroll) override;
  void OnSize() override;
  void OnScreenChanged() override;

 private:
  void Select(std::int32_t index);
  void ScrollIntoView(std::int32_t index);
  std::int32_t RowAtClient(host::Point client) const;
  host::LResult SetCurSel(std::int32_t index);
  void ClampTop();

  SimDesktop& desktop_;
  host::Hwnd hwnd_ = 0;
  host::ListBoxEvents* events_ = nullptr;
  std::vector<std::u16string> rows_;
  std::int32_t selected_ = -1;
  std::int32_t top_ = 0;
  int itemHeight_ = 16;
  host::FontPtr font_;
  float fontTwipsPerPixel_ = 0.0f;
  const host::RowMatcher* matcher_ = nullptr;
  host::OleColor backColor_ = 0x80000005;  // vbWindowBackground
  host::OleColor foreColor_ = 0x80000008;  // vbWindowText
  bool redraw_ = true;
  int redrawOffs_ = 0;
  int redrawOns_ = 0;
  int rowsAddedQuietly_ = 0;
  int rowsAddedLoudly_ = 0;
};

}  // namespace zelvane::sim
