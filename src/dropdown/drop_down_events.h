#pragma once

namespace zelvane::dropdown {

class DropDownEvents {
 public:
  virtual ~DropDownEvents() = default;
  virtual void cd_HideControl() = 0;
};

}  // namespace zelvane::dropdown
