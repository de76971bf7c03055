#include "skin_command_records.h"

#include <algorithm>

#include "skin/manager/skin_command_win32.h"

namespace sundrel::testing {

TMessageRecorder SkinCommandRecorder() {
  return TMessageRecorder(Messages({SM_SKINCMD}));
}

TRecordedMessage Command(std::string window, int code, LPARAM lParam, unsigned how) {
  return {std::move(window), SM_SKINCMD, how | wparam | lparam, SkinCommandWParam(code), lParam};
}

TMessageSequence OnlyCommand(const TMessageSequence& entries, int code) {
  TMessageSequence only;
  std::copy_if(entries.begin(), entries.end(), std::back_inserter(only), [code](const TRecordedMessage& entry) {
    return entry.msg == SM_SKINCMD && SkinCommandCode(entry.wParam) == code;
  });
  return only;
}

std::unique_ptr<TWindowSubclass> AnswerSkinned(HWND window) {
  return std::make_unique<TWindowSubclass>(window, [](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == SM_SKINCMD && SkinCommandCode(message.WParam) == SMC_IS_SKINNED) {
      message.Result = 1;
      return;
    }
    passOn(message);
  });
}

}  // namespace sundrel::testing
