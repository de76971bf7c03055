#include "skin/manager/pack_warning_win32.h"

#include "framework/message_box.h"

namespace sundrel {

void ShowPackWarning(const std::string& text) {
  ShowWarningBox(text);
}

}  // namespace sundrel
