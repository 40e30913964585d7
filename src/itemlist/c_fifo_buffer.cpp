#include "itemlist/c_fifo_buffer.h"

#include "core/automation_error.h"
#include "core/vb_errors.h"
#include "itemlist/recent_items.h"

namespace zelvane::itemlist {
namespace {

constexpr char16_t kSeparator[] = u"\r\n";
constexpr std::size_t kSeparatorLength = 2;

std::int32_t PositionOf(const core::Variant& index) {
  // The control passes a Long: read it without the detour through a double.
  if (const auto* position = std::get_if<std::int32_t>(&index)) return *position;
  try {
    return core::ToLong(index);
  } catch (const core::AutomationError&) {
    // Whatever does not convert is not a position: the same error as one outside the list.
    core::RaiseVbError(core::VbError::InvalidArgument);
  }
}

}  // namespace

CFifoBuffer::CFifoBuffer(const host::TextCase& textCase)
    : textCase_(textCase), items_(std::make_shared<RecentItems>()) {}

CFifoBuffer::~CFifoBuffer() = default;

void CFifoBuffer::SetMaxCount(std::int16_t maxCount) {
  if (maxCount < 1) throw core::AutomationError(1001, u"FifoBuffer", u"ItemCount must be greater than 0");
  items_->KeepNewest(static_cast<std::size_t>(maxCount));
  maxCount_ = maxCount;
}

std::int16_t CFifoBuffer::MaxCount() const { return maxCount_; }

void CFifoBuffer::Add(const std::u16string& Item) {
  if (Item.empty()) return;
  items_->PutFirst(Item, textCase_.ToUpper(Item));
  // A put that replaced an equal item did not grow the list, so this cuts one at most.
  items_->KeepNewest(static_cast<std::size_t>(maxCount_));
}

void CFifoBuffer::Remove(const std::u16string& Item) { items_->Remove(textCase_.ToUpper(Item)); }

std::optional<std::u16string> CFifoBuffer::Find(const std::u16string& Item) const {
  const std::u16string* const found = items_->Find(textCase_.ToUpper(Item));
  if (found == nullptr) return std::nullopt;
  return *found;
}

void CFifoBuffer::RemoveAt(std::int32_t position) { items_->RemoveAt(static_cast<std::size_t>(position)); }

std::u16string CFifoBuffer::Item(const core::Variant& Index) const {
  const std::int32_t position = PositionOf(Index);
  if (position < 1 || static_cast<std::size_t>(position) > items_->Count()) {
    core::RaiseVbError(core::VbError::InvalidArgument);
  }
  return items_->TextAt(static_cast<std::size_t>(position));
}

std::int16_t CFifoBuffer::Count() const { return static_cast<std::int16_t>(items_->Count()); }

FifoEnumerator CFifoBuffer::NewEnum() const { return FifoEnumerator(items_); }

void CFifoBuffer::Clear() { items_->Clear(); }

std::u16string CFifoBuffer::StringValue() const {
  std::size_t length = 0;
  auto walk = items_->NewestFirst();
  while (const auto* slot = items_->Older(walk)) length += slot->text.size() + kSeparatorLength;
  std::u16string joined;
  joined.reserve(length);
  walk = items_->NewestFirst();
  while (const auto* slot = items_->Older(walk)) {
    if (!joined.empty()) joined.append(kSeparator, kSeparatorLength);
    joined += slot->text;
  }
  return joined;
}

}  // namespace zelvane::itemlist
