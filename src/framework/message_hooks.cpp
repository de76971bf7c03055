#include "framework/message_hooks.h"

#include <algorithm>

namespace sundrel {

struct TMessageHookChain::Entry {
  TMessageHook hook;
  bool removed = false;
};

struct TMessageHookChain::State {
  std::function<void(TMessage&)> end;
  std::vector<std::shared_ptr<Entry>> hooks;  // oldest first
  bool alive = true;
};

// One message's way through the chain. It holds the hooks that were in the chain when the message
// came, and the chain's state, so that neither goes while the message is still with them: a hook
// may free its control, or remove itself, while it runs.
struct TMessageHookChain::Walk {
  std::vector<std::shared_ptr<Entry>> hooks;  // newest first
  std::shared_ptr<State> state;
};

TMessageHookChain::TMessageHookChain(std::function<void(TMessage&)> end)
    : state_(std::make_shared<State>(State{std::move(end), {}})) {}

TMessageHookChain::~TMessageHookChain() {
  state_->alive = false;
  state_->hooks.clear();
}

TRemovalToken TMessageHookChain::Add(TMessageHook hook) {
  auto entry = std::make_shared<Entry>(Entry{std::move(hook)});
  state_->hooks.push_back(entry);
  return TRemovalToken([chain = std::weak_ptr<State>(state_), added = std::weak_ptr<Entry>(entry)] {
    const std::shared_ptr<Entry> entry = added.lock();
    if (!entry) return;
    entry->removed = true;
    if (const std::shared_ptr<State> state = chain.lock()) std::erase(state->hooks, entry);
  });
}

bool TMessageHookChain::Empty() const {
  return state_->hooks.empty();
}

void TMessageHookChain::Dispatch(TMessage& message) const {
  Walk walk{{state_->hooks.rbegin(), state_->hooks.rend()}, state_};
  Step(walk, 0, message);
}

void TMessageHookChain::Step(const Walk& walk, size_t index, TMessage& message) {
  if (!walk.state->alive) return;
  for (; index < walk.hooks.size(); ++index) {
    Entry& entry = *walk.hooks[index];
    if (entry.removed) continue;
    entry.hook(message, TPassOn(walk, index + 1));
    return;
  }
  walk.state->end(message);
}

}  // namespace sundrel
