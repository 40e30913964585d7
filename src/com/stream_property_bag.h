#pragma once
#include <windows.h>
#include <objidl.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/property_bag.h"

namespace zelvane::com {

/// The control's property bag as a stream of its own format, for the
/// containers that persist through IPersistStreamInit and IPersistStorage:
///
///   "ZVTB", u16 version (1), u16 0, u32 entry count, then per entry
///   u32 name length, the name (UTF-16), u16 kind, u32 payload bytes, payload.
///
/// Kinds: 0 empty, 1 null, 2 boolean (1 byte), 3 16-bit integer, 4 32-bit integer,
/// 5 double, 6 string (UTF-16), 7 font (OleSaveToStream of the font object),
/// 8 no object. Every payload is length-prefixed, so a reader skips kinds it
/// does not know. Little-endian throughout.
class StreamPropertyBag final : public host::PropertyBag {
 public:
  StreamPropertyBag() = default;
  /// Reads a whole bag; a stream that is not one throws ComFailure.
  static StreamPropertyBag ReadFrom(IStream& stream);
  void WriteTo(IStream& stream) const;
  /// The bytes WriteTo would write.
  std::uint64_t Size() const;

  core::Variant ReadProperty(std::u16string_view name, const core::Variant& defaultValue) override;
  void WriteProperty(std::u16string_view name, const core::Variant& value,
                     const core::Variant& defaultValue) override;

 private:
  std::vector<std::pair<std::u16string, core::Variant>> entries_;
};

}  // namespace zelvane::com
