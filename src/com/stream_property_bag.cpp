#include "com/stream_property_bag.h"

#include <windows.h>
#include <olectl.h>

#include <algorithm>
#include <optional>

#include "com/com_failure.h"
#include "com/com_object.h"
#include "host/win32/com_ptr.h"
#include "host/win32/win32_font.h"

namespace zelvane::com {
namespace {

using win32::com_ptr;

constexpr char kMagic[4] = {'Z', 'V', 'T', 'B'};
constexpr std::uint16_t kVersion = 1;
// Bounds that keep a damaged stream from asking for absurd allocations.
constexpr std::uint32_t kMaxEntries = 4096;
constexpr std::uint32_t kMaxNameChars = 1024;
constexpr std::uint32_t kMaxPayload = 16u << 20;

enum Kind : std::uint16_t {
  kEmpty = 0,
  kNull = 1,
  kBool = 2,
  kInteger = 3,
  kLong = 4,
  kDouble = 5,
  kString = 6,
  kFont = 7,
  kNoObject = 8,
};

void ReadExact(IStream& stream, void* data, ULONG size) {
  ULONG read = 0;
  ThrowIfFailed(stream.Read(data, size, &read));
  if (read != size) throw ComFailure(STG_E_READFAULT);
}

void WriteAll(IStream& stream, const void* data, ULONG size) {
  ULONG written = 0;
  ThrowIfFailed(stream.Write(data, size, &written));
  if (written != size) throw ComFailure(STG_E_WRITEFAULT);
}

template <class T>
T ReadValue(IStream& stream) {
  T value{};
  ReadExact(stream, &value, sizeof value);
  return value;
}

template <class T>
void WriteValue(IStream& stream, T value) {
  WriteAll(stream, &value, sizeof value);
}

com_ptr<IStream> MemoryStream() {
  com_ptr<IStream> memory;
  ThrowIfFailed(CreateStreamOnHGlobal(nullptr, TRUE, memory.put()));
  return memory;
}

std::vector<char> StreamBytes(IStream& stream) {
  STATSTG stat{};
  ThrowIfFailed(stream.Stat(&stat, STATFLAG_NONAME));
  std::vector<char> bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
  ThrowIfFailed(stream.Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr));
  if (!bytes.empty()) ReadExact(stream, bytes.data(), static_cast<ULONG>(bytes.size()));
  return bytes;
}

std::vector<char> FontBytes(const win32::Win32Font& font) {
  const auto persist = com_ptr<IFont>(font.ifont()).query<IPersistStream>();
  if (!persist) throw ComFailure(E_NOINTERFACE);
  const com_ptr<IStream> memory = MemoryStream();
  ThrowIfFailed(OleSaveToStream(persist.get(), memory.get()));
  return StreamBytes(*memory.get());
}

core::Variant FontFromBytes(const std::vector<char>& bytes) {
  const com_ptr<IStream> memory = MemoryStream();
  WriteAll(*memory.get(), bytes.data(), static_cast<ULONG>(bytes.size()));
  ThrowIfFailed(memory->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr));
  com_ptr<IUnknown> font;
  ThrowIfFailed(OleLoadFromStream(memory.get(), IID_IUnknown, font.put_void()));
  return win32::FontFromUnknown(font.get());
}

template <class T>
std::vector<char> Bytes(const T& value) {
  const auto* p = reinterpret_cast<const char*>(&value);
  return {p, p + sizeof value};
}

// The kind and payload of one value.
std::pair<Kind, std::vector<char>> Encode(const core::Variant& value) {
  if (std::holds_alternative<core::Empty>(value)) return {kEmpty, {}};
  if (std::holds_alternative<core::Null>(value)) return {kNull, {}};
  if (const auto* b = std::get_if<bool>(&value)) return {kBool, {static_cast<char>(*b ? 1 : 0)}};
  if (const auto* i2 = std::get_if<std::int16_t>(&value)) return {kInteger, Bytes(*i2)};
  if (const auto* i4 = std::get_if<std::int32_t>(&value)) return {kLong, Bytes(*i4)};
  if (const auto* d = std::get_if<double>(&value)) return {kDouble, Bytes(*d)};
  if (const auto* s = std::get_if<std::u16string>(&value)) {
    const auto* p = reinterpret_cast<const char*>(s->data());
    return {kString, {p, p + s->size() * sizeof(char16_t)}};
  }
  const auto& object = std::get<core::ObjectPtr>(value);
  if (const auto font = std::dynamic_pointer_cast<win32::Win32Font>(object)) return {kFont, FontBytes(*font)};
  return {kNoObject, {}};
}

