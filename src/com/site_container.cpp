#include "com/site_container.h"

#include <windows.h>
#include <olectl.h>

#include <string>

#include "com/dispatch_calls.h"
#include "com/variant_holder.h"

namespace zelvane::com {
namespace {

using win32::com_ptr;

com_ptr<IDispatch> DispatchProperty(IDispatch& object, const wchar_t* name) {
  VariantHolder value;
  if (FAILED(GetDispatchProperty(object, name, value.get())) || V_VT(value.get()) != VT_DISPATCH) return {};
  return com_ptr<IDispatch>(V_DISPATCH(value.get()));
}

}  // namespace

void SiteContainer::SetSite(com_ptr<IOleClientSite> site) {
  site_ = std::move(site);
  // The transform holds the old site: drop it with the site.
  surface_.SetContainerTransform({});
}

bool SiteContainer::AmbientUserMode() {
  const auto ambients = site_.query<IDispatch>();
  if (!ambients) return true;
  VariantHolder mode;
  if (FAILED(GetDispatchProperty(*ambients.get(), DISPID_AMBIENT_USERMODE, mode.get()))) return true;
  if (FAILED(VariantChangeType(mode.get(), mode.get(), 0, VT_BOOL))) return true;
  return V_BOOL(mode.get()) != VARIANT_FALSE;
}

void SiteContainer::PropertyChanged(std::u16string_view propertyName) {
  dirty_ = true;
  const DISPID id = IdOfName(propertyName);
  for (const auto& sink : notify_.Sinks()) static_cast<IPropertyNotifySink*>(sink.get())->OnChanged(id);
}

void SiteContainer::ControlInfoChanged() {
  if (const auto controlSite = site_.query<IOleControlSite>()) controlSite->OnControlInfoChanged();
}

std::int16_t SiteContainer::ParentScaleMode() {
  const auto controlSite = site_.query<IOleControlSite>();
  if (!controlSite) return host::vbPixels;
  com_ptr<IDispatch> extended;
  if (SUCCEEDED(controlSite->GetExtendedControl(extended.put())) && extended) {
    if (const auto parent = DispatchProperty(*extended.get(), L"Parent")) {
      VariantHolder mode;
      if (SUCCEEDED(GetDispatchProperty(*parent.get(), L"ScaleMode", mode.get())) &&
          SUCCEEDED(VariantChangeType(mode.get(), mode.get(), 0, VT_I2))) {
        return V_I2(mode.get());
      }
    }
  }
  UseSiteTransform(controlSite);
  return host::vbContainerSize;
}

DISPID SiteContainer::IdOfName(std::u16string_view name) const {
  std::wstring text(name.begin(), name.end());
  LPOLESTR names = text.data();
  DISPID id = DISPID_UNKNOWN;
  names_.GetIDsOfNames(&names, 1, &id);
  return id;
}

void SiteContainer::UseSiteTransform(com_ptr<IOleControlSite> controlSite) {
  surface_.SetContainerTransform([controlSite](float length, bool horizontal, bool toContainer) {
    POINTL himetric{0, 0};
    POINTF container{0, 0};
    if (toContainer) {
      (horizontal ? himetric.x : himetric.y) = static_cast<LONG>(length + (length < 0 ? -0.5f : 0.5f));
      if (FAILED(controlSite->TransformCoords(&himetric, &container,
                                              XFORMCOORDS_SIZE | XFORMCOORDS_HIMETRICTOCONTAINER))) {
        return length;
      }
      return horizontal ? container.x : container.y;
    }
    (horizontal ? container.x : container.y) = length;
    if (FAILED(controlSite->TransformCoords(&himetric, &container,
                                            XFORMCOORDS_SIZE | XFORMCOORDS_CONTAINERTOHIMETRIC))) {
      return length;
    }
    return static_cast<float>(horizontal ? himetric.x : himetric.y);
  });
}

}  // namespace zelvane::com
