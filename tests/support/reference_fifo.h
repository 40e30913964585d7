#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/automation_error.h"
#include "core/variant.h"
#include "core/vb_errors.h"
#include "host/text_case.h"

namespace zelvane::support {

/// The item list's algorithms written out step by step over a plain vector, with no
/// index: what CFifoBuffer must agree with, and the baseline its timings are set against.
class ReferenceFifo {
 public:
  explicit ReferenceFifo(const host::TextCase& textCase) : textCase_(textCase) {}

  void SetMaxCount(std::int16_t maxCount) {
    if (maxCount < 1) throw core::AutomationError(1001, u"FifoBuffer", u"ItemCount must be greater than 0");
    while (static_cast<std::int16_t>(items_.size()) > maxCount) items_.pop_back();
    maxCount_ = maxCount;
  }
  std::int16_t MaxCount() const { return maxCount_; }

  void Add(const std::u16string& item) {
    if (item.empty()) return;
    const std::size_t n = items_.size();
    for (std::size_t i = 0; i < n; ++i) {
      if (textCase_.ToUpper(item) == textCase_.ToUpper(items_[i])) {
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
        break;
      }
    }
    items_.insert(items_.begin(), item);
    if (static_cast<std::int16_t>(items_.size()) > maxCount_) items_.pop_back();
  }

  void Remove(const std::u16string& item) {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (textCase_.ToUpper(item) == textCase_.ToUpper(items_[i])) {
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
        return;
      }
    }
  }
  void RemoveAt(std::int32_t position) { items_.erase(items_.begin() + (position - 1)); }

  std::u16string Item(const core::Variant& index) const {
    std::int32_t position = 0;
    try {
      position = core::ToLong(index);
    } catch (const core::AutomationError&) {
      core::RaiseVbError(core::VbError::InvalidArgument);
    }
    if (position < 1 || position > Count()) core::RaiseVbError(core::VbError::InvalidArgument);
    return items_[static_cast<std::size_t>(position - 1)];
  }

  std::int16_t Count() const { return static_cast<std::int16_t>(items_.size()); }
  void Clear() { items_ = {}; }

  std::u16string StringValue() const {
    std::u16string joined;
    for (std::size_t i = 0; i < items_.size(); ++i) {
      joined += items_[i];
      if (i + 1 < items_.size()) joined += u"\r\n";
    }
    return joined;
  }

  const std::vector<std::u16string>& Items() const { return items_; }

 private:
  const host::TextCase& textCase_;
  std::int16_t maxCount_ = 100;
  std::vector<std::u16string> items_;
};

}  // namespace zelvane::support
