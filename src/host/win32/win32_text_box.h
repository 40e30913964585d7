#pragma once
#include "host/text_box.h"

#include "host/control_owner.h"

#include "host/win32/windows_api.h"

#include <functional>
#include <memory>

#include "host/win32/click_tracker.h"
#include "host/win32/control_look.h"
#include "host/win32/leave_tracker.h"
#include "host/win32/subclass_handler.h"
#include "host/win32/subclassed_window.h"

namespace zelvane::win32 {

/// The constituent text box: a system EDIT (single line, scrolling sideways) in the
/// surface, subclassed so its key and mouse input reach the control first, with the
/// key arguments by reference: what the handler leaves is what the EDIT gets, and 0
/// swallows the key. Its EN_CHANGE and colour requests come back reflected from the
/// surface.
///
/// KeyPress carries the UTF-16 code unit of WM_CHAR as a 16-bit integer, so units
/// from 0x8000 up arrive negative (VB's Integer holds them so) and characters outside
/// the basic plane arrive as two KeyPress calls, one per surrogate.
class Win32TextBox final : public host::TextBox, private SubclassHandler {
 public:
  /// Creates the EDIT visible, at 0,0 with no size, under the surface `parent`;
  /// `owner` is held while the EDIT handles a message.
  Win32TextBox(HWND parent, host::ControlOwner& owner);
  Win32TextBox(const Win32TextBox&) = delete;
  Win32TextBox& operator=(const Win32TextBox&) = delete;
  ~Win32TextBox() override;

  host::Hwnd hWnd() const override { return reinterpret_cast<host::Hwnd>(window_.get()); }
  bool Visible() const override { return window_.Visible(); }
  void SetVisible(bool visible) override;
  void SetEvents(host::TextBoxEvents* events) override { events_ = events; }

  std::u16string Text() const override;
  /// Raises no Change when the box holds the text already.
  void SetText(const std::u16string& text) override;
  std::int32_t SelStart() const override;
  /// Places the caret, no selection; past the end means at the end; negative is VB error 380.
  void SetSelStart(std::int32_t start) override;
  std::int32_t SelLength() const override;
  /// Selects from SelStart on; negative is VB error 380.
  void SetSelLength(std::int32_t length) override;
  std::u16string SelText() const override;
  /// Replaces the selection (or inserts at the caret), which raises Change.
  void SetSelText(const std::u16string& text) override;

  bool Focused() const override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  host::FontPtr Font() const override { return look_.Font(); }
  /// Takes a Win32Font (VB error 13 for any other object); no object keeps the font.
  void SetFont(host::FontPtr font) override;
  host::OleColor BackColor() const override { return look_.BackColor(); }
  void SetBackColor(host::OleColor color) override;
  host::OleColor ForeColor() const override { return look_.ForeColor(); }
  void SetForeColor(host::OleColor color) override;

  void SetRightToLeft(bool rightToLeft) override;
  std::int32_t Left() const override;
  void SetLeft(std::int32_t left) override;
  std::int32_t Top() const override;
  void SetTop(std::int32_t top) override;
  std::int32_t Width() const override;
  void SetWidth(std::int32_t width) override;
  std::int32_t Height() const override;
  void SetHeight(std::int32_t height) override;

  HWND hwnd() const noexcept { return window_.get(); }
  /// Called after the EDIT was made anew (it takes its alignment only when created).
  void SetOnRecreated(std::function<void()> recreated) { recreated_ = std::move(recreated); }
  /// The name screen readers announce for the box; empty for none.
  std::u16string AccessibleName() const;

 private:
  LRESULT OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnKey(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnChar(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnButtonDown(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnButtonUp(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseMove(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseLeave(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnFocus(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnDoubleClick(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnGetDlgCode(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnGetObject(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  bool ClaimedKey(const MSG& msg) const;
  LRESULT OnCommand(WPARAM wParam);

  host::ControlOwner& owner_;  // first: the subclass sends it messages from the start
  SubclassedWindow window_;
  host::TextBoxEvents* events_ = nullptr;  // the control; none while it is being built
  ControlLook look_;
  ClickTracker click_;
  // What the box's accessible object reaches it through; cleared when it goes.
  std::shared_ptr<Win32TextBox*> accessibleLink_ = std::make_shared<Win32TextBox*>(this);
  LeaveTracker leave_;
  std::function<void()> recreated_;
};

}  // namespace zelvane::win32
