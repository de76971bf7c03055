#include "skin/model/skin_info.h"

namespace sundrel {

void ReadSkinInformation(const OptionsText& options, TsSkinData& info) {
  constexpr std::string_view kSection = "GLOBALINFO";
  info.Version = options.ReadReal(kSection, "VERSION", 0);
  info.Author = options.ReadString(kSection, "AUTHOR", "");
  info.Description = options.ReadString(kSection, "DESCRIPTION", "");
  info.Shadow1Color = options.ReadInteger(kSection, "SHADOW1COLOR", 0);
  info.Shadow1Offset = options.ReadStrictInteger(kSection, "SHADOW1OFFSET", "0");
  info.Shadow1Blur = options.ReadStrictInteger(kSection, "SHADOW1BLUR", "-1");
  info.Shadow1Transparency = options.ReadStrictInteger(kSection, "SHADOW1TRANSPARENCY", "0");
  info.BISpace = options.ReadInteger(kSection, "BISPACE", 0);
  info.BorderColor = options.ReadInteger(kSection, "BORDERCOLOR", 0);
}

bool IsSkinInformationKey(std::string_view key) {
  for (const std::string_view known :
       {"VERSION", "AUTHOR", "DESCRIPTION", "SHADOW1COLOR", "SHADOW1OFFSET", "SHADOW1BLUR", "SHADOW1TRANSPARENCY",
        "BISPACE", "BORDERCOLOR", "MASTERBITMAP", "SUID"}) {
    if (SameTextNoCase(key, known)) return true;
  }
  return false;
}

}  // namespace sundrel
