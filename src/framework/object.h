// The root of every framework class: objects that know their own class name.
#pragma once

#include <string>

namespace sundrel {

class TObject {
 public:
  virtual ~TObject() = default;
  // The C++ class name without its namespace ("TButton", "Tfrmmain"). Windows are registered
  // under it, so code that meets a window can tell what it is.
  std::string ClassName() const;
};

// Objects whose settings can be copied from one to another.
class TPersistent : public TObject {};

}  // namespace sundrel
