#include <vector>

#include "control/control_errors.h"
#include "control/zelvane.h"
#include "core/line_split.h"

namespace zelvane::control {

// A control without a key would share one entry with every other keyless control,
// so it keeps its list to itself: no load, no save.
bool Zelvane::SavedListReachable() const { return AutoSaveList && !regKey_.empty(); }

void Zelvane::LoadSavedList() {
  if (!SavedListReachable() || !site_.container.AmbientUserMode()) return;
  const std::u16string saved = site_.settings.GetSetting(kAppName, listSection_, regKey_, u"");
  // Added from the oldest line to the most recent, so the list comes back in its
  // saved order and a cut to MaxCount drops the oldest lines.
  const std::vector<std::u16string> lines = core::SplitCrLf(saved);
  itemList_->Clear();
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) itemList_->Add(*line);
  listLoaded_ = true;
}

void Zelvane::SaveList() {
  if (!listLoaded_ || !SavedListReachable()) return;
  site_.settings.SaveSetting(kAppName, listSection_, regKey_, itemList_->StringValue());
}

}  // namespace zelvane::control
