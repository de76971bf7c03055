#include "windows/provider/title_buttons.h"

namespace sundrel {

TsTitleButton& TsTitleButtons::Add() {
  items_.push_back(std::make_unique<TsTitleButton>());
  return *items_.back();
}

}  // namespace sundrel
