#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace zelvane::itemlist {

class CFifoBuffer;

/// Walks a CFifoBuffer most recent first. Next() hands out a copy of each item
/// and returns false at the end.
class FifoEnumerator {
 public:
  virtual ~FifoEnumerator() = default;
  virtual bool Next(std::u16string& item) = 0;
  /// The upper-case form the list keeps for the item Next() returned last, so
  /// callers that match against it need not convert every item again.
  virtual const std::u16string& CurrentUpper() const = 0;
};

}  // namespace zelvane::itemlist
