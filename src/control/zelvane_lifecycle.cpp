#include <memory>
#include <utility>

#include "control/control_errors.h"
#include "control/reg_key.h"
#include "control/zelvane.h"
#include "core/ole_date.h"
#include "core/vb_errors.h"

namespace zelvane::control {
namespace {

constexpr std::int32_t kDefaultMaxCount = 100;
constexpr host::OleColor kDefaultBackColor = 0xFFFFFF;
constexpr host::OleColor kDefaultForeColor = 0;

core::Variant ColorVariant(host::OleColor color) { return static_cast<std::int32_t>(color); }

host::FontPtr ToFont(const core::Variant& value) {
  const core::ObjectPtr object = core::ToObject(value);
  if (!object) return nullptr;
  host::FontPtr font = std::dynamic_pointer_cast<host::Font>(object);
  if (!font) core::RaiseVbError(core::VbError::TypeMismatch);
  return font;
}

}  // namespace

Zelvane::Zelvane(const host::ControlSite& site) : site_(site) {
  site_.txt.SetEvents(this);
  site_.lst->SetEvents(this);
  site_.tmr.SetEvents(this);
  site_.surface.SetEvents(this);
  site_.lst->SetVisible(false);
  site_.tmr.SetEnabled(false);
  site_.tmr.SetInterval(ControlOptions::kDefaultFilterDelay);
  UserControl_Initialize();
}

Zelvane::~Zelvane() {
  // Nothing calls back into the control once it is going; the drop-down's own
  // end still leaves the hook and hides the list.
  sink_ = nullptr;
  site_.txt.SetEvents(nullptr);
  site_.lst->SetEvents(nullptr);
  site_.tmr.SetEvents(nullptr);
  site_.surface.SetEvents(nullptr);
  // The drop-down's end hides an open list without telling the control.
  if (cd_->Shown()) AnnounceListHidden();
  cd_->SetEvents(nullptr);
  cd_.reset();
  itemList_.reset();
}

void Zelvane::UserControl_Initialize() {
  itemList_ = std::make_unique<itemlist::CFifoBuffer>(site_.textCase);
  cd_ = std::make_unique<dropdown::cDropDown>(site_.windows, site_.owner);
  cd_->SetEvents(this);
  listSection_ = u"Lists";
}

void Zelvane::UserControl_InitProperties() {
  SaveOnReturn = true;
  AutoSaveList = true;
  const float r1 = site_.random.Rnd();
  const double now = core::ToOleDate(site_.clock.Now());
  const float r2 = site_.random.Rnd();
  regKey_ = MakeRegKey(r1, now, r2);
  storedEnabled_ = true;
  storedAppearance_ = zv3d;
}

void Zelvane::UserControl_ReadProperties(host::PropertyBag& bag) {
  SaveOnReturn = core::ToBool(bag.ReadProperty(u"SaveOnReturn", true));
  regKey_ = core::ToString(bag.ReadProperty(u"RegKey", std::u16string()));
  SetMaxCount(core::ToLong(bag.ReadProperty(u"MaxCount", kDefaultMaxCount)));
  SetShowButton(core::ToBool(bag.ReadProperty(u"ShowButton", false)));
  // A bag without a font keeps the text box's own.
  if (host::FontPtr font = ToFont(bag.ReadProperty(u"Font", core::ObjectPtr()))) site_.txt.SetFont(std::move(font));
  site_.txt.SetBackColor(
      static_cast<host::OleColor>(core::ToLong(bag.ReadProperty(u"BackColor", ColorVariant(kDefaultBackColor)))));
  site_.txt.SetForeColor(
      static_cast<host::OleColor>(core::ToLong(bag.ReadProperty(u"ForeColor", ColorVariant(kDefaultForeColor)))));
  SetEnabled(core::ToBool(bag.ReadProperty(u"Enabled", true)));
  SetAppearance(core::ToLong(bag.ReadProperty(u"Appearance", std::int32_t{zv3d})));
  AutoSaveList = core::ToBool(bag.ReadProperty(u"AutoSaveList", true));
  ApplyOptions(ReadControlOptions(bag));
  LoadSavedList();
}

void Zelvane::UserControl_WriteProperties(host::PropertyBag& bag) {
  bag.WriteProperty(u"SaveOnReturn", SaveOnReturn, true);
  bag.WriteProperty(u"RegKey", regKey_, std::u16string());
  bag.WriteProperty(u"MaxCount", MaxCount(), kDefaultMaxCount);
  bag.WriteProperty(u"ShowButton", ShowButton(), false);
  bag.WriteProperty(u"Font", core::ObjectPtr(site_.txt.Font()), core::ObjectPtr());
  bag.WriteProperty(u"BackColor", ColorVariant(site_.txt.BackColor()), ColorVariant(kDefaultBackColor));
  bag.WriteProperty(u"ForeColor", ColorVariant(site_.txt.ForeColor()), ColorVariant(kDefaultForeColor));
  bag.WriteProperty(u"Enabled", storedEnabled_, true);
  bag.WriteProperty(u"Appearance", storedAppearance_, std::int32_t{zv3d});
  bag.WriteProperty(u"AutoSaveList", AutoSaveList, true);
  WriteControlOptions(bag, options_);
}

void Zelvane::UserControl_Terminate() { SaveList(); }

// The host is tearing its form down: it hears nothing of the closing.
void Zelvane::Close() {
  host::HostEvents* const sink = std::exchange(sink_, nullptr);
  Deactivate();
  sink_ = sink;
}

void Zelvane::Deactivate() {
  site_.tmr.SetEnabled(false);
  HideList();
}

}  // namespace zelvane::control
