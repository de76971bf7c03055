// The folder of the running program, against which a relative SkinDirectory is resolved.
#pragma once

#include <string>

namespace sundrel {

// With its trailing "\", as ResolveSkinDirectory wants it.
std::string ProgramFolder();

}  // namespace sundrel
