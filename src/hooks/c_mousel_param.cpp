#include "hooks/c_mousel_param.h"

#include <cstring>

namespace zelvane::hooks {

void cMouselParam::Init(host::LParam address) {
  std::memcpy(&record_, reinterpret_cast<const void*>(address), sizeof(record_));
}

std::int32_t cMouselParam::ClientX(host::Hwnd lhWNd) const { return Converted(lhWNd).x; }

std::int32_t cMouselParam::ClientY(host::Hwnd lhWNd) const { return Converted(lhWNd).y; }

host::Point cMouselParam::Converted(host::Hwnd lhWNd) const {
  host::Point point = record_.pt;
  // Whatever the conversion leaves in the copy is the answer, failed or not.
  windows_.ScreenToClient(lhWNd, &point);
  return point;
}

}  // namespace zelvane::hooks
