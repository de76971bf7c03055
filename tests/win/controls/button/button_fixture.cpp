#include "button_fixture.h"

#include "controls/control_skin.h"
#include "controls/skin_utilities.h"
#include "paint/dib_pixels_win32.h"
#include "tidewater_controls.h"

namespace sundrel::testing {

void TPicturePanel::BuildPicture() {
  data.PrepareCache();
  PaintControlSkin(data, {}, true, false, *data.CacheBmp(), {0, 0}, TRect{0, 0, Width(), Height()}, 0);
  data.BGChanged = false;
}

void TPicturePanel::PaintWindow(HDC dc) {
  const bool rebuilt = data.BGChanged;
  if (rebuilt) BuildPicture();
  BitBlt(dc, 0, 0, Width(), Height(), data.CacheBmp()->Canvas().Handle(), 0, 0, SRCCOPY);
  if (rebuilt) ChildrenUpdateEnded(this);
}

void TPicturePanel::WndProc(TMessage& message) {
  TSkinned<TPanel>::WndProc(message);
  if (message.Msg != SM_SKINCMD) return;
  const int code = SkinCommandCode(message.WParam);
  if (code == SMC_REFRESH) Invalidate();  // its picture is rebuilt at the paint
  switch (code) {
    case SMC_SKIN_SET:
    case SMC_SKIN_REMOVED:
    case SMC_REFRESH:
    case SMC_STOP_FADING:
      BroadcastToChildren(this, SkinCommand(code, message.LParam));
      break;
    default:
      break;
  }
}

TPicture PictureOf(const TBitmap& bitmap) {
  const TacPixels pixels = PixelsOfDibSection(bitmap.Handle());
  TPicture picture{pixels.Width, pixels.Height, {}};
  for (int y = 0; y < pixels.Height; ++y) {
    const uint8_t* row = pixels.Row(y);
    for (int x = 0; x < pixels.Width; ++x) {
      const uint8_t* p = row + x * pixels.BytesPerPixel;
      picture.Pixels.push_back(RGB(p[2], p[1], p[0]));
    }
  }
  return picture;
}

TFadeFrames::TFadeFrames(TsButton& button) {
  hook_ = button.MessageHooks().Add([this](TMessage& message, const TPassOn& passOn) {
    if (message.Msg == SM_SKINCMD && SkinCommandCode(message.WParam) == SMC_DRAW_FADE_FRAME) {
      ++Count;
      Last = PictureOf(*reinterpret_cast<const TBitmap*>(message.LParam));
    }
    passOn(message);
  });
}

void ButtonTest::SetUp() {
  FrameworkTest::SetUp();
  MouseAway();
  form = application->CreateForm<TForm>();
  form->SetBounds(0, 0, 400, 300);
  manager = TidewaterManager(form, folder.Path());
  parent = ChildOf<TPicturePanel>(form, "PANEL");
  parent->SetBounds(0, 0, 300, 200);
  button = new TsButton(parent);
  button->SetParent(parent);
  button->SetBounds(kLeft, kTop, kWidth, kHeight);
  button->SetCaption("开始分割");
  button->OnClick = [this](TObject*) { ++clicks; };
  edit = ChildOf<TEdit>(parent);
  edit->SetBounds(kLeft, kTop + 60, 100, 21);
  form->Show();
  edit->SetFocus();
  Drain();
  ASSERT_TRUE(button->SkinData().IsSkinned(true));
  ASSERT_FALSE(button->Fading());
}

void ButtonTest::Drain() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void ButtonTest::FinishFade() {
  ASSERT_TRUE(PumpUntil([this] { return !button->Fading(); })) << "the fade never ended";
  Drain();
}

TPicture ButtonTest::Shown() {
  TBitmap picture(kWidth, kHeight);
  SendMessageW(button->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), PRF_CLIENT);
  return PictureOf(picture);
}

TPicture ButtonTest::Reference(int state) {
  TBitmap picture(kWidth, kHeight);
  TsCommonData& data = button->SkinData();
  PaintControlSkin(data, data.GetParentImage(), true, true, picture, {kLeft, kTop}, TRect{0, 0, kWidth, kHeight},
                   state);
  return PictureOf(picture);
}

POINT ButtonTest::ScreenPoint(int x, int y) const {
  POINT point{x, y};
  ClientToScreen(button->Handle(), &point);
  return point;
}

void ButtonTest::MouseOver() {
  const POINT centre = ScreenPoint(kWidth / 2, kHeight / 2);
  SetCursorPos(centre.x, centre.y);
  Send(WM_MOUSEMOVE, kWidth / 2, kHeight / 2);
}

void ButtonTest::MouseAway() {
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  if (button != nullptr) Send(WM_MOUSELEAVE);
}

LRESULT ButtonTest::Send(UINT msg, int x, int y) {
  return SendMessageW(button->Handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
}

LRESULT ButtonTest::Command(int code, LPARAM lParam) {
  return SendSkinCommand(button->Handle(), code, lParam);
}

}  // namespace sundrel::testing
