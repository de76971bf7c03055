#include "framework/tree_view.h"

#include <utility>
#include <vector>

#include "base/errors.h"
#include "base/utf.h"

namespace sundrel {

namespace {

LPARAM Param(HTREEITEM item) {
  return reinterpret_cast<LPARAM>(item);
}

using TNodeOrder = std::function<bool(TTreeNode*, TTreeNode*)>;

int CALLBACK CompareNodes(LPARAM first, LPARAM second, LPARAM order) {
  const auto& isLess = *reinterpret_cast<const TNodeOrder*>(order);
  auto* a = reinterpret_cast<TTreeNode*>(first);
  auto* b = reinterpret_cast<TTreeNode*>(second);
  return isLess(a, b) ? -1 : isLess(b, a) ? 1 : 0;
}

TVITEMW ItemQuery(HTREEITEM item, UINT mask) {
  TVITEMW query{};
  query.mask = mask | TVIF_HANDLE;
  query.hItem = item;
  return query;
}

}  // namespace

std::string TTreeNode::Text() const {
  wchar_t text[MAX_PATH + 1] = L"";
  TVITEMW query = ItemQuery(item_, TVIF_TEXT);
  query.pszText = text;
  query.cchTextMax = MAX_PATH;
  view_.Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
  return FromWide(text);
}

void TTreeNode::SetText(const std::string& text) {
  std::wstring wide = ToWide(text);
  TVITEMW change = ItemQuery(item_, TVIF_TEXT);
  change.pszText = wide.data();
  view_.Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

TTreeNode* TTreeNode::Parent() const {
  return view_.NodeOf(reinterpret_cast<HTREEITEM>(view_.Send(TVM_GETNEXTITEM, TVGN_PARENT, Param(item_))));
}

TTreeNode* TTreeNode::FirstChild() const {
  return view_.NodeOf(reinterpret_cast<HTREEITEM>(view_.Send(TVM_GETNEXTITEM, TVGN_CHILD, Param(item_))));
}

TTreeNode* TTreeNode::NextSibling() const {
  return view_.NodeOf(reinterpret_cast<HTREEITEM>(view_.Send(TVM_GETNEXTITEM, TVGN_NEXT, Param(item_))));
}

int TTreeNode::Count() const {
  int count = 0;
  for (TTreeNode* child = FirstChild(); child != nullptr; child = child->NextSibling()) ++count;
  return count;
}

bool TTreeNode::HasChildren() const {
  TVITEMW query = ItemQuery(item_, TVIF_CHILDREN);
  view_.Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
  return query.cChildren != 0;
}

void TTreeNode::SetHasChildren(bool has) {
  TVITEMW change = ItemQuery(item_, TVIF_CHILDREN);
  change.cChildren = has ? 1 : 0;
  view_.Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

bool TTreeNode::Expanded() const {
  return (view_.Send(TVM_GETITEMSTATE, Param(item_), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

void TTreeNode::Expand(bool expand) {
  // The system tree tells its parent of expansions that the user makes, not always of those the
  // program asks for: the view asks itself, as it would for the user.
  if (expand && !view_.CanExpand(this)) return;
  view_.Send(TVM_EXPAND, expand ? TVE_EXPAND : TVE_COLLAPSE, Param(item_));
}

bool TTreeNode::Selected() const {
  return view_.Send(TVM_GETNEXTITEM, TVGN_CARET, 0) == Param(item_);
}

void TTreeNode::Select() {
  view_.Send(TVM_SELECTITEM, TVGN_CARET, Param(item_));
}

void TTreeNode::SetImages(int image, int selectedImage) {
  TVITEMW change = ItemQuery(item_, TVIF_IMAGE | TVIF_SELECTEDIMAGE);
  change.iImage = image;
  change.iSelectedImage = selectedImage;
  view_.Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

void TTreeNode::SetOverlayIndex(int overlay) {
  TVITEMW change = ItemQuery(item_, TVIF_STATE);
  change.stateMask = TVIS_OVERLAYMASK;
  change.state = INDEXTOOVERLAYMASK(overlay);
  view_.Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

bool TTreeNode::EditText() {
  return view_.Send(TVM_EDITLABELW, 0, Param(item_)) != 0;
}

void TTreeNode::Delete() {
  TTreeView& view = view_;
  view.Send(TVM_DELETEITEM, 0, Param(item_));
  view.Forget(this);  // frees this node: nothing of it may be used after
}

int TTreeNode::AbsoluteIndex() const {
  int index = 0;
  for (TTreeNode* node = view_.FirstNode(); node != nullptr; node = view_.NextInTree(node), ++index) {
    if (node == this) return index;
  }
  return -1;
}

TTreeView::TTreeView(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
}

TTreeView::~TTreeView() = default;

void TTreeView::SetShowLines(bool show) {
  UpdateStyle(showLines_, show);
}

void TTreeView::SetShowButtons(bool show) {
  UpdateStyle(showButtons_, show);
}

void TTreeView::SetShowRoot(bool show) {
  UpdateStyle(showRoot_, show);
}

void TTreeView::SetReadOnly(bool readOnly) {
  UpdateStyle(readOnly_, readOnly);
}

void TTreeView::UpdateStyle(bool& field, bool value) {
  if (field == value) return;
  field = value;
  if (!HandleAllocated()) return;
  TCreateParams params;
  CreateParams(params);
  SetWindowLongW(Handle(), GWL_STYLE, static_cast<LONG>(params.Style));
  Invalidate();
}

void TTreeView::SetIndent(int indent) {
  indent_ = indent;
  if (HandleAllocated()) Send(TVM_SETINDENT, static_cast<WPARAM>(indent));
}

void TTreeView::SetImages(HIMAGELIST images) {
  images_ = images;
  if (HandleAllocated()) Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
}

void TTreeView::CreateParams(TCreateParams& params) const {
  TWinControl::CreateParams(params);
  params.BaseClassName = WC_TREEVIEWW;
  params.Style |= TVS_SHOWSELALWAYS;
  if (showLines_) params.Style |= TVS_HASLINES;
  if (showButtons_) params.Style |= TVS_HASBUTTONS;
  if (showRoot_) params.Style |= TVS_LINESATROOT;
  if (!readOnly_) params.Style |= TVS_EDITLABELS;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TTreeView::CreateWnd() {
  TWinControl::CreateWnd();
  Send(TVM_SETINDENT, static_cast<WPARAM>(indent_));
  if (images_ != nullptr) Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_));
  ApplyColors();
}

void TTreeView::WindowDestroying() {
  // The items go with the window.
  nodes_.clear();
  TWinControl::WindowDestroying();
}

void TTreeView::ApplyColors() {
  if (!HandleAllocated()) return;
  Send(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  Send(TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
}

TTreeNode* TTreeView::InsertItem(HTREEITEM parent, HTREEITEM after, const std::string& text) {
  std::wstring wide = ToWide(text);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = after;
  auto node = std::make_unique<TTreeNode>(*this);
  insert.item.mask = TVIF_TEXT | TVIF_CHILDREN | TVIF_PARAM;
  insert.item.pszText = wide.data();
  insert.item.lParam = reinterpret_cast<LPARAM>(node.get());  // for sorting
  node->item_ = reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  if (node->item_ == nullptr) throw Exception("Failed to insert a tree item");
  TTreeNode* inserted = node.get();
  nodes_[inserted->item_] = std::move(node);
  return inserted;
}

TTreeNode* TTreeView::Add(TTreeNode* parent, const std::string& text) {
  return InsertItem(parent != nullptr ? parent->ItemId() : TVI_ROOT, TVI_LAST, text);
}

TTreeNode* TTreeView::Insert(TTreeNode* next, const std::string& text) {
  const HTREEITEM parent = reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_PARENT, Param(next->ItemId())));
  const HTREEITEM previous = reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_PREVIOUS, Param(next->ItemId())));
  return InsertItem(parent != nullptr ? parent : TVI_ROOT, previous != nullptr ? previous : TVI_FIRST, text);
}

void TTreeView::Clear() {
  if (!HandleAllocated()) return;
  Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  nodes_.clear();
}

void TTreeView::SortChildren(TTreeNode* parent, const std::function<bool(TTreeNode*, TTreeNode*)>& less) {
  TVSORTCB sort{};
  sort.hParent = parent->ItemId();
  sort.lpfnCompare = CompareNodes;
  sort.lParam = reinterpret_cast<LPARAM>(&less);
  Send(TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
}

void TTreeView::Forget(TTreeNode* node) {
  std::vector<HTREEITEM> gone{node->ItemId()};
  for (size_t i = 0; i < gone.size(); ++i) {
    for (TTreeNode* child = NodeOf(gone[i]) != nullptr ? NodeOf(gone[i])->FirstChild() : nullptr; child != nullptr;
         child = child->NextSibling()) {
      gone.push_back(child->ItemId());
    }
  }
  for (HTREEITEM item : gone) nodes_.erase(item);
}

TTreeNode* TTreeView::NodeOf(HTREEITEM item) const {
  const auto found = item != nullptr ? nodes_.find(item) : nodes_.end();
  return found != nodes_.end() ? found->second.get() : nullptr;
}

TTreeNode* TTreeView::FirstNode() {
  return NodeOf(reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_ROOT, 0)));
}

TTreeNode* TTreeView::NextInTree(TTreeNode* node) {
  if (TTreeNode* child = node->FirstChild()) return child;
  for (; node != nullptr; node = node->Parent()) {
    if (TTreeNode* sibling = node->NextSibling()) return sibling;
  }
  return nullptr;
}

TTreeNode* TTreeView::Selected() {
  return NodeOf(reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

void TTreeView::SetSelected(TTreeNode* node) {
  Send(TVM_SELECTITEM, TVGN_CARET, node != nullptr ? Param(node->ItemId()) : 0);
}

TTreeNode* TTreeView::TopItem() {
  return NodeOf(reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)));
}

void TTreeView::SetTopItem(TTreeNode* node) {
  if (node != nullptr) Send(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, Param(node->ItemId()));
}

TTreeNode* TTreeView::GetNodeAt(int x, int y) {
  TVHITTESTINFO hit{};
  hit.pt = POINT{x, y};
  Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  return (hit.flags & TVHT_ONITEM) != 0 ? NodeOf(hit.hItem) : nullptr;
}

TTreeNode* TTreeView::AbsoluteItem(int index) {
  TTreeNode* node = FirstNode();
  for (; node != nullptr && index > 0; --index) node = NextInTree(node);
  return index == 0 ? node : nullptr;
}

bool TTreeView::IsEditing() {
  return HandleAllocated() && Send(TVM_GETEDITCONTROL) != 0;
}

void TTreeView::EndEdit(bool cancel) {
  if (IsEditing()) Send(TVM_ENDEDITLABELNOW, cancel ? TRUE : FALSE);
}

void TTreeView::BeginUpdate() {
  if (updateCount_++ == 0 && HandleAllocated()) Send(WM_SETREDRAW, FALSE);
}

void TTreeView::EndUpdate() {
  if (--updateCount_ == 0 && HandleAllocated()) {
    Send(WM_SETREDRAW, TRUE);
    Invalidate();
  }
}

void TTreeView::Change(TTreeNode* node) {
  if (OnChange) OnChange(this, node);
}

bool TTreeView::CanExpand(TTreeNode* node) {
  bool allow = true;
  if (OnExpanding) OnExpanding(this, node, allow);
  return allow;
}

bool TTreeView::Edited(TTreeNode* node, std::string& text) {
  if (OnEdited) OnEdited(this, node, text);
  return true;
}

bool TTreeView::HandleNotification(TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  switch (header->code) {
    case TVN_SELCHANGEDW:
      Change(NodeOf(reinterpret_cast<const NMTREEVIEWW*>(header)->itemNew.hItem));
      return true;
    case TVN_ITEMEXPANDINGW: {
      const auto* change = reinterpret_cast<const NMTREEVIEWW*>(header);
      TTreeNode* node = NodeOf(change->itemNew.hItem);
      message.Result = (change->action & TVE_EXPAND) != 0 && node != nullptr && !CanExpand(node) ? TRUE : FALSE;
      return true;
    }
    case TVN_BEGINLABELEDITW:
      message.Result = readOnly_ ? TRUE : FALSE;
      if (!readOnly_) editedItem_ = reinterpret_cast<const NMTVDISPINFOW*>(header)->item.hItem;
      return true;
    case TVN_ENDLABELEDITW: {
      const auto* edit = reinterpret_cast<const NMTVDISPINFOW*>(header);
      if (edit->item.hItem != std::exchange(editedItem_, nullptr)) return true;
      TTreeNode* node = NodeOf(edit->item.hItem);
      if (edit->item.pszText == nullptr || node == nullptr) return true;  // cancelled
      std::string text = FromWide(edit->item.pszText);
      message.Result = Edited(node, text) ? TRUE : FALSE;
      return true;
    }
    default:
      return false;
  }
}

void TTreeView::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY:
      if (HandleNotification(message)) return;
      break;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
      TWinControl::WndProc(message);
      ApplyColors();
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace sundrel
