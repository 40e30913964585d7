#pragma once
#include <deque>
#include <initializer_list>

#include "core/vb_random.h"
#include "host/random_source.h"

namespace zelvane::sim {

/// Rnd with scripted values first, then VB's own sequence.
class SimRandom final : public host::RandomSource {
 public:
  float Rnd() override;
  void Push(float value) { scripted_.push_back(value); }
  void Script(std::initializer_list<float> values) { scripted_.insert(scripted_.end(), values); }
  int CallCount() const { return calls_; }

 private:
  std::deque<float> scripted_;
  core::VbRandom fallback_;
  int calls_ = 0;
};

}  // namespace zelvane::sim
