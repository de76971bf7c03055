// The tree view: wraps the system's tree view. Each item of the window has a TTreeNode that the
// view owns; a node may own an object of its caller's (Data), freed with the node.
#pragma once

// <windows.h> must come before the other system headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "framework/win_control.h"

namespace sundrel {

class TTreeView;

class TTreeNode {
 public:
  explicit TTreeNode(TTreeView& view) : view_(view) {}
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  HTREEITEM ItemId() const { return item_; }
  TTreeView& TreeView() const { return view_; }

  std::string Text() const;
  void SetText(const std::string& text);
  TTreeNode* Parent() const;
  TTreeNode* FirstChild() const;
  TTreeNode* NextSibling() const;
  int Count() const;
  // Whether the node shows an expand button (whatever children it holds now).
  bool HasChildren() const;
  void SetHasChildren(bool has);
  bool Expanded() const;
  // Opens the node (the view asks CanExpand first) or closes it.
  void Expand(bool expand);
  bool Selected() const;
  void Select();
  void SetImages(int image, int selectedImage);
  // 1-based overlay image of the image list; 0 for none.
  void SetOverlayIndex(int overlay);
  // Starts editing the label; answers whether the edit began.
  bool EditText();
  // Removes the node with its children from the view (and frees them).
  void Delete();
  // Its position in the whole tree, counted from the first root node, children before siblings.
  int AbsoluteIndex() const;

  TObject* Data() const { return data_.get(); }
  void SetData(std::unique_ptr<TObject> data) { data_ = std::move(data); }

 private:
  friend class TTreeView;
  TTreeView& view_;
  HTREEITEM item_ = nullptr;
  std::unique_ptr<TObject> data_;
};

class TTreeView : public TWinControl {
 public:
  explicit TTreeView(TComponent* owner);
  ~TTreeView() override;

  bool ShowLines() const { return showLines_; }
  void SetShowLines(bool show);
  bool ShowButtons() const { return showButtons_; }
  void SetShowButtons(bool show);
  // Lines and buttons also at the root level.
  bool ShowRoot() const { return showRoot_; }
  void SetShowRoot(bool show);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  int Indent() const { return indent_; }
  void SetIndent(int indent);
  HIMAGELIST Images() const { return images_; }
  virtual void SetImages(HIMAGELIST images);

  // The nodes. These need the window and make it when missing.
  TTreeNode* Add(TTreeNode* parent, const std::string& text);
  // A new sibling just before `next`.
  TTreeNode* Insert(TTreeNode* next, const std::string& text);
  void Clear();
  // Orders the node's children by `less`.
  void SortChildren(TTreeNode* parent, const std::function<bool(TTreeNode*, TTreeNode*)>& less);
  TTreeNode* FirstNode();
  TTreeNode* Selected();
  void SetSelected(TTreeNode* node);
  TTreeNode* TopItem();
  void SetTopItem(TTreeNode* node);
  TTreeNode* GetNodeAt(int x, int y);
  TTreeNode* NodeOf(HTREEITEM item) const;
  // The node at that position in the whole tree (see AbsoluteIndex), or nullptr.
  TTreeNode* AbsoluteItem(int index);
  bool IsEditing();
  // Ends a label edit, keeping the typed text unless cancelled.
  void EndEdit(bool cancel);
  // No repainting between the two (nested).
  void BeginUpdate();
  void EndUpdate();

  std::function<void(TObject* sender, TTreeNode* node)> OnChange;
  std::function<void(TObject* sender, TTreeNode* node, bool& allow)> OnExpanding;
  std::function<void(TObject* sender, TTreeNode* node, std::string& text)> OnEdited;

 protected:
  void CreateParams(TCreateParams& params) const override;
  void CreateWnd() override;
  void WindowDestroying() override;
  void WndProc(TMessage& message) override;

  virtual void Change(TTreeNode* node);
  // Asked before a node opens; false keeps it closed.
  virtual bool CanExpand(TTreeNode* node);
  // A label edit ended with this text (not cancelled); answers whether the tree takes the text.
  virtual bool Edited(TTreeNode* node, std::string& text);

 private:
  friend class TTreeNode;
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageW(Handle(), msg, wParam, lParam); }
  TTreeNode* InsertItem(HTREEITEM parent, HTREEITEM after, const std::string& text);
  // Lets go of the node and its children, whose items have gone.
  void Forget(TTreeNode* node);
  // The next node in the order of AbsoluteIndex.
  TTreeNode* NextInTree(TTreeNode* node);
  void UpdateStyle(bool& field, bool value);
  void ApplyColors();
  bool HandleNotification(TMessage& message);

  std::unordered_map<HTREEITEM, std::unique_ptr<TTreeNode>> nodes_;
  bool showLines_ = true;
  bool showButtons_ = true;
  bool showRoot_ = true;
  bool readOnly_ = false;
  int indent_ = 19;
  HIMAGELIST images_ = nullptr;
  int updateCount_ = 0;
  // The item whose label is being edited. The system's tree may tell of one edit's end twice
  // (Wine's does, as its editor loses the focus on the way out): only the first counts.
  HTREEITEM editedItem_ = nullptr;
};

}  // namespace sundrel
