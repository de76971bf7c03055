// The errors that the list box raises, with the system's own texts.
#pragma once

#include <string>

#include "base/errors.h"

namespace sundrel {

inline constexpr const char* SListIndexError = "List index out of bounds (%d)";
inline constexpr const char* SInsertLineError = "Unable to insert a line";
inline constexpr const char* SListBoxMustBeVirtual = "Listbox (%s) style must be virtual in order to set Count";
inline constexpr const char* SErrorSettingCount = "Error setting %s.Count";

class EListError : public Exception {
  using Exception::Exception;
};

// "List index out of bounds (%d)" with the index.
EListError ListIndexError(int index);

}  // namespace sundrel
