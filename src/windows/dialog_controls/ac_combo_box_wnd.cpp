#include "windows/dialog_controls/ac_combo_box_wnd.h"

#include <algorithm>
#include <string>
#include <utility>

#include "base/utf.h"
#include "controls/control_skin.h"
#include "controls/s_common_data.h"
#include "controls/skin_utilities.h"
#include "paint/dc_paint_win32.h"
#include "paint/dib_pixels_win32.h"
#include "skin/manager/skin_manager_win32.h"
#include "skin/mask/mask_glyph.h"
#include "skin/model/skin_model.h"
#include "windows/dialog_controls/dialog_paint.h"

namespace sundrel {

namespace {

constexpr int kComboBorder = 3;
// Above and below the item in a simple combo box's edit part.
constexpr int kEditPartMargin = 8;

std::wstring ChosenText(HWND combo) {
  const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  const LRESULT length = index >= 0 ? SendMessageW(combo, CB_GETLBTEXTLEN, index, 0) : GetWindowTextLengthW(combo);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = index >= 0 ? SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()))
                                    : GetWindowTextW(combo, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
  return text;
}

}  // namespace

bool& ComboDroppedDown() {
  static bool dropped = false;
  return dropped;
}

TacComboBoxWnd::~TacComboBoxWnd() {
  ListHandler.reset();
  Retire();
}

bool TacComboBoxWnd::SimpleStyle() const {
  return (GetWindowLongW(Window(), GWL_STYLE) & 3) == CBS_SIMPLE;
}

bool TacComboBoxWnd::DropDownListStyle() const {
  return (GetWindowLongW(Window(), GWL_STYLE) & 3) == CBS_DROPDOWNLIST;
}

int TacComboBoxWnd::EditPartHeight() const {
  return static_cast<int>(SendMessageW(Window(), CB_GETITEMHEIGHT, 0, 0)) + kEditPartMargin;
}

