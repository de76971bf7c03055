#include "skin/manager/menu_support_win32.h"

#include "framework/graphics.h"

namespace sundrel {

TacMenuSupport::TacMenuSupport() : extraLineFont_(std::make_unique<TFont>()) {}

TacMenuSupport::~TacMenuSupport() = default;

void TacMenuSupport::SetExtraLineFont(const TFont& font) {
  extraLineFont_->Assign(font);
}

}  // namespace sundrel
