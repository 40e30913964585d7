#pragma once
#include <memory>
#include <string>
#include <utility>

#include "host/font.h"

namespace zelvane::sim {

/// A font object that tests can tell apart by name, size and weight.
class SimFont final : public host::Font {
 public:
  explicit SimFont(std::u16string name = u"MS Sans Serif", double size = 8.25, bool bold = false)
      : name_(std::move(name)), size_(size), bold_(bold) {}
  const std::u16string& Name() const { return name_; }
  void SetName(std::u16string name) { name_ = std::move(name); }
  double Size() const { return size_; }
  void SetSize(double size) { size_ = size; }
  bool Bold() const { return bold_; }
  void SetBold(bool bold) { bold_ = bold; }

 private:
  std::u16string name_;
  double size_;
  bool bold_;
};

/// A shared SimFont, as the host hands fonts around.
inline std::shared_ptr<SimFont> MakeSimFont(std::u16string name = u"MS Sans Serif", double size = 8.25,
                                            bool bold = false) {
  return std::make_shared<SimFont>(std::move(name), size, bold);
}

}  // namespace zelvane::sim
