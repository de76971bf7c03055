// A process-wide list of registrations (factories, skinners) that whoever registered takes out
// again by letting the token go; the latest registration comes last.
#pragma once

#include <memory>
#include <vector>

#include "framework/removal_token.h"

namespace sundrel {

template <class Entry>
class TRegistrations {
 public:
  [[nodiscard]] TRemovalToken Add(Entry entry) {
    auto registration = std::make_shared<Entry>(std::move(entry));
    entries_.push_back(registration);
    return TRemovalToken([this, registration] { std::erase(entries_, registration); });
  }
  // Oldest first; the entries stay valid for as long as they are registered.
  const std::vector<std::shared_ptr<Entry>>& Entries() const { return entries_; }

 private:
  std::vector<std::shared_ptr<Entry>> entries_;
};

}  // namespace sundrel
