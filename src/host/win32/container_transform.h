#pragma once
#include <functional>

namespace zelvane::win32 {

/// Converts a length between himetric and the container's own unit, the way
/// IOleControlSite::TransformCoords does: into the container's unit when
/// `toContainer`, else from it into himetric.
using ContainerTransform = std::function<float(float length, bool horizontal, bool toContainer)>;

}  // namespace zelvane::win32
