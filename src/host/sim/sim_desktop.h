#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "host/message_loop.h"
#include "host/win_types.h"
#include "host/window_system.h"
#include "host/sim/sim_hook_table.h"
#include "host/sim/sim_message_queue.h"
#include "host/sim/sim_window_handler.h"
#include "host/sim/sim_window_tree.h"

namespace zelvane::sim {

class SimTimer;

/// One entry of the desktop's drawing log, in call order.
struct DrawRecord {
  enum class Kind { FrameControl, Cls, ThemeBackground };
  Kind kind = Kind::FrameControl;
  host::Hdc hdc = 0;
  host::Rect rect{};       // not for Cls
  std::uint32_t type = 0;  // DrawFrameControl only
  std::uint32_t state = 0; // not for Cls
  int part = 0;            // DrawThemeBackground only
  host::OleColor backdrop = 0;  // DrawThemeBackground only
};

/// One SendMessageW call, in call order.
struct SentMessage {
  host::Hwnd hwnd = 0;
  std::uint32_t msg = 0;
  host::WParam wParam = 0;
  host::LParam lParam = 0;
};

/// One NotifyWinEvent call, in call order.
struct WinEventRecord {
  std::uint32_t event = 0;
  host::Hwnd hwnd = 0;
  std::int32_t idObject = 0;
  std::int32_t idChild = 0;
  bool operator==(const WinEventRecord&) const = default;
};

/// One display monitor, in virtual-screen coordinates.
struct SimMonitor {
  host::Rect rcMonitor{};
  host::Rect rcWork{};  // what the task bar and docked tool bars leave free
};

/// A deterministic, headless model of the parts of Windows the control touches:
/// a window tree with styles, screen rectangles, visibility and z-order; focus and
/// mouse capture; per-thread hook chains that see injected input before the
/// target window; a message queue run by DoEvents; timers on a virtual clock.
///
/// Input injection is synchronous and runs on the calling thread's hook chains.
/// Exceptions thrown by handlers and hook procedures propagate to the caller (so
/// tests see them); the desktop's own state stays consistent.
///
/// The desktop must outlive every window, handler and timer that uses it.
class SimDesktop final : public host::WindowSystem, public host::MessageLoop {
 public:
  explicit SimDesktop(int screenWidth = 1024, int screenHeight = 768);
  ~SimDesktop() override;
  SimDesktop(const SimDesktop&) = delete;
  SimDesktop& operator=(const SimDesktop&) = delete;

  // ---- Window tree ----

  /// Creates a window; parent 0 means the desktop window. The rectangle is in the
  /// parent's client coordinates (screen coordinates for desktop children). A new
  /// child lies above its earlier siblings. WS_VISIBLE in `style` makes it
  /// visible, WS_DISABLED disabled. `handler` may be null and is not owned.
  host::Hwnd CreateWindow(std::u16string className, host::Hwnd parent, std::intptr_t style,
                          std::intptr_t exStyle, host::Rect rectInParentClient, SimWindowHandler* handler);
  /// Destroys the window and all its descendants; releases focus and capture
  /// held inside it. False for an unknown window or the desktop window.
  bool DestroyWindow(host::Hwnd hwnd);
  bool IsWindow(host::Hwnd hwnd) const;
  /// Replaces (or clears, with null) the window's handler.
  void SetHandler(host::Hwnd hwnd, SimWindowHandler* handler);
  std::u16string ClassName(host::Hwnd hwnd) const;
  void SetWindowText(host::Hwnd hwnd, std::u16string text);
  /// Sets the window's own visibility flag (WS_VISIBLE); showing brings it to the
  /// top of its siblings. A change is followed by WM_WINDOWPOSCHANGED (lParam 0, no
  /// WINDOWPOS). Returns whether it was visible before.
  bool ShowWindow(host::Hwnd hwnd, bool show);
  /// Minimizes the window (WS_MINIMIZE, IsIconic) or restores it, followed by
  /// WM_WINDOWPOSCHANGED as ShowWindow; it stays visible, as a minimized window does.
  void MinimizeWindow(host::Hwnd hwnd, bool minimize);
  /// WM_ACTIVATEAPP to every top-level window, as when a window of another thread
  /// or program is activated (false) or one of this thread's comes back (true).
  void ActivateApp(bool active);
  /// The window's own WS_VISIBLE flag (VB's Visible property).
  bool IsShown(host::Hwnd hwnd) const;
  /// Returns whether the window was disabled before (as Win32 does).
  bool EnableWindow(host::Hwnd hwnd, bool enable);
  /// The window's own flag (WS_DISABLED clear), as Win32's IsWindowEnabled.
  bool IsWindowEnabled(host::Hwnd hwnd) const;
  host::Hwnd GetParent(host::Hwnd hwnd) const;
  /// Children bottom to top.
  std::vector<host::Hwnd> Children(host::Hwnd hwnd) const;
  /// Brings the window to the top of its siblings.
  void BringToTop(host::Hwnd hwnd);
  /// Width of the window's non-client border; the client area lies inside it.
  void SetBorder(host::Hwnd hwnd, int thickness);
  int Border(host::Hwnd hwnd) const;
  /// Sets (`on`) or clears the style and extended style bits, as a control does to
  /// its own window.
  void SetStyleBits(host::Hwnd hwnd, bool on, std::intptr_t styles, std::intptr_t exStyles);
  /// The rectangle MoveWindow set, in the parent's client coordinates.
  host::Rect RectInParent(host::Hwnd hwnd) const;
  /// The client rectangle in screen coordinates.
  host::Rect ClientRectOnScreen(host::Hwnd hwnd) const;
  /// Top-most visible, deepest window containing the screen point, enabled or
  /// not; the desktop window when no other contains it.
  host::Hwnd WindowFromPoint(host::Point screen) const;
  int ScreenWidth() const;
  int ScreenHeight() const;

