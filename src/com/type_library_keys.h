#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace zelvane::com {

/// A type library's keys under one Software\Classes root, where every registered
/// version names its file per width: TypeLib\{LIBID}\<major.minor>\<lcid>\<win32|win64>.
/// Both widths share these keys, so each width removes only its own file's keys and
/// a version key goes with the last of them.
class TypeLibraryKeys {
 public:
  /// `fileKey` is this version's and this width's file key, relative to `classes`.
  TypeLibraryKeys(HKEY classes, std::wstring_view fileKey);

  /// Removes this width's file keys from the older versions, and each older version
  /// that no width is left under.
  void RemoveOlderVersions() const;
  /// Removes this version's file key of this width, and what that leaves empty.
  void RemoveThisWidth() const;

 private:
  void RemoveWidthFrom(const std::wstring& version) const;

  HKEY classes_;
  std::wstring library_;
  std::wstring version_;
  std::wstring width_;
};

}  // namespace zelvane::com