RECT TacComboBoxWnd::ButtonRect() const {
  RECT window{};
  GetWindowRect(Window(), &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  const int buttonWidth = (GetWindowLongW(Window(), GWL_STYLE) & 2) != 0 ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  const int left = (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0 ? 2 : width - buttonWidth - 2;
  return RECT{left, 2, left + buttonWidth, height - 2};
}

int TacComboBoxWnd::ButtonState() const {
  if (SendMessageW(Window(), CB_GETDROPPEDSTATE, 0, 0) != 0) return 2;
  const TsCommonData& data = *SkinData();
  return data.Focused || data.Hot || GetFocus() == Window() || IsHoveredControl(Window()) ? 1 : 0;
}

void TacComboBoxWnd::PaintButton(HDC dc) {
  const RECT button = ButtonRect();
  TBitmap* cache = SkinData()->CacheBmp();
  if (button.right <= button.left || cache == nullptr || cache->Handle() == nullptr) return;
  const TsSkinManager* manager = SkinManager();
  const SkinModel& skin = manager->Skin();
  const int state = ButtonState();
  // The button goes on a copy, so the cache keeps the plain border for the next state.
  TBitmap picture;
  picture.SetPixelFormat(TPixelFormat::pf24bit);
  picture.SetSize(cache->Width(), cache->Height());
  BitBlt(picture.Canvas().Handle(), 0, 0, cache->Width(), cache->Height(), cache->Canvas().Handle(), 0, 0, SRCCOPY);
  const TacParentImage behind{PixelsOfDibSection(cache->Handle()), 0, 0, true};
  const ElementIndexes& combo = skin.Indexes().ComboBtn;
  if (manager->IsValidSkinIndex(combo.SkinIndex)) {
    const std::unique_ptr<TsCommonData> part = PartSkinData(manager, "COMBOBTN");
    PaintControlSkin(*part, behind, true, true, picture, TPoint{button.left, button.top},
                     TRect{button.left, button.top, button.right, button.bottom}, state);
  }
  if (manager->IsValidMaskIndex(combo.GlyphMask)) {
    const TSize cell = manager->GetMaskCellSize(combo.GlyphMask);
    GdiFlush();
    DrawMaskGlyph(PixelsOfDibSection(picture.Handle()),
                  {button.left + (button.right - button.left - cell.cx) / 2, (Size.cy - cell.cy) / 2}, state,
                  skin.Masks()[static_cast<size_t>(combo.GlyphMask)], &skin.MasterBitmap(), kGlyphNormal);
  }
  BitBlt(dc, button.left, button.top, button.right - button.left, button.bottom - button.top, picture.Canvas().Handle(),
         button.left, button.top, SRCCOPY);
}

void TacComboBoxWnd::PaintButtonOnWindow() {
  if (!IsWindowVisible(Window())) return;
  const WholeWindowDC dc(Window());
  PaintButton(dc.get());
}

void TacComboBoxWnd::PrepareCache() {
  SkinData()->BGChanged = true;
  if (SimpleStyle()) {
    PrepareBackground(ForDialog, EditPartHeight());
  } else {
    SendSkinCommand(Window(), SMC_PREPARE_CACHE);
  }
}

void TacComboBoxWnd::PaintBorder() {
  UpdateGeometry();
  if (!ParamsApplied) ApplySkinParams();
  PrepareCache();
  TBitmap* cache = SkinData()->CacheBmp();
  if (cache == nullptr || cache->Handle() == nullptr) return;
  const WholeWindowDC dc(Window());
  // A simple combo box's frame goes round its edit part, which is all its cache holds.
  CopyFrameStrips(dc.get(), 0, 0, Size.cx, cache->Height(), cache->Canvas().Handle(), 0, 0, kComboBorder);
  PaintButton(dc.get());
}

RECT TacComboBoxWnd::TextArea() const {
  const RECT button = ButtonRect();
  // With the button on the left (WS_EX_LEFTSCROLLBAR) the text goes right of it, not into a
  // rectangle that ends where the button begins and so holds nothing.
  if ((GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0) {
    return RECT{button.right, kComboBorder, Size.cx - kComboBorder, Size.cy - kComboBorder};
  }
  return RECT{kComboBorder, kComboBorder, button.left, Size.cy - kComboBorder};
}

void TacComboBoxWnd::PaintSelectedText() {
  TBitmap* cache = SkinData()->CacheBmp();
  if (cache == nullptr || cache->Handle() == nullptr) return;
  const RECT area = TextArea();
  const RECT textRect{area.left + 1, area.top + 1, area.right + 1, area.bottom + 1};
  const std::wstring text = ChosenText(Window());
  constexpr UINT kFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (GetFocus() != Window()) {
    DrawCaptionInCache(*this, WindowFont(Window()), FromWide(text), kFlags, textRect, false);
    return;
  }
  HDC dc = cache->Canvas().Handle();
  const SavedDC saved(dc);
  SelectObject(dc, WindowFont(Window()));
  FillRect(dc, &area, GetSysColorBrush(COLOR_HIGHLIGHT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
  RECT r = textRect;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, kFlags);
  DrawFocusRect(dc, &area);
}

void TacComboBoxWnd::Print(HDC dc) {
  UpdateGeometry();
  SkinData()->Updating = false;
  if (!ParamsApplied) ApplySkinParams();
  PrepareCache();
  if (DropDownListStyle()) PaintSelectedText();
  PaintCornerPixels(0);
  CopyCacheToDC(*this, dc);
  PaintButton(dc);
}

void TacComboBoxWnd::MakeListHandler() {
  const bool wasCreating = std::exchange(CreatingDialogChildren(), ForDialog);
  ListHandler = std::make_unique<TacComboListWnd>(ListWindow, "EDIT", SkinManager(), nullptr);
  ListHandler->SimpleCombo = SimpleStyle();
  ListHandler->Create(SendMessageW(Window(), CB_GETCOUNT, 0, 0) > 0);
  CreatingDialogChildren() = wasCreating;
}

void TacComboBoxWnd::AnswerListColors(TMessage& message) {
  if (ListWindow == nullptr && message.LParam != 0) {
    ListWindow = reinterpret_cast<HWND>(message.LParam);
    // A simple combo box's list is a child of the dialog, which may have skinned it already.
    if (TacMainWnd::Find(ListWindow) == nullptr) MakeListHandler();
  }
  if (ForDialog || TacMainWnd::Find(ListWindow) == nullptr) return;
  const LRESULT index = SendSkinCommand(ListWindow, SMC_GET_SKIN_INDEX) - 1;
  const TsSkinManager* manager = SkinManager();
  if (!manager->IsValidSkinIndex(static_cast<int>(index))) return;
  const TsGeneralData& section = manager->Skin().Sections()[static_cast<size_t>(index)];
  const auto dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, ColorRefOf(section.FontColor[0]));
  SetBkColor(dc, ColorRefOf(section.Color));
  if (!listBrush_ || listBrushColor_ != section.Color) {
    listBrush_.reset(CreateSolidBrush(ColorRefOf(section.Color)));
    listBrushColor_ = section.Color;
  }
  message.Result = reinterpret_cast<LRESULT>(listBrush_.get());
}

void TacComboBoxWnd::WndProc(TMessage& message, const TPassOn& passOn) {
  if (Detached || !Skinned()) {
    TacEditWnd::WndProc(message, passOn);
    return;
  }
  const UINT msg = message.Msg;
  switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONUP:
      TacEditWnd::WndProc(message, passOn);
      if (!Detached) PaintButtonOnWindow();
      return;
    case SM_SKINCMD:
      if (const int code = SkinCommandCode(message.WParam); code == SMC_MOUSE_ENTER || code == SMC_MOUSE_LEAVE) {
        SkinData()->Hot = code == SMC_MOUSE_ENTER;
        TacEditWnd::WndProc(message, passOn);
        if (!Detached) PaintButtonOnWindow();
        return;
      }
      break;
    case WM_PAINT:
      UpdateGeometry();
      passOn(message);
      if (!Detached && IsWindowVisible(Window())) PaintBorder();
      return;
    case WM_PRINT:
      if (message.WParam != 0) Print(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_NCPAINT:
      return;
    case WM_COMMAND:
      if ((GetWindowLongW(Window(), GWL_STYLE) & 1) == 0) {
        if (HIWORD(message.WParam) == CBN_DROPDOWN) ComboDroppedDown() = true;
        if (HIWORD(message.WParam) == CBN_CLOSEUP) ComboDroppedDown() = false;
      }
      break;
    case WM_CTLCOLORLISTBOX:
      TacEditWnd::WndProc(message, passOn);
      if (!Detached) AnswerListColors(message);
      return;
    default:
      break;
  }
  TacEditWnd::WndProc(message, passOn);
  if (msg == WM_NCCALCSIZE && !Detached) Edges.Left = kComboBorder;
}

}  // namespace sundrel