  // ---- Monitors ----
  // The primary monitor is the screen given at construction, all of it work area
  // until SetWorkArea reserves a strip; more monitors may lie beside it.

  /// The primary monitor's work area, as SPI_SETWORKAREA sets it (a task bar);
  /// every window hears of it (OnScreenChanged), as of a new monitor.
  void SetWorkArea(host::Rect rcWork);
  /// A further monitor; returns its handle.
  host::HMonitor AddMonitor(host::Rect rcMonitor, host::Rect rcWork);

  // ---- Focus and capture ----

  /// Moves the keyboard focus (0 clears it); returns the previous focus.
  /// Unknown windows are refused (returns 0, focus unchanged).
  host::Hwnd SetFocus(host::Hwnd hwnd);
  host::Hwnd GetFocus() const;
  /// The window holding the mouse capture (between a delivered button-down and
  /// the release of the last held button), 0 if none.
  host::Hwnd GetCapture() const;

  // ---- host::WindowSystem ----

  bool GetWindowRect(host::Hwnd hWnd, host::Rect* rect) override;
  bool GetCursorPos(host::Point* point) override;
  bool ScreenToClient(host::Hwnd hWnd, host::Point* point) override;
  host::LResult SendMessageW(host::Hwnd hWnd, std::uint32_t msg, host::WParam wParam, host::LParam lParam) override;
  int LBItemFromPt(host::Hwnd hLB, host::Point pt, bool bAutoScroll) override;
  std::intptr_t GetWindowLongPtrW(host::Hwnd hWnd, int nIndex) override;
  std::intptr_t SetWindowLongPtrW(host::Hwnd hWnd, int nIndex, std::intptr_t dwNewLong) override;
  bool MoveWindow(host::Hwnd hWnd, int X, int Y, int nWidth, int nHeight, bool bRepaint) override;
  host::Hwnd SetParent(host::Hwnd hWndChild, host::Hwnd hWndNewParent) override;
  host::Hwnd GetDesktopWindow() override;
  /// The own flag and those of all ancestors.
  bool IsWindowVisible(host::Hwnd hWnd) override;
  bool IsIconic(host::Hwnd hWnd) override;
  /// GA_PARENT only: the parent, the desktop window for a top-level window, 0 for the desktop.
  host::Hwnd GetAncestor(host::Hwnd hwnd, std::uint32_t gaFlags) override;
  /// GW_HWNDPREV and GW_HWNDNEXT (bottom to top, newer children above older ones).
  host::Hwnd GetWindow(host::Hwnd hWnd, std::uint32_t uCmd) override;
  /// The class name: the simulated desktop has no superclasses.
  std::uint32_t RealGetWindowClassW(host::Hwnd hwnd, char16_t* ptszClassName, std::uint32_t cchClassNameMax) override;
  int GetWindowTextLengthW(host::Hwnd hWnd) override;
  int GetWindowTextW(host::Hwnd hWnd, char16_t* lpString, int nMaxCount) override;
  /// Recorded in WinEvents().
  void NotifyWinEvent(std::uint32_t event, host::Hwnd hwnd, std::int32_t idObject, std::int32_t idChild) override;
  bool DrawFrameControl(host::Hdc hdc, host::Rect* rect, std::uint32_t uType, std::uint32_t uState) override;
  /// An empty rectangle counts as the point at its top-left corner; among monitors
  /// holding equal parts of it, and equally near ones, the first added wins.
  host::HMonitor MonitorFromRect(const host::Rect* lprc, std::uint32_t dwFlags) override;
  /// Fills a MonitorInfo whose cbSize is sizeof(host::MonitorInfo).
  bool GetMonitorInfoW(host::HMonitor hMonitor, host::MonitorInfo* lpmi) override;
  host::HHook SetWindowsHookExW(int idHook, host::HookProc lpfn, std::uintptr_t hmod,
                                std::uint32_t dwThreadId) override;
  bool UnhookWindowsHookEx(host::HHook hhk) override;
  /// Calls the hook after `hhk` in the calling thread's chain; 0 at the end of the
  /// chain, for hhk 0, and for a handle that was removed meanwhile.
  host::LResult CallNextHookEx(host::HHook hhk, int nCode, host::WParam wParam, host::LParam lParam) override;
  std::uint32_t GetCurrentThreadId() override;
  std::uint32_t GetLastError() override;
  std::uint32_t FormatMessageW(std::uint32_t dwFlags, std::uint32_t dwMessageId, std::uint32_t dwLanguageId,
                               char16_t* lpBuffer, std::uint32_t nSize) override;
  std::u16string GetModuleFileNameW() override;

