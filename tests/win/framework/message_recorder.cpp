#include "message_recorder.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

#include "framework/win_control.h"

namespace sundrel::testing {

namespace {

// The message that the thread's message loop took from the queue last, until a window procedure
// claims it: that one arrived posted, any other one sent.
struct Retrieved {
  HWND window = nullptr;
  UINT msg = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  bool pending = false;
} lastRetrieved;

LRESULT CALLBACK NoteRetrievedMessage(int code, WPARAM removal, LPARAM data) {
  if (code == HC_ACTION && removal == PM_REMOVE) {
    const MSG& message = *reinterpret_cast<const MSG*>(data);
    lastRetrieved = {message.hwnd, message.message, message.wParam, message.lParam, true};
  }
  return CallNextHookEx(nullptr, code, removal, data);
}

unsigned HowItCame(HWND window, const TMessage& message) {
  Retrieved& last = lastRetrieved;
  if (last.pending && last.window == window && last.msg == message.Msg && last.wParam == message.WParam &&
      last.lParam == message.LParam) {
    last.pending = false;
    return posted;
  }
  return sent;
}

}  // namespace

struct TMessageRecorder::Watched {
  // A message on its way from the watched control's window to its message method.
  struct Arrival {
    TMessage message;
    unsigned how;
    bool claimed;
  };

  // How a message that reached the control's message method came: through the window when it is
  // the innermost one on its way from there, else directly.
  unsigned Claim(const TMessage& message) {
    if (arrivals.empty()) return performed;
    Arrival& arrival = arrivals.back();
    const TMessage& came = arrival.message;
    if (arrival.claimed || came.Msg != message.Msg || came.WParam != message.WParam || came.LParam != message.LParam) {
      return performed;
    }
    arrival.claimed = true;
    return arrival.how;
  }

  std::string name;
  unsigned role;
  std::vector<Arrival> arrivals{};
  std::unique_ptr<TWindowSubclass> subclass{};
  TRemovalToken hook{};
};

TMessageRecorder::TMessageRecorder(std::function<bool(UINT msg)> wanted)
    : wanted_(std::move(wanted)),
      queueHook_(SetWindowsHookExW(WH_GETMESSAGE, &NoteRetrievedMessage, nullptr, GetCurrentThreadId())) {}

TMessageRecorder::~TMessageRecorder() = default;

void TMessageRecorder::Watch(TControl& control, std::string name, unsigned role) {
  Watched& watched = *watched_.emplace_back(new Watched{std::move(name), role});
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (windowed != nullptr && windowed->HandleAllocated()) {
    HWND window = windowed->Handle();
    watched.subclass =
        std::make_unique<TWindowSubclass>(window, [&watched, window](TMessage& message, const TPassOn& passOn) {
          watched.arrivals.push_back({message, HowItCame(window, message), false});
          passOn(message);
          watched.arrivals.pop_back();
        });
  }
  watched.hook = control.MessageHooks().Add([this, &watched](TMessage& message, const TPassOn& passOn) {
    const unsigned how = watched.Claim(message);
    if (wanted_(message.Msg)) {
      entries_.push_back({watched.name, message.Msg, how | watched.role, message.WParam, message.LParam});
    }
    passOn(message);
  });
}

void TMessageRecorder::Watch(HWND window, std::string name, unsigned role) {
  Watched& watched = *watched_.emplace_back(new Watched{std::move(name), role});
  watched.subclass =
      std::make_unique<TWindowSubclass>(window, [this, &watched, window](TMessage& message, const TPassOn& passOn) {
        const unsigned how = HowItCame(window, message);
        if (wanted_(message.Msg)) {
          entries_.push_back({watched.name, message.Msg, how | watched.role, message.WParam, message.LParam});
        }
        passOn(message);
      });
}

TMessageSequence TMessageRecorder::Only(UINT msg) const {
  TMessageSequence only;
  std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(only),
               [msg](const TRecordedMessage& entry) { return entry.msg == msg; });
  return only;
}

std::function<bool(UINT)> Messages(std::initializer_list<UINT> messages) {
  return [wanted = std::vector<UINT>(messages)](UINT msg) {
    return std::find(wanted.begin(), wanted.end(), msg) != wanted.end();
  };
}

bool FrameworkNotification(UINT msg) {
  return msg >= CM_BASE && msg < CN_BASE;
}

namespace {

bool Matches(const TRecordedMessage& seen, const TRecordedMessage& expected) {
  constexpr unsigned kHowItCame = sent | posted | performed | parent;
  return seen.window == expected.window && seen.msg == expected.msg &&
         (seen.flags & kHowItCame) == (expected.flags & kHowItCame) &&
         ((expected.flags & wparam) == 0 || seen.wParam == expected.wParam) &&
         ((expected.flags & lparam) == 0 || seen.lParam == expected.lParam);
}

std::string Listing(const TMessageSequence& messages) {
  std::ostringstream out;
  for (const TRecordedMessage& message : messages) {
    out << "\n  ";
    PrintTo(message, &out);
  }
  return out.str();
}

}  // namespace

::testing::AssertionResult SequenceMatches(const TMessageSequence& seen, const TMessageSequence& expected) {
  size_t at = 0;
  for (const TRecordedMessage& wanted : expected) {
    if (at < seen.size() && Matches(seen[at], wanted)) {
      ++at;
    } else if ((wanted.flags & optional) == 0) {
      std::ostringstream problem;
      PrintTo(wanted, &problem);
      return ::testing::AssertionFailure() << "expected " << problem.str() << " as message " << at + 1
                                           << "\nseen:" << Listing(seen) << "\nexpected:" << Listing(expected);
    }
  }
  if (at < seen.size()) {
    return ::testing::AssertionFailure() << "more messages than expected\nseen:" << Listing(seen)
                                         << "\nexpected:" << Listing(expected);
  }
  return ::testing::AssertionSuccess();
}

void PrintTo(const TRecordedMessage& message, std::ostream* out) {
  static constexpr std::pair<unsigned, const char*> kNames[] = {
      {sent, "sent"},     {posted, "posted"}, {performed, "performed"}, {parent, "parent"},
      {wparam, "wparam"}, {lparam, "lparam"}, {optional, "optional"}};
  std::string flags;
  for (const auto& [flag, name] : kNames) {
    if ((message.flags & flag) == 0) continue;
    if (!flags.empty()) flags += '|';
    flags += name;
  }
  *out << "{" << message.window << ", 0x" << std::hex << std::setw(4) << std::setfill('0') << message.msg << std::dec
       << ", " << flags << ", wParam 0x" << std::hex << message.wParam << ", lParam 0x" << message.lParam << std::dec
       << "}";
}

}  // namespace sundrel::testing
