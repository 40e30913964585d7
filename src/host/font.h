#pragma once
#include <memory>

#include "core/variant.h"

namespace zelvane::host {

/// The platform's standard font object, shared by reference between the host, the
/// text box and the list box. The portable code only passes it along.
class Font : public core::ObjectBase {};
using FontPtr = std::shared_ptr<Font>;

}  // namespace zelvane::host