  // ---- Test switches for the WindowSystem ----

  /// Sets the calling thread's last error.
  void SetLastError(std::uint32_t code);
  /// The next SetWindowsHookExW (of any thread) fails with this error code.
  void FailNextHookInstall(std::uint32_t errorCode);
  /// The next call of the named WindowSystem function ("GetWindowRect",
  /// "SetParent", "MoveWindow", "SetWindowLongPtrW", "GetWindowLongPtrW",
  /// "UnhookWindowsHookEx", "GetCursorPos", "ScreenToClient", "DrawFrameControl",
  /// "SetWindowsHookExW", "MonitorFromRect", "GetMonitorInfoW") fails the Win32
  /// way and sets this last error.
  void FailNext(std::string_view function, std::uint32_t errorCode);
  void SetModuleFileName(std::u16string path);
  /// The hooks installed now, of every thread.
  std::vector<HookRecord> Hooks() const;
  /// Handles of the thread's chain for the type, first-called first.
  std::vector<host::HHook> HookChain(std::uint32_t threadId, int idHook) const;
  /// Successful SetWindowsHookExW and UnhookWindowsHookEx calls so far.
  int HookInstallCount() const;
  int HookRemoveCount() const;

  // ---- Mouse input (synchronous) ----
  // Each message first runs the calling thread's WH_MOUSE chain (HC_ACTION,
  // wParam = message, lParam = address of a MOUSEHOOKSTRUCT); a non-zero result
  // consumes it. The target is chosen before the hooks run (the capture window, or
  // the window under the point) and checked again after them: a target that a
  // hook destroyed, disabled or (without capture) hid does not get it. A disabled
  // window, or one with a disabled ancestor, never gets mouse input. Points on a
  // window's border become WM_NC* messages (HTBORDER) that only the hooks see.
  // Each returns whether a window handler received the message.

  bool MouseMove(host::Point screen, int shift = 0);
  bool MouseDown(host::Point screen, int button = 1, int shift = 0);
  bool MouseUp(host::Point screen, int button = 1, int shift = 0);
  /// Down then up.
  void Click(host::Point screen, int button = 1, int shift = 0);
  /// Down, up, WM_xBUTTONDBLCLK, up.
  void DoubleClick(host::Point screen, int button = 1, int shift = 0);
  /// Mask of the buttons held now.
  int HeldButtons() const;

