// The chain of message hooks in front of a message method: order, handing on, and taking hooks out
// in any order, also while a message is on its way through them and after the chain is gone.
#include "framework/message_hooks.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sundrel {
namespace {

constexpr UINT kProbe = WM_APP + 3;

class MessageHooks : public ::testing::Test {
 protected:
  // A hook that writes its name down and hands the message on.
  TMessageHook Passing(std::string name) {
    return [this, name](TMessage& message, const TPassOn& passOn) {
      seen.push_back(name);
      passOn(message);
    };
  }
  std::vector<std::string> Send() {
    seen.clear();
    TMessage message{kProbe};
    chain->Dispatch(message);
    return seen;
  }

  std::vector<std::string> seen;
  std::optional<TMessageHookChain> chain{std::in_place, [this](TMessage& message) {
                                           seen.push_back("end");
                                           message.Result = 7;
                                         }};
};

TEST_F(MessageHooks, SeeAMessageNewestFirstAndMayKeepItOrWorkOnTheAnswer) {
  TRemovalToken first = chain->Add(Passing("first"));
  TRemovalToken keeper = chain->Add([this](TMessage& message, const TPassOn&) {
    seen.push_back("keeper");
    message.Result = 1;
  });
  TRemovalToken doubler = chain->Add([this](TMessage& message, const TPassOn& passOn) {
    seen.push_back("doubler");
    passOn(message);
    message.Result *= 2;
  });
  TMessage message{kProbe};
  chain->Dispatch(message);
  EXPECT_EQ(seen, (std::vector<std::string>{"doubler", "keeper"}));
  EXPECT_EQ(message.Result, 2);

  keeper.Remove();
  EXPECT_EQ(Send(), (std::vector<std::string>{"doubler", "first", "end"}));
}

TEST_F(MessageHooks, TokensTakeTheirHooksOutInAnyOrder) {
  std::optional<TRemovalToken> a{chain->Add(Passing("a"))};
  std::optional<TRemovalToken> b{chain->Add(Passing("b"))};
  std::optional<TRemovalToken> c{chain->Add(Passing("c"))};
  b.reset();
  EXPECT_EQ(Send(), (std::vector<std::string>{"c", "a", "end"}));
  a.reset();
  EXPECT_EQ(Send(), (std::vector<std::string>{"c", "end"}));
  b.emplace(chain->Add(Passing("b again")));
  c.reset();
  EXPECT_EQ(Send(), (std::vector<std::string>{"b again", "end"}));
  b.reset();
  EXPECT_TRUE(chain->Empty());
  EXPECT_EQ(Send(), std::vector<std::string>{"end"});
}

TEST_F(MessageHooks, AHookMayTakeItselfOrAnotherOutWhileTheMessageIsOnItsWay) {
  TRemovalToken inner = chain->Add(Passing("inner"));
  TRemovalToken self;
  self = chain->Add([&](TMessage& message, const TPassOn& passOn) {
    self.Remove();   // the running hook stays whole until it returns
    inner.Remove();  // not run yet: passed over
    seen.push_back("self");
    passOn(message);
  });
  EXPECT_EQ(Send(), (std::vector<std::string>{"self", "end"}));
  EXPECT_EQ(Send(), std::vector<std::string>{"end"});
}

TEST_F(MessageHooks, AChainThatGoesWhileAMessageIsInItEndsThereAndLeavesItsTokensHarmless) {
  TRemovalToken survivor = chain->Add(Passing("never"));
  TRemovalToken destroyer = chain->Add([&](TMessage& message, const TPassOn& passOn) {
    seen.push_back("destroyer");
    chain.reset();  // as a control freed by one of its own messages
    passOn(message);
  });
  TMessage message{kProbe};
  chain->Dispatch(message);
  EXPECT_EQ(seen, std::vector<std::string>{"destroyer"});
  EXPECT_EQ(message.Result, 0) << "the message method of a chain that is gone is not called";
  survivor.Remove();
  destroyer.Remove();
}

}  // namespace
}  // namespace sundrel
