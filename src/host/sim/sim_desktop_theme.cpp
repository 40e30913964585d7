// The visual-style theme: on or off, the parts it defines, and its drawings.
#include <algorithm>

#include "host/sim/sim_desktop.h"

namespace zelvane::sim {

void SimDesktop::SetThemeActive(bool active) {
  std::vector<SimWindowHandler*> handlers;
  {
    std::lock_guard lock(mutex_);
    themeActive_ = active;
    handlers = HandlersLocked();
  }
  for (SimWindowHandler* handler : handlers) handler->OnThemeChanged();
}

bool SimDesktop::ThemeActive() const {
  std::lock_guard lock(mutex_);
  return themeActive_;
}

void SimDesktop::SetThemeParts(std::vector<int> parts) {
  std::lock_guard lock(mutex_);
  themeParts_ = std::move(parts);
}

bool SimDesktop::ThemeDefinesPart(int part) const {
  std::lock_guard lock(mutex_);
  return themeActive_ && std::find(themeParts_.begin(), themeParts_.end(), part) != themeParts_.end();
}

void SimDesktop::LogThemeBackground(host::Hdc hdc, int part, int state, const host::Rect& rect,
                                    host::OleColor backdrop) {
  std::lock_guard lock(mutex_);
  DrawRecord record{DrawRecord::Kind::ThemeBackground, hdc, rect, 0, static_cast<std::uint32_t>(state)};
  record.part = part;
  record.backdrop = backdrop;
  drawLog_.push_back(record);
}

std::vector<DrawRecord> SimDesktop::ThemeBackgroundCalls() const {
  return DrawCalls(DrawRecord::Kind::ThemeBackground);
}

}  // namespace zelvane::sim
