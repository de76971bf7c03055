// The skin manager: the non-visual component that owns the application's current skin. It finds
// a skin by name (a pack or a folder in SkinDirectory, or one of its InternalSkins), builds the
// skin's tables, applies the hue and saturation settings, and announces the skin to every form
// and control with skin commands. Skinned elements ask it for indexes and colours.
//
// The first manager created becomes the default manager, which everything without a manager of
// its own uses; it also hooks the application's main window and, once its skin is active,
// installs the thread hook of the automatic skinning.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/component.h"
#include "framework/control.h"
#include "framework/messages.h"
#include "skin/manager/anim_effects_win32.h"
#include "skin/manager/menu_painter_link_win32.h"
#include "skin/manager/menu_support_win32.h"
#include "skin/pack/skin_directory.h"
#include "skin/pack/stored_skins.h"

namespace sundrel {

class SkinModel;
class SkinImageSource;
class TMenuItem;
class TBitmap;
class TacSkinningHook;
class TacMainWindowHook;

enum TacSkinningRule : unsigned { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
using TacSkinningRules = unsigned;

// Asked by the menu painter for the extra band of a popup menu (its first item is given).
using TacGetExtraLineData = std::function<void(TMenuItem* firstItem, std::string& skinSection, std::string& caption,
                                               TBitmap& glyph, bool& lineVisible)>;

inline constexpr const char* kSkinManagerVersion = "5.40";
inline constexpr const char* kNoSkinInfo = "N/A";
inline constexpr const char* SSkinNotLoaded = "The skin \"%s\" could not be loaded: %s";
inline constexpr const char* SPackWithoutOptions = "the pack holds no \"Options.dat\"";
inline constexpr const char* SSkinImagesLeftOut = "The skin \"%s\" is shown without some of its images:\r\n%s";

class TsSkinManager : public TComponent {
 public:
  explicit TsSkinManager(TComponent* owner);
  ~TsSkinManager() override;

  // A skin is wanted: switching it on loads and announces the skin, switching it off removes it.
  bool Active() const { return active_; }
  void SetActive(bool active);
  TacAnimEffects& AnimEffects() { return animEffects_; }
  // Extra options text laid over every skin.
  const std::vector<std::string>& CommonSections() const { return commonSections_; }
  void SetCommonSections(const std::vector<std::string>& lines);
  // Degrees by which every colour of the skin is turned.
  int HueOffset() const { return hueOffset_; }
  void SetHueOffset(int degrees);
  TsStoredSkins& InternalSkins() { return internalSkins_; }
  const TsStoredSkins& InternalSkins() const { return internalSkins_; }
  void SetInternalSkins(const TsStoredSkins& skins) { internalSkins_.Assign(skins); }
  bool IsDefault() const;
  // Making a manager the default announces its skin (or removes it when inactive); a manager
  // stops being the default only when another one takes over.
  void SetIsDefault(bool isDefault);
  TacMenuSupport& MenuSupport() { return menuSupport_; }
  // Percent by which every colour of the skin moves away from grey (negative: towards it).
  int Saturation() const { return saturation_; }
  void SetSaturation(int percent);
  // The folder of external skins; "c:\Skins" when empty.
  const std::string& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(const std::string& directory);
  // "N/A" while no skin is loaded, else the skin's version ("5.4"). Window resources store a
  // text here too, for people to read; writing it changes nothing, the loaded skin decides.
  std::string SkinInfo() const;
  void SetSkinInfo(const std::string&) {}
  const std::string& SkinName() const { return skinName_; }
  void SetSkinName(const std::string& name) { ChangeSkin(name); }
  // Popup menus are painted by the skin. Switching it on the default manager wires or unwires
  // the application's popup menus at once.
  bool SkinnedPopups() const { return skinnedPopups_; }
  void SetSkinnedPopups(bool skinned);
  TacSkinningRules SkinningRules() const { return skinningRules_; }
  void SetSkinningRules(TacSkinningRules rules) { skinningRules_ = rules; }
  static std::string Version() { return kSkinManagerVersion; }

  // Called before and after a change of SkinName takes effect (not after one that failed).
  TNotifyEvent OnBeforeChange;
  TNotifyEvent OnAfterChange;
  TacGetExtraLineData OnGetMenuExtraLineData;

