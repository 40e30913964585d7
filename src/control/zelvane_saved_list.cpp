#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "control/control_errors.h"
#include "control/zelvane.h"
#include "core/line_split.h"
#include "core/vb_errors.h"

namespace zelvane::control {
namespace {

// Added from the oldest line to the most recent, so the list comes back in its
// saved order and a cut to MaxCount drops the oldest lines.
void FillFromSaved(itemlist::CFifoBuffer& list, const std::u16string& saved) {
  const std::vector<std::u16string> lines = core::SplitCrLf(saved);
  list.Clear();
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) list.Add(*line);
}

}  // namespace

// A control without a key would share one entry with every other keyless control,
// so it keeps its list to itself: no load, no save.
bool Zelvane::SavedListReachable() const { return AutoSaveList && !regKey_.empty(); }

void Zelvane::LoadSavedList() {
  if (!SavedListReachable() || !site_.container.AmbientUserMode()) return;
  LoadListSavedUnder(regKey_);
}

// Everything that can fail comes before the list is touched.
void Zelvane::LoadListSavedUnder(const std::u16string& key) {
  std::u16string saved = site_.settings.GetSetting(kAppName, listSection_, key, u"");
  auto changes = std::make_unique<itemlist::ListChanges>(site_.textCase);
  FillFromSaved(*itemList_, saved);
  loadedValue_ = std::move(saved);
  changes_ = std::move(changes);
  listLoaded_ = true;
}

// While running with AutoSaveList on, the control follows its key, as one restored
// with that key would: what it did to the list of the key it leaves is saved there
// (merged like any save), and the list saved under the new key replaces its items.
// An open drop-down keeps its rows, as after any other replacement of the list.
// Otherwise only the key changes, and a loaded list goes whole under the new one:
// what is saved there belongs to other controls and is no base to merge into.
// Registry names ignore case, so a key respelt names the same list.
void Zelvane::SetRegKey(const std::u16string& key) {
  if (key.empty()) core::RaiseVbError(core::VbError::InvalidPropertyValue);
  if (key == regKey_) return;
  if (site_.textCase.ToUpper(key) != site_.textCase.ToUpper(regKey_)) {
    if (AutoSaveList && site_.container.AmbientUserMode()) {
      SaveList();
      LoadListSavedUnder(key);
    } else if (changes_) {
      changes_->Replaced();
    }
  }
  regKey_ = key;
  Notify(u"RegKey");
}

void Zelvane::SaveList() {
  if (!listLoaded_ || !SavedListReachable()) return;
  site_.settings.SaveSetting(kAppName, listSection_, regKey_, ListToSave());
}

// Another instance with the same key (a copied control, a second copy of the
// program) may have saved since this one loaded: what happened here is then done
// to what it saved, so neither overwrites the other's entries. A value that cannot
// be read now is no reason to drop this control's list: it is saved as it is.
std::u16string Zelvane::ListToSave() const {
  if (changes_->WholeListReplaced()) return itemList_->StringValue();
  const std::optional<std::u16string> saved = site_.settings.FindSetting(kAppName, listSection_, regKey_);
  if (!saved || *saved == loadedValue_) return itemList_->StringValue();
  itemlist::CFifoBuffer merged(site_.textCase);
  merged.SetMaxCount(std::numeric_limits<std::int16_t>::max());
  FillFromSaved(merged, *saved);
  changes_->ApplyTo(merged);
  merged.SetMaxCount(itemList_->MaxCount());
  return merged.StringValue();
}

void Zelvane::AddToList(const std::u16string& item) {
  itemList_->Add(item);
  if (changes_) changes_->Added(item);
}

void Zelvane::RemoveFromList(const std::u16string& item) {
  itemList_->Remove(item);
  if (changes_) changes_->Removed(item);
}

void Zelvane::EmptyList() {
  itemList_->Clear();
  if (changes_) changes_->Replaced();
}

}  // namespace zelvane::control