  // ---- Keyboard input to the focused window (synchronous) ----
  // KeyDown and KeyUp first run the calling thread's WH_KEYBOARD chain
  // (HC_ACTION, wParam = virtual key, lParam = keystroke flags); a non-zero
  // result consumes the keystroke. Char runs no hook (WH_KEYBOARD never sees
  // WM_CHAR). Input to a disabled focus window is dropped.

  bool KeyDown(int vk, int shift = 0);
  bool KeyUp(int vk, int shift = 0);
  bool Char(char16_t ch);
  /// A keystroke as the keyboard and TranslateMessage make it: KeyDown, the
  /// character the key produces if any (letters, digits, space, Enter 13,
  /// Backspace 8, Tab 9, Escape 27, Ctrl+letter control codes; none for arrows,
  /// Delete, Home, End, function keys) unless the key-down was consumed, KeyUp.
  void PressKey(int vk, int shift = 0);
  /// For each character: KeyDown with its virtual key (and Shift for capitals
  /// and shifted punctuation), Char (unless the key-down was consumed), KeyUp.
  void Type(std::u16string_view text);

  // ---- Message queue ----

  /// Queues work for the next message-loop pass.
  void Post(std::function<void()> item);
  void PostMouseMove(host::Point screen, int shift = 0);
  void PostMouseDown(host::Point screen, int button = 1, int shift = 0);
  void PostMouseUp(host::Point screen, int button = 1, int shift = 0);
  void PostClick(host::Point screen, int button = 1, int shift = 0);
  void PostDoubleClick(host::Point screen, int button = 1, int shift = 0);
  void PostKeyDown(int vk, int shift = 0);
  void PostKeyUp(int vk, int shift = 0);
  void PostChar(char16_t ch);
  void PostKey(int vk, int shift = 0);
  /// One queued item per character.
  void PostType(std::u16string_view text);
  /// Items waiting for a pass.
  std::size_t PendingCount() const;

  /// One pass of the message loop: calls the OnPass callback, runs the items
  /// queued when the pass began (including those OnPass queued; items queued
  /// during the pass wait), then advances the clock by PassDuration() and fires
  /// the timers that became due.
  void DoEvents() override;
  /// Passes run so far.
  int PassCount() const;
  /// Called at the start of each pass with its number (1 for the first).
  void OnPass(std::function<void(int passNumber)> callback);
  /// Virtual milliseconds one pass takes (default 0).
  void SetPassDuration(std::int64_t ms);
  std::int64_t PassDuration() const;
  /// Repeats passes until nothing is queued (at most `maxPasses`); returns passes run.
  int RunUntilIdle(int maxPasses = 1000);

  // ---- Virtual clock and timers ----

  std::int64_t NowMs() const;
  /// Moves time forward by `ms`, stopping at each timer's due time in time order
  /// (ties in the order timers were added): at each stop runs the queued items,
  /// then fires the timer; at the end runs the queued items once more. Callbacks
  /// may enable, disable, add or remove timers. Not a message-loop pass: OnPass
  /// is not called and PassCount does not change.
  void Advance(std::int64_t ms);
  /// Used by SimTimer; a timer must remove itself before it is destroyed.
  void AddTimer(SimTimer* timer);
  void RemoveTimer(SimTimer* timer);

  // ---- Logs ----

  const std::vector<DrawRecord>& DrawLog() const;
  /// The calls of one kind, in call order.
  std::vector<DrawRecord> DrawCalls(DrawRecord::Kind kind) const;
  /// The DrawFrameControl calls only.
  std::vector<DrawRecord> FrameControlCalls() const;
  /// How many times the surface with this device context was erased.
  int ClsCount(host::Hdc hdc) const;
  /// Records an erase of the device context (called by SimSurface::Cls).
  void LogCls(host::Hdc hdc);
  void ClearDrawLog();
  const std::vector<SentMessage>& SentLog() const;
  /// What accessibility clients were told, in order.
  const std::vector<WinEventRecord>& WinEvents() const;
  void ClearWinEvents();
  void ClearSentLog();
  /// Every WindowSystem call as "Name(arg, ...)", in call order.
  const std::vector<std::string>& CallLog() const;
  void ClearCallLog();
  /// Call logging costs time in long benchmark runs; it is on by default.
  void SetCallLogging(bool on);