  // Loads the named skin (a pack in SkinDirectory, else LoadSkin) and announces it, or removes
  // the skin when there is none at all. A pack or folder that cannot be loaded is reported in a
  // "Warning" box and the internal skin is used instead. A failing internal skin removes the
  // skin and raises.
  void ChangeSkin(const std::string& name);
  // The skin from its folder in SkinDirectory, else the internal skin of that name, else the
  // first internal skin (whose name SkinName takes). Without any, the manager turns inactive.
  void LoadSkin();
  // The skin from SkinDirectory\<SkinName>.asz.
  void LoadPackedSkin();
  // Tells every form and control that the skin is loaded (SMC_SKIN_SET), then refreshes.
  void AnnounceSkin();
  // Tells every form and control that the skin changed in place (SMC_REFRESH) and redraws the
  // forms of this manager.
  void RefreshSkin();
  // Tells every form and control that the skin is gone (SMC_SKIN_REMOVED) and empties the tables.
  void RemoveSkin();

  // The control under the mouse: the previous one hears SMC_MOUSE_LEAVE, the new one
  // SMC_MOUSE_ENTER (none for a null window).
  void SetActiveControl(HWND window);
  HWND ActiveControl() const { return activeControl_; }

  // Internal skins first, then the external ones the filter asks for; answers the first name.
  std::string GetSkinNames(std::vector<std::string>& names, SkinListFilter filter) const;

  // The painter of the application's menus, made with the manager; none when no layer handed
  // over a way to make one (menu_painter_link_win32.h).
  TacMenuPainterLink* MenuPainter() const { return menuPainter_.get(); }

  // Whether the thread hook of the automatic skinning is in place.
  bool HookInstalled() const { return skinningHook_ != nullptr; }

  // The loaded skin: its tables and its information.
  const SkinModel& Skin() const { return *model_; }
  const TsSkinData& SkinData() const;

  // Lookups in the loaded skin; -1 (or the stated fallback) when nothing is found.
  int GetSkinIndex(std::string_view sectionName) const;
  int GetMaskIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const;
  int GetMaskIndexDirect(std::string_view sectionName, std::string_view propertyName) const;
  int GetTextureIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const;
  int GetPatternIndex(int skinIndex, std::string_view sectionName, std::string_view propertyName) const;
  bool IsValidSkinIndex(int index) const;
  bool IsValidMaskIndex(int index) const;
  TSize GetMaskCellSize(int maskIndex) const;
  int MaskWidthLeft(int maskIndex) const;
  int MaskWidthRight(int maskIndex) const;
  int MaskWidthTop(int maskIndex) const;
  int MaskWidthBottom(int maskIndex) const;
  TColor GetGlobalColor() const;
  TColor GetGlobalFontColor() const;
  TColor GetGlobalHotColor() const;

 protected:
  void Loaded() override;
  void BeforeDestruction() override;

 private:
  struct SkinModelDeleter {
    void operator()(SkinModel* model) const;
  };
  static SkinModel* CreateSkinModel();

  void BecomeDefault();
  void StopBeingDefault();
  void HookMainWindow();
  bool HandleMainWindowMessage(TMessage& message);
  void InstallHook();
  void UninstallHook();
  // Wires the application's menus while the skin is active, unwires them when it is not (only
  // the default manager, and only while it skins popups).
  void RewireMenus();
  // Whether forms are redrawn now (not while loading, and only once there is a main form).
  bool RedrawsForms() const;

  void LoadNamedSkin();
  void ReloadSkin();
  void LoadFolderSkin(const std::string& optionsFile, const std::string& folder);
  void LoadInternalSkin();
  // Loads an external skin with `load`, which answers false when it could not and has told the
  // user why already. When it fails either way, the internal skin is loaded instead.
  void LoadExternal(const std::string& where, const std::function<bool()>& load);
  // Builds the tables with `load`, lays the common sections over them (their images taken from
  // skinImages or the skin folder) and applies hue and saturation. A failure leaves no tables;
  // images that were left out are told in a "Warning" box.
  void BuildTables(const std::function<void()>& load, SkinImageSource& skinImages, const std::string& skinFolder);
  std::string ResolvedDirectory() const;
  void ClearTables();
  bool SkinActive() const;
  void SetSkinActive(bool active);

  bool active_ = true;
  int hueOffset_ = 0;
  int saturation_ = 0;
  bool skinnedPopups_ = true;
  TacSkinningRules skinningRules_ = srStdForms | srStdDialogs | srThirdParty;
  std::string skinDirectory_;
  std::string skinName_;
  std::vector<std::string> commonSections_;
  TsStoredSkins internalSkins_;
  TacAnimEffects animEffects_;
  TacMenuSupport menuSupport_;
  std::unique_ptr<SkinModel, SkinModelDeleter> model_;
  HWND activeControl_ = nullptr;
  std::unique_ptr<TacSkinningHook> skinningHook_;
  std::unique_ptr<TacMainWindowHook> mainWindowHook_;
  std::unique_ptr<TacMenuPainterLink> menuPainter_;
};

// The manager that everything without a manager of its own uses, or none.
TsSkinManager* DefaultManager();

}  // namespace sundrel
