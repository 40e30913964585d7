#include "host/sim/sim_container.h"

#include "core/automation_error.h"
#include "core/vb_errors.h"

namespace zelvane::sim {

bool SimContainer::AmbientUserMode() {
  ++userModeReads_;
  return userMode_;
}

void SimContainer::PropertyChanged(std::u16string_view propertyName) { changes_.emplace_back(propertyName); }

std::int16_t SimContainer::ParentScaleMode() {
  // A container without the property fails the late-bound lookup, as a VB form's
  // Parent.ScaleMode does on a container that has no ScaleMode.
  if (!scaleMode_) core::RaiseVbError(core::VbError::NoSuchMember, u"Form1");
  return *scaleMode_;
}

}  // namespace zelvane::sim
