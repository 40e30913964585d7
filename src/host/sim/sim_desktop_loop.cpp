// The message queue, message-loop passes, the virtual clock and its timers.
#include <algorithm>

#include "host/sim/sim_desktop.h"
#include "host/sim/sim_timer.h"

namespace zelvane::sim {

void SimDesktop::Post(std::function<void()> item) {
  std::lock_guard lock(mutex_);
  queue_.Post(std::move(item));
}

void SimDesktop::PostMouseMove(host::Point screen, int shift) {
  Post([this, screen, shift] { MouseMove(screen, shift); });
}

void SimDesktop::PostMouseDown(host::Point screen, int button, int shift) {
  Post([this, screen, button, shift] { MouseDown(screen, button, shift); });
}

void SimDesktop::PostMouseUp(host::Point screen, int button, int shift) {
  Post([this, screen, button, shift] { MouseUp(screen, button, shift); });
}

void SimDesktop::PostClick(host::Point screen, int button, int shift) {
  Post([this, screen, button, shift] { Click(screen, button, shift); });
}

void SimDesktop::PostDoubleClick(host::Point screen, int button, int shift) {
  Post([this, screen, button, shift] { DoubleClick(screen, button, shift); });
}

void SimDesktop::PostKeyDown(int vk, int shift) {
  Post([this, vk, shift] { KeyDown(vk, shift); });
}

void SimDesktop::PostKeyUp(int vk, int shift) {
  Post([this, vk, shift] { KeyUp(vk, shift); });
}

void SimDesktop::PostChar(char16_t ch) {
  Post([this, ch] { Char(ch); });
}

void SimDesktop::PostKey(int vk, int shift) {
  Post([this, vk, shift] { PressKey(vk, shift); });
}

void SimDesktop::PostType(std::u16string_view text) {
  for (const char16_t ch : text) {
    Post([this, ch] { Type(std::u16string_view(&ch, 1)); });
  }
}

std::size_t SimDesktop::PendingCount() const {
  std::lock_guard lock(mutex_);
  return queue_.Size();
}

void SimDesktop::RunQueuedBefore(std::uint64_t mark) {
  for (;;) {
    std::optional<std::function<void()>> item;
    {
      std::lock_guard lock(mutex_);
      item = queue_.TakeBefore(mark);
    }
    if (!item) return;
    (*item)();
  }
}

void SimDesktop::RunQueuedNow() {
  std::uint64_t mark = 0;
  {
    std::lock_guard lock(mutex_);
    mark = queue_.Mark();
  }
  RunQueuedBefore(mark);
}

void SimDesktop::DoEvents() {
  int pass = 0;
  std::function<void(int)> onPass;
  {
    std::lock_guard lock(mutex_);
    pass = ++passCount_;
    onPass = onPass_;
  }
  if (onPass) onPass(pass);
  RunQueuedNow();
  std::int64_t duration = 0;
  {
    std::lock_guard lock(mutex_);
    duration = passDurationMs_;
  }
  AdvanceClock(duration, false);
}

int SimDesktop::PassCount() const {
  std::lock_guard lock(mutex_);
  return passCount_;
}

void SimDesktop::OnPass(std::function<void(int passNumber)> callback) {
  std::lock_guard lock(mutex_);
  onPass_ = std::move(callback);
}

void SimDesktop::SetPassDuration(std::int64_t ms) {
  std::lock_guard lock(mutex_);
  passDurationMs_ = std::max<std::int64_t>(0, ms);
}

std::int64_t SimDesktop::PassDuration() const {
  std::lock_guard lock(mutex_);
  return passDurationMs_;
}

int SimDesktop::RunUntilIdle(int maxPasses) {
  int passes = 0;
  while (passes < maxPasses && PendingCount() > 0) {
    DoEvents();
    ++passes;
  }
  return passes;
}

std::int64_t SimDesktop::NowMs() const {
  std::lock_guard lock(mutex_);
  return nowMs_;
}

void SimDesktop::Advance(std::int64_t ms) { AdvanceClock(ms, true); }

void SimDesktop::AdvanceClock(std::int64_t ms, bool runPosts) {
  std::int64_t until = 0;
  {
    std::lock_guard lock(mutex_);
    until = nowMs_ + std::max<std::int64_t>(0, ms);
  }
  // Each step runs what is queued, then the next due timer; the last step only
  // the queue.
  for (;;) {
    if (runPosts) RunQueuedNow();
    SimTimer* due = nullptr;
    {
      std::lock_guard lock(mutex_);
      // The earliest due timer; among equal times the one added first. The list
      // is searched afresh at every step because callbacks change it.
      for (auto* timer : timers_) {
        if (timer->Active() && timer->DueMs() <= until && (due == nullptr || timer->DueMs() < due->DueMs())) {
          due = timer;
        }
      }
      nowMs_ = std::max(nowMs_, due == nullptr ? until : due->DueMs());
    }
    if (due == nullptr) return;
    due->Fire();
  }
}

void SimDesktop::AddTimer(SimTimer* timer) {
  std::lock_guard lock(mutex_);
  if (std::find(timers_.begin(), timers_.end(), timer) == timers_.end()) timers_.push_back(timer);
}

void SimDesktop::RemoveTimer(SimTimer* timer) {
  std::lock_guard lock(mutex_);
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

}  // namespace zelvane::sim
