#include "framework/window_subclass.h"

#include "base/errors.h"
#include "framework/application.h"

namespace sundrel {

namespace {

constexpr wchar_t kRecordProperty[] = L"SundrelSubclass";

}  // namespace

// One per subclassed window, found through the window's property: our procedure in front of the
// window's previous one, and the hooks of every TWindowSubclass of that window. The record keeps
// itself while it is installed, and each message in it keeps it too, so it goes only when it is
// out of the window and no message of the window is still in its hands.
struct TWindowSubclass::Record : std::enable_shared_from_this<Record> {
  explicit Record(HWND window) : window(window) {}

  static std::shared_ptr<Record> Of(HWND window) {
    if (auto* found = static_cast<Record*>(GetPropW(window, kRecordProperty))) return found->shared_from_this();
    auto record = std::make_shared<Record>(window);
    if (!SetPropW(window, kRecordProperty, record.get())) throw Exception("The window could not be subclassed");
    record->previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    if (record->previous == nullptr) {
      RemovePropW(window, kRecordProperty);
      throw Exception("The window could not be subclassed");
    }
    record->self = record;
    return record;
  }

  bool OnTop() const { return GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Procedure); }

  void HookRemoved() {
    if (self && chain.Empty() && OnTop()) Uninstall();
  }

  void Uninstall() {
    if (OnTop()) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropW(window, kRecordProperty);
    // Last: this may be the record's last owner.
    const std::shared_ptr<Record> last = std::move(self);
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* found = static_cast<Record*>(GetPropW(window, kRecordProperty));
    if (found == nullptr) return DefWindowProcW(window, msg, wParam, lParam);
    const std::shared_ptr<Record> record = found->shared_from_this();
    TMessage message{msg, wParam, lParam, 0};
    try {
      record->chain.Dispatch(message);
    } catch (...) {
      HandleMessageException(window, msg);
    }
    if (msg == WM_NCDESTROY && record->self) record->Uninstall();
    return message.Result;
  }

  HWND window;
  WNDPROC previous = nullptr;
  std::shared_ptr<Record> self;  // set while the record is in the window
  TMessageHookChain chain{[this](TMessage& message) {
    message.Result = CallWindowProcW(previous, window, message.Msg, message.WParam, message.LParam);
  }};
};

TWindowSubclass::TWindowSubclass(HWND window, TMessageHook hook) : window_(window) {
  const std::shared_ptr<Record> record = Record::Of(window);
  record_ = record;
  // The token is shared only because the remover must be copyable; it is taken out once.
  auto token = std::make_shared<TRemovalToken>(record->chain.Add(std::move(hook)));
  hook_ = TRemovalToken([record = record_, token] {
    token->Remove();
    if (const std::shared_ptr<Record> installed = record.lock()) installed->HookRemoved();
  });
}

TWindowSubclass::~TWindowSubclass() = default;

bool TWindowSubclass::Attached() const {
  const std::shared_ptr<Record> record = record_.lock();
  return record != nullptr && record->self != nullptr && static_cast<bool>(hook_);
}

}  // namespace sundrel
