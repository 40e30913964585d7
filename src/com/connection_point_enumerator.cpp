#include "com/connection_point_enumerator.h"

#include "com/hresult_from_caught.h"

namespace zelvane::com {

IEnumConnectionPoints* ConnectionPointEnumerator::Create(IConnectionPointContainer& container,
                                                         std::vector<IConnectionPoint*> points, std::size_t position) {
  return new ConnectionPointEnumerator(container, std::move(points), position);
}

ConnectionPointEnumerator::ConnectionPointEnumerator(IConnectionPointContainer& container,
                                                     std::vector<IConnectionPoint*> points, std::size_t position)
    : container_(&container), points_(std::move(points)), position_(position) {}

HRESULT STDMETHODCALLTYPE ConnectionPointEnumerator::Next(ULONG count, IConnectionPoint** points, ULONG* fetched) {
  if (!points || (count > 1 && !fetched)) return E_POINTER;
  ULONG given = 0;
  for (; given < count && position_ < points_.size(); ++given, ++position_) {
    points[given] = points_[position_];
    points[given]->AddRef();
  }
  if (fetched) *fetched = given;
  return given == count ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE ConnectionPointEnumerator::Skip(ULONG count) {
  const std::size_t left = points_.size() - position_;
  position_ += count < left ? count : left;
  return count <= left ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE ConnectionPointEnumerator::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ConnectionPointEnumerator::Clone(IEnumConnectionPoints** copy) {
  if (!copy) return E_POINTER;
  try {
    *copy = Create(*container_.get(), points_, position_);
    return S_OK;
  } catch (...) {
    *copy = nullptr;
    return hresult_from_caught();
  }
}

}  // namespace zelvane::com
