#include "framework/label.h"

#include "base/handles_win32.h"

namespace sundrel {

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  SetControlStyle(transparent ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
  Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool show) {
  if (show == showAccelChar_) return;
  showAccelChar_ = show;
  AdjustBounds();
  Invalidate();
}

UINT TCustomLabel::DrawTextFlags() const {
  static constexpr UINT kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  UINT flags = DT_EXPANDTABS | kAlignments[alignment_];
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  return flags;
}

void TCustomLabel::Paint() {
  RECT rect = ClientRect();
  if (!transparent_) {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(rect);
  }
  DoDrawText(rect, DrawTextFlags());
}

void TCustomLabel::DoDrawText(RECT& rect, UINT flags) {
  std::string text = Caption();
  // An empty caption still has the height of one line.
  if ((flags & DT_CALCRECT) != 0 && (text.empty() || (showAccelChar_ && text == "&"))) text += ' ';
  TCanvas& canvas = Canvas();
  if (Enabled() || (flags & DT_CALCRECT) != 0) {
    canvas.DrawText(text, rect, flags);
    return;
  }
  OffsetRect(&rect, 1, 1);
  canvas.Font().SetColor(clBtnHighlight);
  canvas.DrawText(text, rect, flags);
  OffsetRect(&rect, -1, -1);
  canvas.Font().SetColor(clBtnShadow);
  canvas.DrawText(text, rect, flags);
}

void TCustomLabel::AdjustBounds() {
  if (!autoSize_ || IsLoading()) return;
  WindowDC screen(nullptr);
  Canvas().SetHandle(screen.get());
  Canvas().Font().Assign(Font());
  RECT rect{0, 0, wordWrap_ ? Width() : 0x7FFF, 0};
  DoDrawText(rect, DrawTextFlags() | DT_CALCRECT);
  Canvas().SetHandle(nullptr);
  int left = Left();
  if (alignment_ == taRightJustify) left += Width() - rect.right;
  SetBounds(left, Top(), rect.right, rect.bottom);
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::WndProc(TMessage& message) {
  TGraphicControl::WndProc(message);
  if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) AdjustBounds();
}

}  // namespace sundrel
