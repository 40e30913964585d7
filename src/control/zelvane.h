#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "control/control_options.h"
#include "control/matched_span_finder.h"
#include "core/variant.h"
#include "core/variant_enumerator.h"
#include "dropdown/c_drop_down.h"
#include "host/control_site.h"
#include "host/host_events.h"
#include "host/property_bag.h"
#include "itemlist/c_fifo_buffer.h"
#include "itemlist/list_changes.h"

namespace zelvane::control {

enum zvAppearances : std::int32_t { zvFlat = 0, zv3d = 1 };

/// The completion text box control: a text box that drops down the earlier
/// entries beginning with what is typed, and remembers its entries.
class Zelvane final : private host::TextBoxEvents,
                      private host::ListBoxEvents,
                      private host::TimerEvents,
                      private host::SurfaceEvents,
                      private dropdown::DropDownEvents {
 public:
  /// Runs creation (UserControl_Initialize).
  explicit Zelvane(const host::ControlSite& site);
  /// Releases the item list and the drop-down; call UserControl_Terminate first.
  ~Zelvane() override;
  Zelvane(const Zelvane&) = delete;
  Zelvane& operator=(const Zelvane&) = delete;

  /// Where the events go; null drops them.
  void SetEventSink(host::HostEvents* sink) { sink_ = sink; }
  /// The host has closed the control (its form unloads): an open drop-down goes
  /// without CloseUpList, and a filter still waiting for its delay is dropped.
  void Close();
  /// The container hid the control (in-place deactivation): an open drop-down closes
  /// up as on a click elsewhere, and a filter still waiting for its delay is dropped,
  /// so no list is left showing, or opens, for a control nobody sees.
  void Deactivate();

  // Lifecycle, called by the container in this order.
  void UserControl_InitProperties();
  void UserControl_ReadProperties(host::PropertyBag& bag);
  void UserControl_WriteProperties(host::PropertyBag& bag);
  void UserControl_Terminate();

  // Plain public fields on the interface.
  bool SaveOnReturn = false;
  bool AutoSaveList = false;

  std::u16string Text() const { return storedText_; }
  void SetText(const std::u16string& text);
  std::int16_t SelStart() const;
  void SetSelStart(std::int16_t start);
  std::int16_t SelLength() const;
  void SetSelLength(std::int16_t length);
  std::u16string SelText() const;
  void SetSelText(const std::u16string& text);
  std::int32_t Appearance() const { return storedAppearance_; }
  void SetAppearance(std::int32_t appearance);
  bool ShowButton() const { return storedShowButton_; }
  void SetShowButton(bool show);
  bool Enabled() const { return storedEnabled_; }
  void SetEnabled(bool enabled);
  /// Window handles travel as 32-bit integers: Windows keeps them within 32 bits.
  std::int32_t hWnd() const;
  std::int32_t HwndEditor() const;
  std::int32_t HwndList() const;
  host::FontPtr Font() const;
  void SetFont(host::FontPtr font);
  host::OleColor BackColor() const;
  void SetBackColor(host::OleColor color);
  host::OleColor ForeColor() const;
  void SetForeColor(host::OleColor color);

  // Item list members.
  std::u16string StringValue() const;
  void SetStringValue(const std::u16string& value);
  std::int32_t MaxCount() const;
  void SetMaxCount(std::int32_t maxCount);
  core::Variant List(std::int32_t Index) const;
  std::int32_t ListCount() const;
  void AddItem(const std::u16string& Item);
  /// Elements from the lower bound to the upper bound.
  void ListFromArray(std::span<const core::Variant> List);
  void ListFromCollection(core::VariantEnumerator& col);
  void ClearList();
  void AddCurrentItem();
  /// Removes item `Index`, 0 = most recent; 5010 outside 0..ListCount - 1.
  void RemoveItem(std::int32_t Index);

  // Options; with their defaults the control behaves as without them.
  bool AllowRemove() const { return options_.AllowRemove; }
  void SetAllowRemove(bool allow) { options_.AllowRemove = allow; }
  bool MatchAnywhere() const { return options_.MatchAnywhere; }
  void SetMatchAnywhere(bool anywhere) { options_.MatchAnywhere = anywhere; }
  std::int32_t FilterDelay() const { return options_.FilterDelay; }
  /// 0 to 10000 milliseconds, else 380.
  void SetFilterDelay(std::int32_t milliseconds);
  std::int16_t ListRows() const { return options_.ListRows; }
  /// 1 to 100, else 380.
  void SetListRows(std::int16_t rows);
  bool CloseOnEscape() const { return options_.CloseOnEscape; }
  void SetCloseOnEscape(bool close);
  /// The key of the saved list; empty is refused with 380 (it would share one list
  /// among every control without a key), leaving the key as it was. At run time
  /// with AutoSaveList on, a new key saves the list of the old one and loads its own.
  const std::u16string& RegKey() const { return regKey_; }
  void SetRegKey(const std::u16string& key);
  const std::u16string& AccessibleName() const { return options_.AccessibleName; }
  void SetAccessibleName(const std::u16string& name);
  bool VisualStyles() const { return options_.VisualStyles; }
  void SetVisualStyles(bool themed);
  bool AutoAppend() const { return options_.AutoAppend; }
  void SetAutoAppend(bool append) { SetOption(&ControlOptions::AutoAppend, append, u"AutoAppend"); }
  bool HighlightMatch() const { return options_.HighlightMatch; }
  void SetHighlightMatch(bool bold) { SetOption(&ControlOptions::HighlightMatch, bold, u"HighlightMatch"); }
  bool RightToLeft() const { return options_.RightToLeft; }
  void SetRightToLeft(bool rightToLeft) { SetOption(&ControlOptions::RightToLeft, rightToLeft, u"RightToLeft"); }
  /// Whether an Escape pressed now is the control's (it closes the open drop-down),
  /// so the housing keeps it from the container's Cancel button.
  bool ClaimsEscape() const;

  /// Read-only views for tests and the housing.
  bool ListLoaded() const { return listLoaded_; }
  bool ButtonPressed() const { return buttonPressed_; }
  bool ListHover() const { return listHover_; }
  /// Whether the control draws itself with the window's visual-style theme now.
  bool Themed() const { return themed_; }
  bool FilterBusy() const { return filterBusy_; }
  const itemlist::CFifoBuffer& ItemList() const { return *itemList_; }

 private:
  // Creation, the saved list.
  void UserControl_Initialize();
  void LoadSavedList();
  void LoadListSavedUnder(const std::u16string& key);
  void SaveList();
  bool SavedListReachable() const;
  std::u16string ListToSave() const;
  // Every change of the list after the load goes through these, so a save can
  // replay it on a list another instance saved meanwhile.
  void AddToList(const std::u16string& item);
  void RemoveFromList(const std::u16string& item);
  /// Empties the list to replace it whole.
  void EmptyList();

  // Typing completion.
  void FilterList();
  bool FillMatchingRows();
  void DecideDropDown();
  void FilterOrShowAll();
  void HandleKey(std::int16_t& KeyCode, std::int16_t Shift);
  void HandleEnter(std::int16_t& KeyCode);
  void HandleDown();
  void HandleUp();
  void HandleDelete(std::int16_t& KeyCode, std::int16_t Shift);
  void HandleEscape(std::int16_t& KeyCode);
  void RemoveHighlightedRow();
  // Inline completion (AutoAppend).
  void RememberTextBeforeKey();
  bool ChangeAddedAtEnd(const std::u16string& before) const;
  bool CaretAtEnd() const;
  bool AppendFirstRow();
  bool ShowsAppendedRow() const;
  /// Takes every option at once, as restored or as set by the host: what an option
  /// changes in the control's look or state is done here, for both roads alike.
  void ApplyOptions(const ControlOptions& options);
  void TakeOptions(const ControlOptions& options);
  /// One option set by the host, through ApplyOptions, then the container told.
  template <typename T>
  void SetOption(T ControlOptions::*option, T value, std::u16string_view propertyName) {
    ControlOptions changed = options_;
    changed.*option = std::move(value);
    ApplyOptions(changed);
    Notify(propertyName);
  }
  /// Tells the container when the open drop-down claims Escape or gives it back.
  void EscapeClaimChanged();

  // The drop-down list.
  void ShowList();
  /// Places the drop-down for the rows it holds (opening it if closed), without an event.
  void PlaceList();
  /// The work area for the control window at `control`: the one the list was last
  /// placed in while nothing changed, else the system's.
  std::optional<host::Rect> WorkAreaFor(const host::Rect& control);
  void HideList();
  void ShowFullList();
  void AcceptListItem();
  void CaretToEnd();
  std::int32_t DropDownHeight();
  void HotTrackList(host::Hwnd hWnd, float X, float Y);
  void LeaveListRule();

  // What screen readers are told (WinEvents).
  void AnnounceListShown();
  /// The highlighted row became the reader's focus; nothing when no row is highlighted.
  void AnnounceHighlight();
  void AnnounceListHidden();
  /// The reader goes back to the text box, when it has the focus, after the list.
  void AnnounceTextFocus();
  void AnnounceTextAccepted();

  // Layout and coordinates.
  float ScaleToParentX(float X);
  float ScaleToParentY(float Y);
  float ButtonWidth() const;
  bool InButtonStrip(float X, float Y) const;
  host::Rect ButtonRect() const;
  /// Mirrors the text box, the button and the list for the reading order, at once.
  void ApplyReadingOrder();
  /// Shows the font's point size at the window's resolution, which changes when
  /// the form moves to a monitor of another DPI.
  void FollowFontResolution();

  // Visual styles.
  /// Opens the theme data when visual styles are wanted and active, else draws classic.
  void OpenTheme();
  void PaintButton();
  int ButtonThemePart() const;
  int ButtonThemeState() const;
  int BorderThemeState() const;
  /// Follows the mouse over the control and its button for the hot looks.
  void TrackHover();
  /// Repaints when the themed look depends on what just changed.
  void RefreshThemedLook();

  /// Whether the host has closed the control or let go of it.
  bool Closed() const { return site_.owner.ControlClosed(); }
  /// Raises one event, unless the host has closed the control; false once it has
  /// (in its handler or before), so the caller skips the steps it had left.
  template <typename... Args>
  bool Raise(void (host::HostEvents::*event)(Args&...), Args&... args) {
    if (sink_ != nullptr && !Closed()) (sink_->*event)(args...);
    return !Closed();
  }
  using MouseEvent = void (host::HostEvents::*)(std::int16_t&, std::int16_t&, float&, float&);
  bool RaiseMouse(MouseEvent event, std::int16_t& Button, std::int16_t& Shift, float X, float Y);
  void Notify(std::u16string_view propertyName);

  // host::TextBoxEvents
  void txt_Change() override;
  void txt_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void txt_KeyPress(std::int16_t& KeyAscii) override;
  void txt_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void txt_Click() override;
  void txt_DblClick() override;
  void txt_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void txt_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void txt_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  bool txt_ClaimsKey(std::int16_t KeyCode) const override;
  std::u16string txt_AccessibleName() const override;
  void txt_GotFocus() override;
  void txt_LostFocus() override;
  void txt_MouseLeave() override;
  // host::ListBoxEvents
  void lst_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void lst_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void lst_ScreenChanged() override;
  // host::TimerEvents
  void tmr_Timer() override;
  // host::SurfaceEvents
  void UserControl_Resize() override;
  void UserControl_Paint() override;
  void UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
  void UserControl_Click() override;
  std::optional<host::AccessibleButton> UserControl_AccessibleButton() const override;
  void UserControl_ButtonDefaultAction() override;
  void UserControl_MouseLeave() override;
  void UserControl_ThemeChanged() override;
  // dropdown::DropDownEvents
  void cd_HideControl() override;

  host::ControlSite site_;
  host::HostEvents* sink_ = nullptr;

  std::unique_ptr<itemlist::CFifoBuffer> itemList_;  // ItemList
  std::unique_ptr<dropdown::cDropDown> cd_;
  std::u16string regKey_;
  std::u16string listSection_;
  bool listLoaded_ = false;
  std::u16string loadedValue_;                      // the saved list as the load read it
  std::unique_ptr<itemlist::ListChanges> changes_;  // since the load; none before
  bool storedEnabled_ = false;
  bool buttonPressed_ = false;
  bool storedShowButton_ = false;
  std::int32_t storedAppearance_ = 0;
  bool listHover_ = false;
  bool themed_ = false;       // the window's "COMBOBOX" theme data is open
  bool hotControl_ = false;   // the mouse is over the control (themed only)
  bool hotButton_ = false;    // the mouse is over the drop-down button (themed only)
  bool focused_ = false;      // the text box has the keyboard focus
  float fontTwipsPerPixel_ = 0.0f;  // the resolution the font is shown at; 0 before the first layout
  std::u16string storedText_;
  ControlOptions options_;
  // Counts the text box's changes, so a filter pass can tell at no cost whether
  // the text may differ from the one it matches against.
  std::uint64_t textChanges_ = 0;
  bool filterBusy_ = false;
  // What the rows matched, for the list to draw in bold (HighlightMatch).
  MatchedSpanFinder matchedSpans_{site_.textCase};
  // Inline completion: the text before the selection at the last key press, until
  // its release; whether the last change added characters at the end; the box
  // taking the control's own completion; the text the completion left showing.
  std::optional<std::u16string> textBeforeKey_;
  bool appendDue_ = false;
  bool appending_ = false;
  std::optional<std::u16string> appendedText_;
  // The work area the drop-down was last placed in, and for which control
  // rectangle: asking the system costs round trips at every opening under Wine,
  // and the list box hears of every change that could make it stale.
  struct PlacedWorkArea {
    host::Rect control;
    host::Rect work;
  };
  std::optional<PlacedWorkArea> placedWorkArea_;
};

}  // namespace zelvane::control
