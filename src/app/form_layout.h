// How the main window's source files place its controls: named, owned by the window, at designed
// bounds inside a parent.
#pragma once

#include "framework/win_control.h"

namespace sundrel {

struct Bounds {
  int left, top, width, height;
};

template <class T>
T* Place(TComponent* owner, TWinControl* parent, const char* name, Bounds bounds) {
  T* control = new T(owner);
  control->SetName(name);
  control->SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
  control->SetParent(parent);
  return control;
}

// The small font of the edits, labels and list: "MS Sans Serif", 11 pixels, black.
void UseSmallFont(TControl* control);

}  // namespace sundrel
