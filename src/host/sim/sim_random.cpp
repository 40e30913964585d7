#include "host/sim/sim_random.h"

namespace zelvane::sim {

float SimRandom::Rnd() {
  ++calls_;
  if (scripted_.empty()) return fallback_.Next();
  const float value = scripted_.front();
  scripted_.pop_front();
  return value;
}

}  // namespace zelvane::sim
