// The control adapter of a skinned form: framework controls that are not skinned get skin data
// and the handler registered for their class, as the form's OnSkinItem allows; labels take the
// skin's font colour over the form's picture.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/button.h"
#include "framework/label.h"
#include "provider_fixture.h"
#include "windows/provider/s_skin_provider.h"

namespace sundrel {
namespace {

using testing::ProviderOfForm;
using testing::ProviderTest;

class TAdaptedButton : public TWindowHandler {
 public:
  TAdaptedButton(TWinControl& control, std::vector<std::string>& sections, const TsCommonData& data)
      : sections_(sections) {
    sections_.push_back(data.SkinSection());
    Attach(control);
  }

 private:
  std::vector<std::string>& sections_;
};

class ControlAdapter : public ProviderTest {};

TEST_F(ControlAdapter, AdaptsWhatTheFormAndItsHandlersAllow) {
  struct Case {
    const char* name;
    bool handlerRegistered;
    bool allowed;
    std::vector<std::string> adapted;  // the sections given, once per adaptation
  };
  const Case cases[] = {
      {"no handler for the class", false, true, {}},
      {"a handler, the section from OnSkinItem", true, true, {"BUTTON"}},
      {"refused by OnSkinItem", true, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> sections;
    TRemovalToken registration;
    if (c.handlerRegistered) {
      registration = RegisterAdapterHandler("TButton", [&](TWinControl& control, TsCommonData& data) {
        return std::make_unique<TAdaptedButton>(control, sections, data);
      });
    }
    TForm* form = ShownForm();
    auto* button = new TButton(form);
    button->SetParent(form);
    auto* label = new TLabel(form);
    label->SetParent(form);
    TsSkinProvider* provider = ProviderOfForm(form);
    provider->OnSkinItem = [&](TControl* item, bool& allowed, std::string& section) {
      EXPECT_EQ(section, "EDIT");
      allowed = c.allowed;
      if (item == button) section = "BUTTON";
    };
    provider->Adapter()->AdaptAll();
    provider->Adapter()->AdaptAll();
    EXPECT_EQ(sections, c.adapted) << "adapted once however often the form is walked";
    EXPECT_TRUE(label->Transparent());
    EXPECT_EQ(label->Font().Color(), Manager()->GetGlobalFontColor());
    form->Free();
  }
}

}  // namespace
}  // namespace sundrel
