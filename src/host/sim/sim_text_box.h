#pragma once
#include <cstdint>
#include <string>
#include <utility>

#include "host/text_box.h"
#include "host/sim/sim_window_handler.h"

namespace zelvane::sim {

class SimDesktop;

/// A single-line edit with the event order of VB's TextBox.
///
/// Keys: KeyDown(KeyCode, Shift) is raised with copies the handler may change;
/// a KeyCode left 0 skips the box's own handling of the key (Delete, Left, Right,
/// Home, End, Shift extending the selection). The character that follows raises
/// KeyPress(KeyAscii); 0 inserts nothing, otherwise the (possibly changed)
/// character replaces the selection. Backspace (8) deletes the selection or the
/// character before the caret; Ctrl+X (24), Ctrl+C (3) and Ctrl+V (22) cut, copy
/// and paste through the desktop's clipboard; other characters below 32 are not
/// inserted. KeyUp comes last. Every real change of the text raises Change.
///
/// Mouse: MouseDown/MouseMove/MouseUp in box pixels; Click after a left press and
/// release on the box; DblClick on the double-click (which selects the word),
/// and its release raises MouseUp only. A left press focuses the box and places
/// the caret (characters are CharWidth() pixels wide).
///
/// Negative Top/Width/Height and SelStart/SelLength raise VB error 380.
class SimTextBox final : public host::TextBox, public SimWindowHandler {
 public:
  /// Creates the box's window, visible, as a child of `parent` at `rect` (in the
  /// parent's client coordinates).
  SimTextBox(SimDesktop& desktop, host::Hwnd parent, host::Rect rect);
  ~SimTextBox() override;
  SimTextBox(const SimTextBox&) = delete;
  SimTextBox& operator=(const SimTextBox&) = delete;

  // host::TextBox
  void SetEvents(host::TextBoxEvents* events) override { events_ = events; }
  host::Hwnd hWnd() const override { return hwnd_; }
  bool Visible() const override;
  void SetVisible(bool visible) override;
  std::u16string Text() const override { return text_; }
  void SetText(const std::u16string& text) override;
  std::int32_t SelStart() const override;
  void SetSelStart(std::int32_t start) override;
  std::int32_t SelLength() const override;
  void SetSelLength(std::int32_t length) override;
  std::u16string SelText() const override;
  void SetSelText(const std::u16string& text) override;
  bool Focused() const override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  host::FontPtr Font() const override { return font_; }
  void SetFont(host::FontPtr font) override { font_ = std::move(font); }
  host::OleColor BackColor() const override { return backColor_; }
  void SetBackColor(host::OleColor color) override { backColor_ = color; }
  host::OleColor ForeColor() const override { return foreColor_; }
  void SetForeColor(host::OleColor color) override { foreColor_ = color; }
  void SetRightToLeft(bool rightToLeft) override;
  std::int32_t Left() const override;
  void SetLeft(std::int32_t left) override;
  std::int32_t Top() const override;
  void SetTop(std::int32_t top) override;
  std::int32_t Width() const override;
  void SetWidth(std::int32_t width) override;
  std::int32_t Height() const override;
  void SetHeight(std::int32_t height) override;

  // Test helpers
  /// The caret's position (the moving end of the selection).
  std::int32_t Caret() const { return caret_; }
  /// What a screen reader would announce as the box's name.
  std::u16string AccessibleName() const { return events_ != nullptr ? events_->txt_AccessibleName() : u""; }
  /// Removes the selection to the clipboard (raises Change if it was not empty).
  void Cut();
  void Copy() const;
  void Paste();
  int ChangeCount() const { return changes_; }
  int CharWidth() const { return charWidth_; }
  void SetCharWidth(int pixels) { charWidth_ = pixels; }

  // SimWindowHandler
  void OnMouse(std::uint32_t msg, host::Point client, int button, int shift) override;
  void OnKeyDown(int& vk, int shift) override;
  void OnKeyUp(int& vk, int shift) override;
  void OnChar(char16_t& ch) override;
  void OnFocus(bool gained) override;
  void OnMouseLeave() override;

 private:
  void ReplaceSelection(const std::u16string& text);
  void ChangeText(std::u16string text, std::int32_t caret);
  void MoveCaret(std::int32_t to, bool extend);
  void HandleKey(int vk, int shift);
  void HandleChar(char16_t ch);
  void SelectWordAt(std::int32_t position);
  std::int32_t PositionFromX(std::int32_t x) const;
  void Move(host::Rect rect);

  SimDesktop& desktop_;
  host::Hwnd hwnd_ = 0;
  host::TextBoxEvents* events_ = nullptr;
  std::u16string text_;
  std::int32_t anchor_ = 0;  // fixed end of the selection
  std::int32_t caret_ = 0;   // moving end of the selection
  host::FontPtr font_;
  host::OleColor backColor_ = 0x80000005;  // vbWindowBackground
  host::OleColor foreColor_ = 0x80000008;  // vbWindowText
  bool pressed_ = false;          // a left press on the box awaits its release
  bool afterDoubleClick_ = false; // the next release ends a double-click: no Click
  int charWidth_ = 8;
  int changes_ = 0;
};

}  // namespace zelvane::sim
