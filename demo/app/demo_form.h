#pragma once
#include <windows.h>

#include "ax_host_library.h"
#include "hosted_control.h"
#include "window_class.h"

#include "host/win32/unique_handle.h"

namespace zelvane::demo {

/// The demo's form: a hint for the person, a control with the drop-down button and
/// the three-dimensional look drawn in the system's visual style holding recent
/// cities, and a flat control without the button holding earlier searches, which
/// matches anywhere and lets Shift+Delete remove an entry. Its layout follows the
/// screen's DPI.
class DemoForm {
 public:
  DemoForm(const AxHostLibrary& ax, const EventSink::Handler& handler);

  void Show() const;
  HWND window() const { return window_.get(); }
  const HostedControl& cities() const { return cities_; }
  const HostedControl& searches() const { return searches_; }
  /// The screen area of the form and of any drop-down list open below it.
  RECT ScreenArea() const;
  /// The screen area of one of the two controls with its label and its list when open,
  /// and a small margin.
  RECT ControlArea(const HostedControl& control) const;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  WindowClass class_;
  win32::unique_hwnd window_;
  win32::unique_hwnd hint_;
  win32::unique_hwnd cities_label_;
  win32::unique_hwnd searches_label_;
  HostedControl cities_;
  HostedControl searches_;
};

}  // namespace zelvane::demo
