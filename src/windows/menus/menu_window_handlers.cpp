#include "windows/menus/menu_window_handlers.h"

#include <memory>

#include "framework/handler_registry.h"
#include "skin/manager/skin_command_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "windows/menus/ac_mnu_wnd.h"

namespace sundrel {

TRemovalToken HandleMenuWindows() {
  return RegisterHandlerFactory(L"#32768", THandlerMoment::Created, [](HWND window) -> std::unique_ptr<TWindowHandler> {
    TsSkinManager* manager = DefaultManager();
    if (manager == nullptr || SendSkinCommand(window, SMC_IS_SKINNED) == 1) return nullptr;
    auto handler = std::make_unique<TacMnuWnd>(window, manager);
    handler->Create(false);
    return handler;
  });
}

}  // namespace sundrel
