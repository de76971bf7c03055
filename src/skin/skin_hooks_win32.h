// The two hooks of the default skin manager: the thread hook through which windows without a
// skin of their own are skinned automatically, and the hook on the application's main window.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "framework/forms.h"

namespace sundrel {

// A computer-based-training hook on the user-interface thread: it sees every window of the
// thread being created, activated and destroyed. It passes every event on; the automatic skinning
// of forms and dialogs works through it.
class TacSkinningHook {
 public:
  // Raises Exception when the system refuses the hook.
  TacSkinningHook();
  ~TacSkinningHook();
  TacSkinningHook(const TacSkinningHook&) = delete;
  TacSkinningHook& operator=(const TacSkinningHook&) = delete;

 private:
  static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);

  HHOOK hook_;
};

// Sees the messages of a form's message method before the form does.
class TacMainWindowHook {
 public:
  // Answers whether it handled the message; the form sees the others.
  using Handler = std::function<bool(TMessage&)>;

  TacMainWindowHook(TCustomForm& form, Handler handler);
  // Gives the form its previous message method back, unless someone replaced the method after
  // this hook did: then the hook only stops handling and passes everything on.
  ~TacMainWindowHook();
  TacMainWindowHook(const TacMainWindowHook&) = delete;
  TacMainWindowHook& operator=(const TacMainWindowHook&) = delete;

  TCustomForm* Form() const { return form_; }
  // The form is being freed: there is nothing to give back any more.
  void FormGone() { form_ = nullptr; }

 private:
  struct State {
    Handler handler;
    TWndMethod previous;
    bool live = true;
  };
  struct Procedure {
    std::shared_ptr<State> state;
    void operator()(TMessage& message) const;
  };

  TCustomForm* form_;
  std::shared_ptr<State> state_;
};

}  // namespace sundrel
