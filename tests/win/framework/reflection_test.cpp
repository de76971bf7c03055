// Messages about a child window reach the child control itself (CN_BASE + the message): its
// notifications, colours, owner-drawn items and scroll bar messages; what names no child stays
// with the parent.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/bitmap.h"
#include "framework/button.h"
#include "framework/forms.h"
#include "framework/list_box.h"
#include "framework_test_support.h"
#include "message_recorder.h"

namespace sundrel {
namespace {

using sundrel::testing::Messages;
using sundrel::testing::SequenceMatches;
using sundrel::testing::TMessageRecorder;
using sundrel::testing::TMessageSequence;
using namespace sundrel::testing::message_flags;

// A button that draws itself: red, when its parent passes the drawing on to it.
class TOwnerDrawnButton : public TButton {
 public:
  using TButton::TButton;

 protected:
  void CreateParams(TCreateParams& params) const override {
    TButton::CreateParams(params);
    params.Style |= BS_OWNERDRAW;
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == CN_DRAWITEM) {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
      FillRect(item.hDC, &item.rcItem, red.get());
      message.Result = TRUE;
      return;
    }
    TButton::WndProc(message);
  }
};

// A list box whose items its parent asks it to measure: every item 30 pixels high.
class TMeasuredListBox : public TListBox {
 public:
  using TListBox::TListBox;

 protected:
  void CreateParams(TCreateParams& params) const override {
    TListBox::CreateParams(params);
    params.Style |= LBS_OWNERDRAWVARIABLE;
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == CN_MEASUREITEM) {
      reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam)->itemHeight = 30;
      message.Result = TRUE;
      return;
    }
    TListBox::WndProc(message);
  }
};

class Reflection : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = application->CreateForm<TForm>();
    form->SetBounds(100, 100, 240, 160);
    button = new TOwnerDrawnButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 60, 30);
    list = new TMeasuredListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 50, 100, 80);
    form->HandleNeeded();
  }

  TForm* form = nullptr;
  TOwnerDrawnButton* button = nullptr;
  TMeasuredListBox* list = nullptr;
};

TEST_F(Reflection, MessagesAboutAChildReachTheChildAndTheRestStayWithTheParent) {
  HWND child = button->Handle();
  NMHDR header{child, 0, 0};
  DRAWITEMSTRUCT drawn{};
  drawn.CtlType = ODT_BUTTON;
  drawn.hwndItem = child;
  DRAWITEMSTRUCT menuDrawn{};
  menuDrawn.CtlType = ODT_MENU;
  MEASUREITEMSTRUCT measured{};
  measured.CtlType = ODT_BUTTON;
  measured.CtlID = static_cast<UINT>(GetDlgCtrlID(child));
  MEASUREITEMSTRUCT menuMeasured = measured;
  menuMeasured.CtlType = ODT_MENU;
  const auto childParam = reinterpret_cast<LPARAM>(child);
  const struct Case {
    const char* what;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool reachesTheChild;
  } cases[] = {
      {"command", WM_COMMAND, MAKEWPARAM(0, BN_HILITE), childParam, true},
      {"notify", WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header), true},
      {"notify without a header", WM_NOTIFY, 0, 0, false},
      {"button colour", WM_CTLCOLORBTN, 0, childParam, true},
      {"edit colour", WM_CTLCOLOREDIT, 0, childParam, true},
      {"list colour", WM_CTLCOLORLISTBOX, 0, childParam, true},
      {"static colour", WM_CTLCOLORSTATIC, 0, childParam, true},
      {"draw item", WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&drawn), true},
      {"draw a menu's item", WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&menuDrawn), false},
      {"measure item", WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measured), true},
      {"measure a menu's item", WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&menuMeasured), false},
      {"scroll bar control", WM_HSCROLL, SB_LINEDOWN, childParam, true},
      {"vertical scroll bar control", WM_VSCROLL, SB_LINEDOWN, childParam, true},
      {"the window's own scroll bar", WM_VSCROLL, SB_LINEDOWN, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TMessageRecorder log(Messages({c.msg, CN_BASE + c.msg}));
    log.Watch(*form, "form", parent);
    log.Watch(*button, "button");
    SendMessageW(form->Handle(), c.msg, c.wParam, c.lParam);
    TMessageSequence expected{{"form", c.msg, sent | parent | wparam | lparam, c.wParam, c.lParam}};
    if (c.reachesTheChild)
      expected.push_back({"button", CN_BASE + c.msg, performed | wparam | lparam, c.wParam, c.lParam});
    EXPECT_TRUE(SequenceMatches(log.Entries(), expected));
  }
}

TEST_F(Reflection, AnOwnerDrawnButtonDrawsItselfAndAListMeasuresItsOwnItems) {
  // The system's button asks its parent to draw it, into the context it was given.
  TBitmap picture(60, 30);
  SendMessageW(button->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), PRF_CLIENT);
  EXPECT_EQ(GetPixel(picture.Canvas().Handle(), 30, 15), RGB(255, 0, 0));

  list->Items().Add("measured by the list itself");
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 30);
}

TEST_F(Reflection, WhatTheChildLeavesAloneGetsTheParentsDefaultAnswer) {
  // The plain list box does not answer its button colour: the system's default brush comes back.
  HDC dc = GetDC(form->Handle());
  const LRESULT answer = SendMessageW(form->Handle(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                      reinterpret_cast<LPARAM>(list->Handle()));
  EXPECT_EQ(answer, DefWindowProcW(form->Handle(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                   reinterpret_cast<LPARAM>(list->Handle())));
  EXPECT_NE(answer, 0);
  ReleaseDC(form->Handle(), dc);
}

}  // namespace
}  // namespace sundrel
