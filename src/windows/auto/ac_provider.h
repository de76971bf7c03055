// What the automatic skinning gives a window when it is first activated, kept in one list in the
// order made: a framework form gets a TacProvider (owned by the form, like the form's skin
// provider that it makes), a window of the system a TacDialogProvider (owned by the skinning
// hook's handler list, freed once its window has gone). The list never owns its entries.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "framework/component.h"
#include "framework/forms.h"
#include "framework/removal_token.h"
#include "framework/window_handler.h"

namespace sundrel {

class TsSkinProvider;

class TacProviderEntry {
 public:
  // The window served; nullptr once it has gone.
  virtual HWND ProvidedWindow() const = 0;
  // A window of the system (a dialog, a message box), not a framework form.
  virtual bool ServesDialog() const = 0;

 protected:
  TacProviderEntry();
  ~TacProviderEntry();
};

// The providers alive now, oldest first.
const std::vector<TacProviderEntry*>& ProviderList();
// The provider of the window, or nullptr.
TacProviderEntry* ProviderOf(HWND window);

// The form case: owned by the form.
class TacProvider : public TComponent, public TacProviderEntry {
 public:
  explicit TacProvider(TCustomForm& form);

  TCustomForm& OwnerForm() const { return form_; }
  // The skin provider made for the form, or nullptr before AttachForm.
  TsSkinProvider* FormProvider() const { return formProvider_; }
  // Gives the form a skin provider of its own (owned by the form) and skins the form with it:
  // frame, title, title buttons, client and controls. A message window's system menu lists no
  // skins.
  void AttachForm(bool makeSkinMenu);

  HWND ProvidedWindow() const override;
  bool ServesDialog() const override { return false; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TCustomForm& form_;
  TsSkinProvider* formProvider_ = nullptr;
};

// The dialog case: sees the window's messages from its activation to its destruction. It
// stays idle (the window keeps its own look) unless a dialog skinner takes the window over.
class TacDialogProvider : public TWindowHandler, public TacProviderEntry {
 public:
  explicit TacDialogProvider(HWND dialog);
  ~TacDialogProvider() override;

  // Asks the registered dialog skinner to take a "#32770" or "TMessageForm" window over (any
  // other window stays idle). False when the window must stay native; the provider is freed then.
  bool InitDialog();

  // 0 normal; the dialog keeps a part of its client area painted by itself (1), shows a picture
  // of 152 by 49 pixels (2), or is painted with "FORM" around three rectangles of its own (3).
  int DialogMode = 0;
  HWND DialogHandle() const { return dialog_; }
  TWindowHandler* DialogHandler() const { return dialogHandler_.get(); }
  // What the skinner made for the dialog's window and for its child windows; freed with the provider.
  void SetDialogHandler(std::unique_ptr<TWindowHandler> handler) { dialogHandler_ = std::move(handler); }
  void AddChildHandler(std::unique_ptr<TWindowHandler> handler) { childHandlers_.push_back(std::move(handler)); }
  int ChildHandlerCount() const { return static_cast<int>(childHandlers_.size()); }

  HWND ProvidedWindow() const override { return dialog_; }
  bool ServesDialog() const override { return true; }

 protected:
  void WndProc(TMessage& message, const TPassOn& passOn) override;

 private:
  HWND dialog_;
  std::unique_ptr<TWindowHandler> dialogHandler_;
  std::vector<std::unique_ptr<TWindowHandler>> childHandlers_;
};

// The place where system dialogs are skinned: the skinner gives the provider a dialog handler
// (and handlers for the dialog's controls) and answers false when the dialog must stay native.
// The latest registration counts; letting the token go takes it out.
using TacDialogSkinner = std::function<bool(TacDialogProvider& provider)>;
[[nodiscard]] TRemovalToken RegisterDialogSkinner(TacDialogSkinner skinner);

}  // namespace sundrel
