#pragma once
#include "host/list_box.h"

#include "host/control_owner.h"

#include "host/win32/windows_api.h"

#include "host/win32/control_look.h"
#include "host/win32/matched_rows_painter.h"
#include "host/win32/screen_change_listener.h"
#include "host/win32/subclass_handler.h"
#include "host/win32/subclassed_window.h"

namespace zelvane::win32 {

/// The constituent list box: a system LISTBOX, created hidden in the surface, that
/// the drop-down later moves to the desktop as a floating window. Subclassed for
/// its mouse events; its colour requests go to the window it was created under,
/// which reflects them back here, in both places.
///
/// While it floats it stays above the other windows (topmost) and never takes the
/// activation or the keyboard focus: a click on it leaves the focus in the text box.
/// A hidden window of its own tells it of screen changes (lst_ScreenChanged), which
/// the list box, of child style even on the desktop, never hears itself.
class Win32ListBox final : public host::ListBox, private SubclassHandler {
 public:
  /// `owner` is held while the LISTBOX handles a message.
  Win32ListBox(HWND parent, host::ControlOwner& owner);
  Win32ListBox(const Win32ListBox&) = delete;
  Win32ListBox& operator=(const Win32ListBox&) = delete;
  ~Win32ListBox() override;

  host::Hwnd hWnd() const override { return reinterpret_cast<host::Hwnd>(window_.get()); }
  bool Visible() const override { return window_.Visible(); }
  void SetVisible(bool visible) override;
  void SetEvents(host::ListBoxEvents* events) override { events_ = events; }

  void Clear() override;
  /// Appends; running out of memory is std::bad_alloc.
  void AddItem(const std::u16string& item) override;
  void RemoveItem(std::int32_t index) override;
  /// The row's text; "" for a row that does not exist.
  std::u16string List(std::int32_t index) const override;
  std::int32_t ListCount() const override;
  std::int32_t ListIndex() const override;
  /// -1 clears the selection; below -1 or past the last row is VB error 380.
  void SetListIndex(std::int32_t index) override;
  void SetRedraw(bool redraw) override;
  void SetRowMatcher(const host::RowMatcher* matcher) override;

  void SetRightToLeft(bool rightToLeft) override;
  std::int32_t Width() const override;
  void SetWidth(std::int32_t width) override;
  host::FontPtr Font() const override { return look_.Font(); }
  void SetFont(host::FontPtr font) override;
  void SetFontResolution(float twipsPerPixel) override { look_.SetFontResolution(twipsPerPixel); }
  host::OleColor BackColor() const override { return look_.BackColor(); }
  void SetBackColor(host::OleColor color) override;
  host::OleColor ForeColor() const override { return look_.ForeColor(); }
  void SetForeColor(host::OleColor color) override;

  HWND hwnd() const noexcept { return window_.get(); }
  /// Removes the subclass now and destroys the window at the thread's next pass of
  /// its message loop (at once when the subclass cannot be removed): once it floats
  /// it is no child of the surface, and it must not outlive the code of its subclass.
  void DestroyWindow() noexcept;

 private:
  LRESULT OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMouseMove(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnButtonUp(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnSetFocus(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnGetObject(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  /// The LISTBOX draws a row it selects at once, plainly: the rows in view are
  /// painted again when a message moved the selection.
  LRESULT CallRepaintingSelection(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  bool Floats() const;

  host::ControlOwner& owner_;  // first: the subclass sends it messages from the start
  SubclassedWindow window_;
  host::ListBoxEvents* events_ = nullptr;  // the control; none while it is being built
  ControlLook look_;
  const host::RowMatcher* matcher_ = nullptr;  // rows drawn with bold matches; none plain
  MatchedRowsPainter painter_;
  ScreenChangeListener screen_;
};

}  // namespace zelvane::win32
