#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/variant.h"
#include "host/text_case.h"
#include "itemlist/fifo_enumerator.h"

namespace zelvane::itemlist {


/// The control's item list: most recent first, no two items equal after
/// upper-casing, never more than MaxCount items, no empty items.
class CFifoBuffer {
 public:
  explicit CFifoBuffer(const host::TextCase& textCase);
  ~CFifoBuffer();
  CFifoBuffer(const CFifoBuffer&) = delete;
  CFifoBuffer& operator=(const CFifoBuffer&) = delete;

  /// Raises 1001 "FifoBuffer" "ItemCount must be greater than 0" below 1.
  void SetMaxCount(std::int16_t maxCount);
  std::int16_t MaxCount() const;
  void Add(const std::u16string& Item);
  /// Removes the item equal to `Item` regardless of case; nothing when there is none.
  void Remove(const std::u16string& Item);
  /// The item equal to `Item` regardless of case, written as the list holds it.
  std::optional<std::u16string> Find(const std::u16string& Item) const;
  /// Removes the item at 1-based `position`, which must lie within 1..Count.
  void RemoveAt(std::int32_t position);
  /// 1-based; a position outside 1..Count or a non-number raises VB error 5.
  std::u16string Item(const core::Variant& Index) const;
  std::int16_t Count() const;
  /// An enumerator over the list as it stands, position 1 first. It stays safe
  /// (never an invalid access) when the list changes while it is in use: it then
  /// goes on with the older items still in the list, and ends after Clear.
  FifoEnumerator NewEnum() const;
  void Clear();
  /// Items joined by CR LF, most recent first, nothing after the last.
  std::u16string StringValue() const;

 private:
  const host::TextCase& textCase_;
  std::int16_t maxCount_ = 100;
  std::shared_ptr<RecentItems> items_;  // shared with live enumerators
};

}  // namespace zelvane::itemlist
