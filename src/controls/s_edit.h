// The skinned single-line edit: the system edit still draws the text, caret and selection, in
// the colours of its skin section ("EDIT") for its state; the frame around the client area is
// copied from a cached picture of the section. Without a skin it is the plain edit.
#pragma once

#include "controls/s_bound_label.h"
#include "controls/s_common_data.h"
#include "framework/edit.h"
#include "paint/disabled_look.h"

namespace sundrel {

class TsEdit : public TEdit {
 public:
  explicit TsEdit(TComponent* owner);
  ~TsEdit() override;

  TsCommonData& SkinData() { return skinData_; }
  TsBoundLabel& BoundLabel() { return boundLabel_; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind);

  // The picture of the whole edit for its state: the section, the text, the disabled look.
  void BuildCache();

 protected:
  void WndProc(TMessage& message) override;
  void Loaded() override;

 private:
  // Has a window and a parent, and is neither loading nor going.
  bool Ready();
  // Pixels of frame around the client area.
  int FrameWidth();
  // The colours that the system edit paints with: the section's, hot ones while focused or hot.
  void ChooseColors();
  // Copies the frame strips of the cache onto the context of the whole window.
  void CopyFrame(HDC dc);
  void PaintFrame();
  void RepaintFrame();
  void Print(TMessage& message);
  // Answers whether the message was handled completely.
  bool HandleSkinCommand(TMessage& message);
  void AfterMessage(const TMessage& message);

  TsCommonData skinData_;
  TsBoundLabel boundLabel_;
  TsDisabledKind disabledKind_ = dkBlended;
  TRemovalToken skinHook_;
  TRemovalToken plainFillHook_;
};

}  // namespace sundrel
