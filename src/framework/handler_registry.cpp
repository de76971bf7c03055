#include "framework/handler_registry.h"

#include <algorithm>

namespace sundrel {

namespace {

struct Registration {
  std::wstring className;
  THandlerMoment moment;
  THandlerFactory factory;
};

// Each registration is shared with its token, which finds it there to take it out.
std::vector<std::shared_ptr<Registration>>& Registrations() {
  static std::vector<std::shared_ptr<Registration>> registrations;
  return registrations;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

const Registration* Find(const std::wstring& className, THandlerMoment moment) {
  const auto& registrations = Registrations();
  const auto found =
      std::find_if(registrations.rbegin(), registrations.rend(), [&](const std::shared_ptr<Registration>& entry) {
        return entry->moment == moment &&
               CompareStringOrdinal(entry->className.c_str(), -1, className.c_str(), -1, TRUE) == CSTR_EQUAL;
      });
  return found != registrations.rend() ? found->get() : nullptr;
}

}  // namespace

TRemovalToken RegisterHandlerFactory(std::wstring className, THandlerMoment moment, THandlerFactory factory) {
  auto registration = std::make_shared<Registration>(Registration{std::move(className), moment, std::move(factory)});
  Registrations().push_back(registration);
  return TRemovalToken([registration] { std::erase(Registrations(), registration); });
}

THandlerFactory FindHandlerFactory(HWND window, THandlerMoment moment) {
  const Registration* found = Find(ClassNameOf(window), moment);
  if (found == nullptr) found = Find(L"", moment);
  return found != nullptr ? found->factory : THandlerFactory();
}

void TAutoHandlers::Make(HWND window, THandlerMoment moment) {
  const THandlerFactory factory = FindHandlerFactory(window, moment);
  if (!factory) return;
  if (std::unique_ptr<TWindowHandler> handler = factory(window)) handlers_.push_back(std::move(handler));
}

void TAutoHandlers::WindowDestroying(HWND) {
  // Freeing a handler may destroy a window of its own (a menu's utility window), which brings the
  // hook back here: the list is whole again before anything is freed.
  std::vector<std::unique_ptr<TWindowHandler>> gone;
  for (std::unique_ptr<TWindowHandler>& handler : handlers_) {
    if (!handler->Attached() && !handler->Busy()) gone.push_back(std::move(handler));
  }
  std::erase(handlers_, nullptr);
}

}  // namespace sundrel
