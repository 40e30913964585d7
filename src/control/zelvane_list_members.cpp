#include <limits>
#include <vector>

#include "control/control_errors.h"
#include "control/zelvane.h"
#include "core/line_split.h"
#include "core/vb_errors.h"
#include "host/message_box.h"

namespace zelvane::control {

std::u16string Zelvane::StringValue() const {
  if (!site_.container.AmbientUserMode()) return {};
  return itemList_->StringValue();
}

void Zelvane::SetStringValue(const std::u16string& value) {
  if (!site_.container.AmbientUserMode()) {
    site_.messageBox.MsgBox(u"StringValue property can be used at RunTime only", host::vbInformation + host::vbOKOnly,
                            kAppName);
    return;
  }
  const std::vector<std::u16string> lines = core::SplitCrLf(value);
  const std::vector<core::Variant> elements(lines.begin(), lines.end());
  ListFromArray(elements);
}

std::int32_t Zelvane::MaxCount() const { return itemList_->MaxCount(); }

void Zelvane::SetMaxCount(std::int32_t maxCount) {
  if (maxCount < 1) RaiseMaxCountNotPositive();
  if (maxCount > std::numeric_limits<std::int16_t>::max()) core::RaiseVbError(core::VbError::Overflow);
  itemList_->SetMaxCount(static_cast<std::int16_t>(maxCount));
}

core::Variant Zelvane::List(std::int32_t Index) const {
  if (Index < 0 || Index >= ListCount()) RaiseInvalidListIndex();
  return itemList_->Item(Index + 1);
}

std::int32_t Zelvane::ListCount() const { return itemList_->Count(); }

void Zelvane::AddItem(const std::u16string& Item) { AddToList(Item); }

void Zelvane::ListFromArray(std::span<const core::Variant> List) {
  EmptyList();
  for (const core::Variant& element : List) itemList_->Add(core::ToString(element));
}

void Zelvane::ListFromCollection(core::VariantEnumerator& col) {
  EmptyList();
  core::Variant element;
  while (col.Next(element)) itemList_->Add(core::ToString(element));
}

void Zelvane::ClearList() { EmptyList(); }

void Zelvane::AddCurrentItem() { AddItem(Text()); }

void Zelvane::RemoveItem(std::int32_t Index) {
  if (Index < 0 || Index >= ListCount()) RaiseInvalidListIndex();
  RemoveFromList(itemList_->Item(Index + 1));
}

}  // namespace zelvane::control
