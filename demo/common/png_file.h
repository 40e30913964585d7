#pragma once
#include <string>

#include "screen_capture.h"

namespace zelvane::demo {

/// Encodes the image as PNG with the system's imaging component (WIC) into `path`.
void WritePng(const ScreenImage& image, const std::wstring& path);

/// True when `path` holds a PNG that the imaging component decodes to a non-empty image.
bool IsValidPng(const std::wstring& path);

}  // namespace zelvane::demo