template <class T>
T Decoded(const std::vector<char>& payload) {
  T value{};
  if (payload.size() != sizeof value) throw ComFailure(STG_E_INVALIDHEADER);
  std::copy(payload.begin(), payload.end(), reinterpret_cast<char*>(&value));
  return value;
}

// Nothing for a kind this version does not know.
std::optional<core::Variant> Decode(Kind kind, const std::vector<char>& payload) {
  switch (kind) {
    case kEmpty: return core::Empty{};
    case kNull: return core::Null{};
    case kBool: return Decoded<char>(payload) != 0;
    case kInteger: return Decoded<std::int16_t>(payload);
    case kLong: return Decoded<std::int32_t>(payload);
    case kDouble: return Decoded<double>(payload);
    case kString: {
      std::u16string text(payload.size() / sizeof(char16_t), u'\0');
      std::copy(payload.begin(), payload.begin() + static_cast<std::ptrdiff_t>(text.size() * sizeof(char16_t)),
                reinterpret_cast<char*>(text.data()));
      return text;
    }
    case kFont: return FontFromBytes(payload);
    case kNoObject: return core::ObjectPtr();
  }
  return std::nullopt;
}

std::uint32_t Checked(std::uint32_t value, std::uint32_t limit) {
  if (value > limit) throw ComFailure(STG_E_INVALIDHEADER);
  return value;
}

}  // namespace

StreamPropertyBag StreamPropertyBag::ReadFrom(IStream& stream) {
  char magic[4] = {};
  ReadExact(stream, magic, sizeof magic);
  if (!std::equal(magic, magic + 4, kMagic) || ReadValue<std::uint16_t>(stream) != kVersion) {
    throw ComFailure(STG_E_INVALIDHEADER);
  }
  ReadValue<std::uint16_t>(stream);
  StreamPropertyBag bag;
  const std::uint32_t count = Checked(ReadValue<std::uint32_t>(stream), kMaxEntries);
  for (std::uint32_t i = 0; i < count; ++i) {
    std::u16string name(Checked(ReadValue<std::uint32_t>(stream), kMaxNameChars), u'\0');
    ReadExact(stream, name.data(), static_cast<ULONG>(name.size() * sizeof(char16_t)));
    const auto kind = static_cast<Kind>(ReadValue<std::uint16_t>(stream));
    std::vector<char> payload(Checked(ReadValue<std::uint32_t>(stream), kMaxPayload));
    if (!payload.empty()) ReadExact(stream, payload.data(), static_cast<ULONG>(payload.size()));
    if (auto value = Decode(kind, payload)) bag.entries_.emplace_back(std::move(name), std::move(*value));
  }
  return bag;
}

void StreamPropertyBag::WriteTo(IStream& stream) const {
  WriteAll(stream, kMagic, sizeof kMagic);
  WriteValue(stream, kVersion);
  WriteValue(stream, std::uint16_t{0});
  WriteValue(stream, static_cast<std::uint32_t>(entries_.size()));
  for (const auto& [name, value] : entries_) {
    WriteValue(stream, static_cast<std::uint32_t>(name.size()));
    WriteAll(stream, name.data(), static_cast<ULONG>(name.size() * sizeof(char16_t)));
    const auto [kind, payload] = Encode(value);
    WriteValue(stream, static_cast<std::uint16_t>(kind));
    WriteValue(stream, static_cast<std::uint32_t>(payload.size()));
    if (!payload.empty()) WriteAll(stream, payload.data(), static_cast<ULONG>(payload.size()));
  }
}

std::uint64_t StreamPropertyBag::Size() const {
  const com_ptr<IStream> memory = MemoryStream();
  WriteTo(*memory.get());
  return StreamBytes(*memory.get()).size();
}

core::Variant StreamPropertyBag::ReadProperty(std::u16string_view name, const core::Variant& defaultValue) {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == name; });
  return found == entries_.end() ? defaultValue : found->second;
}

void StreamPropertyBag::WriteProperty(std::u16string_view name, const core::Variant& value, const core::Variant&) {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == name; });
  if (found != entries_.end()) {
    found->second = value;
  } else {
    entries_.emplace_back(std::u16string(name), value);
  }
}

}  // namespace zelvane::com
