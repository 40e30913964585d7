#pragma once
#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>
#include <oleidl.h>

#include "com/connection_point.h"
#include "host/container.h"
#include "host/win32/com_ptr.h"
#include "host/win32/win32_surface.h"

namespace zelvane::com {

/// The control's container, as its client site answers for it. With no site
/// (a script's CreateObject) the control is at run time and measures in pixels.
class SiteContainer final : public host::Container {
 public:
  /// `names` maps property names to the dispatch ids that property-change
  /// notices carry; `notify` is the IPropertyNotifySink connection point.
  SiteContainer(ITypeInfo& names, const ConnectionPoint& notify, win32::Win32Surface& surface)
      : names_(names), notify_(notify), surface_(surface) {}

  void SetSite(win32::com_ptr<IOleClientSite> site);
  IOleClientSite* Site() const { return site_.get(); }
  /// Whether a property changed since the last ClearDirty (IPersist*::IsDirty).
  bool Dirty() const { return dirty_; }
  void SetDirty() { dirty_ = true; }
  void ClearDirty() { dirty_ = false; }

  bool AmbientUserMode() override;
  void PropertyChanged(std::u16string_view propertyName) override;
  std::int16_t ParentScaleMode() override;
  /// IOleControlSite::OnControlInfoChanged, when the site has one.
  void ControlInfoChanged() override;

 private:
  DISPID IdOfName(std::u16string_view name) const;
  void UseSiteTransform(win32::com_ptr<IOleControlSite> controlSite);

  ITypeInfo& names_;
  const ConnectionPoint& notify_;
  win32::Win32Surface& surface_;
  win32::com_ptr<IOleClientSite> site_;
  bool dirty_ = false;
};

}  // namespace zelvane::com
