// The skinned tree view: the system tree still draws the items, in the colours of its skin
// section ("EDIT") while a skin is active and in the system's window colours otherwise; its
// border and scroll bars belong to a window handler. A caption label can be bound to it.
//
// Its window keeps the system's class name, so that whatever knows tree views (accessibility
// tools, test drivers) finds it as one.
#pragma once

#include <memory>

#include "controls/s_bound_label.h"
#include "controls/s_common_data.h"
#include "framework/removal_token.h"
#include "framework/tree_view.h"

namespace sundrel {

class TacTreeViewWnd;

class TsTreeView : public TTreeView {
 public:
  explicit TsTreeView(TComponent* owner);
  ~TsTreeView() override;

  TsCommonData& SkinData() { return skinData_; }
  TsBoundLabel& BoundLabel() { return boundLabel_; }
  // The handler that draws the border and scroll bars while skinned, else nullptr.
  TacTreeViewWnd* ScrollHandler() const { return scrollHandler_.get(); }

 protected:
  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;
  void Loaded() override;
  void WndProc(TMessage& message) override;
  void WindowDestroying() override;

 private:
  // Has a window and a parent, and is neither loading nor going.
  bool Ready();
  // Answers whether the message was handled completely.
  bool HandleSkinCommand(TMessage& message);
  void AfterMessage(const TMessage& message);
  // The image list draws its icons on the tree's colour.
  void MatchImagesToColor();
  void EnsureScrollHandler();

  TsCommonData skinData_;
  TsBoundLabel boundLabel_;
  TRemovalToken skinHook_;
  std::unique_ptr<TacTreeViewWnd> scrollHandler_;
};

}  // namespace sundrel
