// The skin data that every skinned control owns (published as its SkinData): the section that
// paints the control and its indexes in the manager's tables, the control's cache picture, its
// hot, focused and updating state, and the answers to the skin commands on the control's behalf.
//
// A skinned control plugs the data into its message chain in one line,
//     skinHook_ = SkinData().PlugInto(MessageHooks());
// so that HandleMessage sees every message before the control's own method does.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/bitmap.h"
#include "framework/control.h"
#include "framework/removal_token.h"
#include "paint/shared_slots.h"
#include "skin/model/skin_records.h"

namespace sundrel {

class TsSkinManager;

// An owner of skin data that is not a control (a form's skin provider) names the window that
// hears the commands meant for it.
class TacSkinDataWindowOwner {
 public:
  virtual HWND SkinDataWindow() const = 0;

 protected:
  ~TacSkinDataWindowOwner() = default;
};

class TsCommonData : public TPersistent {
 public:
  // The owner is a control or a form's skin provider. With `withCache` the cache bitmap exists
  // from the start (0 x 0).
  TsCommonData(TPersistent* owner, bool withCache);
  ~TsCommonData() override;
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  // Published. The section is stored upper-cased, "UNKNOWN" for an empty name.
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& section);
  bool CustomColor() const { return customColor_; }
  void SetCustomColor(bool custom);
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool custom);
  // None means the application's default manager; assigning the default stores none.
  TsSkinManager* SkinManager() const { return skinManager_; }
  void SetSkinManager(TsSkinManager* manager);

  TsSkinManager* GetSkinManager() const;
  // A manager is there, not being destroyed, (with requireActive) has its skin active, and knows
  // the section; never for an owner being destroyed.
  bool IsSkinned(bool requireActive = false) const;
  void UpdateIndexes();
  // Takes the default section of ControlKind when none is named and adapts the owner to the skin.
  void Loaded();
  // The picture must be rebuilt; the owner is repainted when it can be.
  void Invalidate();
  // The cache as a 24-bit bitmap of the owner's size.
  void PrepareCache();
  // The parent's picture (SMC_GET_CACHE); not Ready when the parent lends none.
  TacParentImage GetParentImage() const;
  // 0 normal, 1 hot or focused.
  int CurrentState() const;
  // Whether a repaint must not trust its picture now (no active skin, an update, or a parent that
  // is rebuilding its own).
  bool MustRebuild() const;
  void BeginUpdate();
  void EndUpdate();
  // Whether the owner's picture starts from its parent's.
  bool NeedsParentImage() const;
  // The section's colour and font colour for the owner, each unless custom.
  void ApplySectionColors();
  // The system's window colours for the owner, each unless custom.
  void ApplyNativeColors();
  // Whether a skin command's lParam names the manager that skins the owner.
  bool IsOwnManager(LPARAM lParam) const;

  // The common handling of the owner's messages; answers whether the message was handled fully.
  bool HandleMessage(TMessage& message);
  // Puts HandleMessage at the head of the chain for as long as the token lives.
  [[nodiscard]] TRemovalToken PlugInto(TMessageHookChain& chain);

  TControl* OwnerControl() const { return ownerControl_; }
  TPersistent* OwnerObject() const { return ownerObject_; }
  TBitmap* CacheBmp() const { return cacheBmp_.get(); }
  // The section record while IsSkinned, else nullptr.
  const TsGeneralData* Section() const;

  // Fields that the owning control reads and writes.
  bool Updating = false;
  int BorderIndex = -1;
  int SkinIndex = -1;
  int TextureIndex = -1;
  int HotTextureIndex = -1;
  TControl* RepaintingChild = nullptr;
  bool ParentTransparent = false;
  bool BGChanged = true;
  bool HalfVisible = true;
  int ControlKind = 0;
  bool Focused = false;
  bool Hot = false;

 private:
  bool OwnerLoading() const;
  bool OwnerDestroying() const;
  // Edits, list boxes and tree views: their colour and font colour are the section's.
  bool IsEditLike() const;
  // SMC_REFRESH when the section is valid now, else SMC_SKIN_REMOVED, to the owner.
  void TellOwnerSkinChanged();
  LRESULT SendToOwner(int code, LPARAM lParam = 0, int flag = 0);
  int Transparency() const;

  bool HandleCommand(TMessage& message);
  void OnSkinRemoved(TsSkinManager* manager);
  void OnRefresh();
  void AnswerParentImage() const;
  LRESULT AnswerBackground() const;
  void AnswerBGKind(TMessage& message) const;
  void OnBGChanged(int flag);
  void OnResized();
  void OnMouseEnter();

  std::string skinSection_;
  bool customColor_ = false;
  bool customFont_ = false;
  TsSkinManager* skinManager_ = nullptr;
  TControl* ownerControl_;
  TPersistent* ownerObject_;
  std::unique_ptr<TBitmap> cacheBmp_;
};

}  // namespace sundrel
