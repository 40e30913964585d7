#pragma once
#include <cstdint>
#include <string>

#include "host/font.h"
#include "host/text_box_events.h"
#include "host/window_control.h"

namespace zelvane::host {

/// The constituent single-line text box. Setting the text it already holds raises
/// no Change. Positions and sizes are pixels within the control surface.
class TextBox : public WindowControl {
 public:
  virtual void SetEvents(TextBoxEvents* events) = 0;

  virtual std::u16string Text() const = 0;
  virtual void SetText(const std::u16string& text) = 0;
  virtual std::int32_t SelStart() const = 0;
  virtual void SetSelStart(std::int32_t start) = 0;
  virtual std::int32_t SelLength() const = 0;
  virtual void SetSelLength(std::int32_t length) = 0;
  virtual std::u16string SelText() const = 0;
  virtual void SetSelText(const std::u16string& text) = 0;

  /// Whether the box has the keyboard focus.
  virtual bool Focused() const = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual FontPtr Font() const = 0;
  virtual void SetFont(FontPtr font) = 0;
  virtual OleColor BackColor() const = 0;
  virtual void SetBackColor(OleColor color) = 0;
  virtual OleColor ForeColor() const = 0;
  virtual void SetForeColor(OleColor color) = 0;

  /// Right-to-left reading, aligned to the right edge; or back to left to right.
  /// The box's window may be made anew for it (hWnd changes), raising nothing.
  virtual void SetRightToLeft(bool rightToLeft) = 0;
  virtual std::int32_t Left() const = 0;
  virtual void SetLeft(std::int32_t left) = 0;
  virtual std::int32_t Top() const = 0;
  virtual void SetTop(std::int32_t top) = 0;
  virtual std::int32_t Width() const = 0;
  virtual void SetWidth(std::int32_t width) = 0;
  virtual std::int32_t Height() const = 0;
  virtual void SetHeight(std::int32_t height) = 0;
};

}  // namespace zelvane::host