  // ---- Visual styles ----
  // A fresh desktop has a theme on whose "COMBOBOX" class defines the parts 1 and
  // 4 to 8, as Wine's built-in "Light" theme does.

  /// Switches the theme on or off and sends every window WM_THEMECHANGED.
  void SetThemeActive(bool active);
  bool ThemeActive() const;
  /// The "COMBOBOX" parts the theme defines (nothing is sent).
  void SetThemeParts(std::vector<int> parts);
  bool ThemeDefinesPart(int part) const;
  /// Records a DrawThemeBackground call (called by SimSurface).
  void LogThemeBackground(host::Hdc hdc, int part, int state, const host::Rect& rect, host::OleColor backdrop);
  /// The DrawThemeBackground calls only.
  std::vector<DrawRecord> ThemeBackgroundCalls() const;

  // ---- Clipboard (text only) ----

  std::u16string ClipboardText() const;
  void SetClipboardText(std::u16string text);

 private:
  enum class InputResult { Consumed, Dropped, Delivered };
  enum class MouseAction { Move, Down, Up, DoubleClick };

  std::uint32_t ThreadIdLocked();
  void SetLastErrorLocked(std::uint32_t code);
  /// Consumes a FailNext switch for the function, setting the last error.
  bool FailingLocked(std::string_view function);
  void LogCallLocked(std::string call);
  /// Logs the call ("Name(args)"); true when a FailNext switch for Name makes it fail.
  bool EnterFailingLocked(std::string call);
  /// False, with the last error set, when the condition does not hold.
  bool RequireLocked(bool condition, std::uint32_t error);
  host::LResult RunHookChain(int idHook, int nCode, host::WParam wParam, host::LParam lParam);
  /// A sent message: the calling thread's WH_CALLWNDPROC chain sees it first
  /// (HC_ACTION, lParam = address of a CWPSTRUCT), then the window's handler.
  host::LResult DeliverSent(host::Hwnd hwnd, std::uint32_t msg, host::WParam wParam, host::LParam lParam);
  InputResult MouseInput(MouseAction action, host::Point screen, int button, int shift);
  /// The window the mouse was over, when the mouse now is over another (locked).
  SimWindowHandler* LeftWindowLocked(host::Point screen);
  InputResult KeyInput(bool down, int vk, int shift);
  void RunQueuedBefore(std::uint64_t mark);
  void RunQueuedNow();
  void AdvanceClock(std::int64_t ms, bool runPosts);
  /// Tells every window that a monitor or a work area changed.
  void BroadcastScreenChange();
  /// The handlers of every window, parents before their children.
  std::vector<SimWindowHandler*> HandlersLocked() const;

  // One lock guards everything below; it is never held while a hook procedure,
  // a handler, a queued item or a timer callback runs.
  mutable std::mutex mutex_;
  SimWindowTree windows_;
  std::vector<SimMonitor> monitors_;  // the primary first
  SimHookTable hooks_;
  SimMessageQueue queue_;
  std::map<std::thread::id, std::uint32_t> threadIds_;
  std::map<std::uint32_t, std::uint32_t> lastErrors_;  // by thread id
  std::map<std::string, std::uint32_t, std::less<>> failNext_;
  int hookInstalls_ = 0;
  int hookRemovals_ = 0;
  std::vector<SimTimer*> timers_;  // in the order they were added
  std::int64_t nowMs_ = 0;
  std::int64_t passDurationMs_ = 0;
  int passCount_ = 0;
  std::function<void(int)> onPass_;
  host::Point cursor_{};
  int heldButtons_ = 0;
  host::Hwnd capture_ = 0;
  host::Hwnd hover_ = 0;  // the window whose client area the mouse is over (WM_MOUSELEAVE)
  bool themeActive_ = true;
  std::vector<int> themeParts_{1, 4, 5, 6, 7, 8};
  host::Hwnd focus_ = 0;
  std::vector<DrawRecord> drawLog_;
  std::vector<SentMessage> sentLog_;
  std::vector<WinEventRecord> winEvents_;
  std::vector<std::string> callLog_;
  bool callLogging_ = true;
  std::u16string moduleFileName_ = u"C:\\Program Files\\Host\\HostApp.exe";
  std::u16string clipboard_;
};

}  // namespace zelvane::sim
