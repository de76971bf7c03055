#include "windows/list_box/list_box_errors.h"

namespace sundrel {

EListError ListIndexError(int index) {
  std::string text = SListIndexError;
  text.replace(text.find("%d"), 2, std::to_string(index));
  return EListError(text);
}

}  // namespace sundrel
