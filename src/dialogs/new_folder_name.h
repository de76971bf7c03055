// The name of a new folder that the folder picker makes: "New folder1", "New folder2", ... in
// the parent folder, the first that does not exist yet.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace sundrel {

// How many names are tried before giving up: each one asks the file system, on the user's
// thread.
inline constexpr int kNewFolderProbes = 10000;

// The first free "<parent>\New folder<n>" for n from 1 to `probes`, or nothing when all of
// them exist.
std::optional<std::string> NewFolderName(const std::string& parent,
                                         const std::function<bool(const std::string&)>& exists,
                                         int probes = kNewFolderProbes);

}  // namespace sundrel
