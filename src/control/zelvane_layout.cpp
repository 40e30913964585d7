#include <algorithm>

#include "control/zelvane.h"
#include "core/bankers_round.h"

namespace zelvane::control {
namespace {

constexpr float kButtonTwips = 240.0f;
constexpr std::int32_t kFlatTop = 2;

std::int32_t Pixels(float value) { return static_cast<std::int32_t>(core::BankersRound(value)); }

}  // namespace

float Zelvane::ButtonWidth() const { return kButtonTwips / site_.screen.TwipsPerPixelX(); }

// Sizes that would go negative on a tiny surface are kept at 0.
void Zelvane::UserControl_Resize() {
  site_.lst->SetWidth(site_.surface.Width());
  const std::int32_t width = site_.surface.ScaleWidth();
  const std::int32_t height = site_.surface.ScaleHeight();
  const float textWidth = ShowButton() ? static_cast<float>(width) - ButtonWidth() : static_cast<float>(width);
  const std::int32_t textPixels = std::max(0, Pixels(textWidth));
  site_.txt.SetWidth(textPixels);
  // Right to left the button strip takes the left edge and the text box the rest.
  const std::int32_t left = RightToLeft() ? std::max(0, width - textPixels) : 0;
  if (site_.txt.Left() != left) site_.txt.SetLeft(left);
  if (storedAppearance_ == zv3d) {
    site_.txt.SetTop(0);
    site_.txt.SetHeight(std::max(0, height));
  } else {
    site_.txt.SetTop(kFlatTop);
    site_.txt.SetHeight(std::max(0, height - kFlatTop));
  }
}

// Right to left, the mirror image of the strip: as wide, at the other edge.
host::Rect Zelvane::ButtonRect() const {
  const std::int32_t width = site_.surface.ScaleWidth();
  const std::int32_t left = Pixels(static_cast<float>(width) - ButtonWidth());
  if (RightToLeft()) return {0, 0, width - left, site_.surface.ScaleHeight()};
  return {left, 0, width, site_.surface.ScaleHeight()};
}

void Zelvane::ApplyReadingOrder() {
  site_.txt.SetRightToLeft(RightToLeft());
  site_.lst->SetRightToLeft(RightToLeft());
  UserControl_Resize();
  // The button leaves one edge for the other.
  site_.surface.Cls();
  UserControl_Paint();
  if (cd_->Shown()) PlaceList();
}

void Zelvane::UserControl_Paint() {
  if (themed_) site_.surface.SetThemeBorder(host::CP_BORDER, BorderThemeState());
  if (ShowButton()) PaintButton();
}

bool Zelvane::InButtonStrip(float X, float Y) const {
  const auto width = static_cast<float>(site_.surface.ScaleWidth());
  const auto height = static_cast<float>(site_.surface.ScaleHeight());
  if (!(0.0f <= Y && Y < height)) return false;
  if (RightToLeft()) return 0.0f <= X && X < static_cast<float>(site_.txt.Left());
  return static_cast<float>(site_.txt.Width()) < X && X < width;
}

float Zelvane::ScaleToParentX(float X) {
  const std::int16_t from = site_.surface.ScaleMode();
  const std::int16_t to = site_.container.ParentScaleMode();
  return site_.surface.ScaleX(X, from, to);
}

float Zelvane::ScaleToParentY(float Y) {
  const std::int16_t from = site_.surface.ScaleMode();
  const std::int16_t to = site_.container.ParentScaleMode();
  return site_.surface.ScaleY(Y, from, to);
}

}  // namespace zelvane::control
