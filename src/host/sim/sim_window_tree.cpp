#include "host/sim/sim_window_tree.h"

#include <algorithm>
#include <iterator>

#include "host/sim/sim_messages.h"

namespace zelvane::sim {
namespace {

host::Rect Offset(const host::Rect& r, host::Point by) {
  return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

}  // namespace

SimWindowTree::SimWindowTree(int screenWidth, int screenHeight) : screen_{0, 0, screenWidth, screenHeight} {
  SimWindow desktop;
  desktop.className = u"#32769";
  desktop.style = WS_VISIBLE;
  desktop.rect = screen_;
  windows_.emplace(kDesktop, std::move(desktop));
}

host::Hwnd SimWindowTree::Create(std::u16string className, host::Hwnd parent, std::intptr_t style,
                                 std::intptr_t exStyle, host::Rect rect, SimWindowHandler* handler) {
  if (parent == 0) parent = kDesktop;
  auto* parentWindow = Find(parent);
  if (parentWindow == nullptr) return 0;
  const host::Hwnd hwnd = nextHandle_;
  nextHandle_ += 4;
  parentWindow->children.push_back(hwnd);
  SimWindow window;
  window.className = std::move(className);
  window.parent = parent;
  window.style = style;
  window.exStyle = exStyle;
  window.rect = rect;
  window.handler = handler;
  windows_.emplace(hwnd, std::move(window));
  return hwnd;
}

std::vector<host::Hwnd> SimWindowTree::Destroy(host::Hwnd hwnd) {
  std::vector<host::Hwnd> removed;
  if (hwnd == kDesktop || !Contains(hwnd)) return removed;
  auto& siblings = Find(Find(hwnd)->parent)->children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
  std::vector<host::Hwnd> pending{hwnd};
  while (!pending.empty()) {
    const host::Hwnd next = pending.back();
    pending.pop_back();
    const auto it = windows_.find(next);
    pending.insert(pending.end(), it->second.children.begin(), it->second.children.end());
    windows_.erase(it);
    removed.push_back(next);
  }
  return removed;
}

const SimWindow* SimWindowTree::Find(host::Hwnd hwnd) const {
  const auto it = windows_.find(hwnd);
  return it == windows_.end() ? nullptr : &it->second;
}

SimWindow* SimWindowTree::Find(host::Hwnd hwnd) {
  const auto it = windows_.find(hwnd);
  return it == windows_.end() ? nullptr : &it->second;
}

bool SimWindowTree::IsSelfOrAncestor(host::Hwnd ancestor, host::Hwnd hwnd) const {
  for (const auto* w = Find(hwnd); w != nullptr; hwnd = w->parent, w = Find(hwnd)) {
    if (hwnd == ancestor) return true;
  }
  return false;
}

bool SimWindowTree::Reparent(host::Hwnd hwnd, host::Hwnd newParent) {
  if (newParent == 0) newParent = kDesktop;
  auto* window = Find(hwnd);
  if (window == nullptr || hwnd == kDesktop || !Contains(newParent) || IsSelfOrAncestor(hwnd, newParent)) {
    return false;
  }
  auto& oldSiblings = Find(window->parent)->children;
  oldSiblings.erase(std::remove(oldSiblings.begin(), oldSiblings.end(), hwnd), oldSiblings.end());
  Find(newParent)->children.push_back(hwnd);
  window->parent = newParent;
  return true;
}

void SimWindowTree::BringToTop(host::Hwnd hwnd) {
  const auto* window = Find(hwnd);
  if (window == nullptr || hwnd == kDesktop) return;
  auto& siblings = Find(window->parent)->children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
  siblings.push_back(hwnd);
}

bool SimWindowTree::Visible(host::Hwnd hwnd) const {
  const auto* w = Find(hwnd);
  if (w == nullptr) return false;
  for (; w != nullptr; w = Find(w->parent)) {
    if ((w->style & WS_VISIBLE) == 0) return false;
  }
  return true;
}

bool SimWindowTree::EnabledForInput(host::Hwnd hwnd) const {
  const auto* w = Find(hwnd);
  if (w == nullptr) return false;
  for (; w != nullptr; w = Find(w->parent)) {
    if ((w->style & WS_DISABLED) != 0) return false;
  }
  return true;
}

host::Rect SimWindowTree::WindowRectOnScreen(host::Hwnd hwnd) const {
  const auto* w = Find(hwnd);
  if (w == nullptr || hwnd == kDesktop) return screen_;
  const host::Rect parentClient = ClientRectOnScreen(w->parent);
  return Offset(w->rect, {parentClient.left, parentClient.top});
}

host::Rect SimWindowTree::ClientRectOnScreen(host::Hwnd hwnd) const {
  const auto* w = Find(hwnd);
  if (w == nullptr || hwnd == kDesktop) return screen_;
  host::Rect r = WindowRectOnScreen(hwnd);
  r.left += w->border;
  r.top += w->border;
  r.right = std::max(r.left, r.right - w->border);
  r.bottom = std::max(r.top, r.bottom - w->border);
  return r;
}

host::Hwnd SimWindowTree::ChildFromPoint(host::Hwnd parent, host::Point screen) const {
  // Children are clipped to their parent's client area, so only a point inside it
  // can hit one of them; the top-most sibling wins. The desktop's own rectangle is
  // the primary screen only, yet its children show on every monitor.
  if (parent != kDesktop && !host::PtInRect(ClientRectOnScreen(parent), screen)) return parent;
  const auto& children = Find(parent)->children;
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    const auto* child = Find(*it);
    if ((child->style & WS_VISIBLE) != 0 && host::PtInRect(WindowRectOnScreen(*it), screen)) {
      return ChildFromPoint(*it, screen);
    }
  }
  return parent;
}

host::Hwnd SimWindowTree::WindowFromPoint(host::Point screen) const { return ChildFromPoint(kDesktop, screen); }

}  // namespace zelvane::sim
