#include "com/sink_events.h"

#include <algorithm>

#include "com/bstr.h"
#include "host/win32/unique_handle.h"

namespace zelvane::com {
namespace {

// Dispatch ids of __Zelvane.
enum EventId : DISPID {
  kDblClick = 1,
  kChange = 2,
  kListClick = 3,
  kDropDownList = 4,
  kCloseUpList = 5,
  kClick = 6,
  kMouseMove = 7,
  kMouseUp = 8,
  kMouseDown = 9,
  kKeyUp = 10,
  kKeyPress = 11,
  kKeyDown = 12,
  kButtonClick = 13,
  kRemovingItem = 14,
};

VARIANTARG ByRef(std::int16_t& value) {
  VARIANTARG v;
  VariantInit(&v);
  V_VT(&v) = VT_BYREF | VT_I2;
  V_I2REF(&v) = &value;
  return v;
}

VARIANTARG ByRef(float& value) {
  VARIANTARG v;
  VariantInit(&v);
  V_VT(&v) = VT_BYREF | VT_R4;
  V_R4REF(&v) = &value;
  return v;
}

}  // namespace

void SinkEvents::Fire(DISPID id, VARIANTARG* args, unsigned count) {
  if (frozen_ > 0) return;
  std::reverse(args, args + count);
  DISPPARAMS params{args, nullptr, count, 0};
  for (const auto& sink : point_.Sinks()) {
    // A sink's failure is its own: the others still hear the event.
    static_cast<IDispatch*>(sink.get())
        ->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
  }
}

void SinkEvents::FireMouse(DISPID id, std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  VARIANTARG args[] = {ByRef(Button), ByRef(Shift), ByRef(X), ByRef(Y)};
  Fire(id, args, 4);
}

void SinkEvents::FireKey(DISPID id, std::int16_t& KeyCode, std::int16_t& Shift) {
  VARIANTARG args[] = {ByRef(KeyCode), ByRef(Shift)};
  Fire(id, args, 2);
}

void SinkEvents::DblClick() { Fire(kDblClick, nullptr, 0); }
void SinkEvents::Change() { Fire(kChange, nullptr, 0); }
void SinkEvents::ListClick() { Fire(kListClick, nullptr, 0); }
void SinkEvents::DropDownList() { Fire(kDropDownList, nullptr, 0); }
void SinkEvents::CloseUpList() { Fire(kCloseUpList, nullptr, 0); }
void SinkEvents::Click() { Fire(kClick, nullptr, 0); }
void SinkEvents::ButtonClick() { Fire(kButtonClick, nullptr, 0); }

void SinkEvents::MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  FireMouse(kMouseMove, Button, Shift, X, Y);
}
void SinkEvents::MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  FireMouse(kMouseUp, Button, Shift, X, Y);
}
void SinkEvents::MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  FireMouse(kMouseDown, Button, Shift, X, Y);
}
void SinkEvents::KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) { FireKey(kKeyUp, KeyCode, Shift); }
void SinkEvents::KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) { FireKey(kKeyDown, KeyCode, Shift); }
void SinkEvents::RemovingItem(std::u16string& Item, bool& Cancel) {
  const win32::unique_bstr item(ToNewBstr(Item));
  VARIANT_BOOL cancel = Cancel ? VARIANT_TRUE : VARIANT_FALSE;
  VARIANTARG args[2];
  VariantInit(&args[0]);
  V_VT(&args[0]) = VT_BSTR;
  V_BSTR(&args[0]) = item.get();
  VariantInit(&args[1]);
  V_VT(&args[1]) = VT_BYREF | VT_BOOL;
  V_BOOLREF(&args[1]) = &cancel;
  Fire(kRemovingItem, args, 2);
  Cancel = cancel != VARIANT_FALSE;
}

void SinkEvents::KeyPress(std::int16_t& KeyAscii) {
  VARIANTARG args[] = {ByRef(KeyAscii)};
  Fire(kKeyPress, args, 1);
}

}  // namespace zelvane::com
