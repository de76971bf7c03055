#include "framework/message_form.h"

#include <algorithm>
#include <cstring>

#include "base/handles_win32.h"
#include "base/utf.h"
#include "framework/application.h"
#include "framework/button.h"
#include "framework/label.h"
#include "framework/screen.h"

namespace sundrel {

namespace {

// Measures in dialog units of the message font, as the system's message boxes are laid out.
struct DialogUnits {
  int x = 0;
  int y = 0;
  int Horizontal(int units) const { return MulDiv(units, x, 4); }
  int Vertical(int units) const { return MulDiv(units, y, 8); }
};

DialogUnits MeasureDialogUnits(HDC dc) {
  static constexpr wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  SIZE size{};
  GetTextExtentPoint32W(dc, kAlphabet, 52, &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return DialogUnits{(size.cx / 26 + 1) / 2, metrics.tmHeight};
}

// The clipboard, open for as long as this lives.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

void SetClipboardText(HWND owner, const std::wstring& text) {
  OpenClipboardScope clipboard(owner);
  if (!clipboard.IsOpen()) return;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return;
  if (void* target = GlobalLock(memory)) {
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) != nullptr) return;  // the clipboard owns it now
  }
  GlobalFree(memory);
}

}  // namespace

TMessageForm::TMessageForm(TComponent* owner, const std::string& message) : TForm(owner) {
  const LOGFONTW messageFont = MessageFontInfo();
  Font().SetName(FromWide(messageFont.lfFaceName));
  Font().SetHeight(messageFont.lfHeight);
  Font().SetCharset(messageFont.lfCharSet);
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetKeyPreview(true);
  SetScaled(false);
  SetCaption(Application != nullptr ? Application->Title() : std::string());

  WindowDC screen(nullptr);
  SelectObjectGuard font(screen.get(), Font().Handle());
  const DialogUnits units = MeasureDialogUnits(screen.get());
  const int horzMargin = units.Horizontal(8);
  const int vertMargin = units.Vertical(8);
  const int vertSpacing = units.Vertical(10);
  const int buttonWidth = units.Horizontal(50);
  const int buttonHeight = units.Vertical(14);

  // The text may take half the screen's width before it wraps.
  RECT textRect{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
  std::wstring wide = ToWide(message);
  DrawTextW(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &textRect,
            DT_EXPANDTABS | DT_CALCRECT | DT_WORDBREAK);

  const int clientWidth = std::max<int>(textRect.right, buttonWidth) + horzMargin * 2;
  SetClientSize(clientWidth, textRect.bottom + buttonHeight + vertSpacing + vertMargin * 2);

  message_ = new TLabel(this);
  message_->SetName("Message");
  message_->SetParent(this);
  message_->SetAutoSize(false);
  message_->SetWordWrap(true);
  message_->SetBounds(horzMargin, vertMargin, textRect.right, textRect.bottom);
  message_->SetCaption(message);

  button_ = new TButton(this);
  button_->SetName("OK");
  button_->SetParent(this);
  button_->SetCaption("OK");
  button_->SetModalResult(mrOk);
  button_->SetDefault(true);
  button_->SetCancel(true);
  button_->SetBounds((clientWidth - buttonWidth) / 2, textRect.bottom + vertMargin + vertSpacing, buttonWidth,
                     buttonHeight);
  SetActiveControl(button_);
}

std::string TMessageForm::FormText() const {
  const std::string divider = std::string(27, '-') + "\r\n";
  return divider + Caption() + "\r\n" + divider + message_->Caption() + "\r\n" + divider + button_->Caption() +
         "   \r\n" + divider;
}

void TMessageForm::CopyToClipboard() {
  SetClipboardText(Handle(), ToWide(FormText()));
}

bool TMessageForm::KeyDown(WORD key, TShiftState shift) {
  if (shift == ssCtrl && (key == 'C' || key == VK_INSERT)) {
    CopyToClipboard();
    return true;
  }
  return TForm::KeyDown(key, shift);
}

void TMessageForm::WndProc(TMessage& message) {
  if (message.Msg == WM_COPY) {
    CopyToClipboard();
    return;
  }
  TForm::WndProc(message);
}

void ShowMessage(const std::string& message) {
  TOwned<TMessageForm> form(new TMessageForm(Application, message));
  form->ShowModal();
}

}  // namespace sundrel
