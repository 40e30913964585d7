#pragma once
#include "core/variant.h"

namespace zelvane::core {

/// A host collection walked in its own order; Next returns false at the end and
/// may raise the host's error part-way.
class VariantEnumerator {
 public:
  virtual ~VariantEnumerator() = default;
  virtual bool Next(Variant& element) = 0;
};

}  // namespace zelvane::core
