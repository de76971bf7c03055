// An ordered chain of message hooks in front of a message method: every framework control has
// one (TControl::MessageHooks), the application window has one, and so has every window that
// the framework subclasses (TWindowSubclass). Whoever wants to see a window's messages first (a
// skin provider, a window handler, a control's skin data, a test's recorder) adds a hook and
// keeps the token; letting the token go takes the hook out, in any order.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "framework/messages.h"
#include "framework/removal_token.h"

namespace sundrel {

class TPassOn;

// A hook handles the message itself (it does not call passOn), or hands it on and may work on the
// result afterwards.
using TMessageHook = std::function<void(TMessage& message, const TPassOn& passOn)>;

class TMessageHookChain {
 public:
  // `end` handles what the hooks hand on. It is never called once the chain is gone.
  explicit TMessageHookChain(std::function<void(TMessage&)> end);
  // Hooks still in the chain are never called again; their tokens may outlive it.
  ~TMessageHookChain();
  TMessageHookChain(const TMessageHookChain&) = delete;
  TMessageHookChain& operator=(const TMessageHookChain&) = delete;

  // The hook added last sees a message first, as a subclass does: whoever comes later wraps what
  // was there. Removing a hook while messages are on their way through it is safe: a hook that
  // runs finishes; one that has not run yet is passed over.
  [[nodiscard]] TRemovalToken Add(TMessageHook hook);
  void Dispatch(TMessage& message) const;
  bool Empty() const;

 private:
  friend class TPassOn;
  struct Entry;
  struct State;
  struct Walk;
  static void Step(const Walk& walk, size_t index, TMessage& message);

  std::shared_ptr<State> state_;
};

// Hands the message on to the rest of the chain: the hooks added before the one that holds it,
// then the chain's end (the message method, or the window's previous procedure).
class TPassOn {
 public:
  void operator()(TMessage& message) const { TMessageHookChain::Step(walk_, next_, message); }

 private:
  friend class TMessageHookChain;
  TPassOn(const TMessageHookChain::Walk& walk, size_t next) : walk_(walk), next_(next) {}
  const TMessageHookChain::Walk& walk_;
  size_t next_;
};

}  // namespace sundrel
