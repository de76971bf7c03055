// The main window as built: its components in their order, geometry at 96 pixels per inch,
// captions, fonts, tab order, initial state and the list's menu commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/umain.h"
#include "framework/screen.h"
#include "framework_test_support.h"

namespace sundrel {
namespace {

using sundrel::testing::ClassNameOf;

class MainForm : public sundrel::testing::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    if (ScreenPixelsPerInch() != kDesignPixelsPerInch) GTEST_SKIP() << "the layout is checked at 96 pixels per inch";
    form = application->CreateForm<Tfrmmain>();
    form->HandleNeeded();
  }

  // Where the control's window really is, relative to its parent's client area.
  static RECT WindowBounds(TWinControl* control) {
    RECT bounds;
    GetWindowRect(control->Handle(), &bounds);
    MapWindowPoints(nullptr, GetParent(control->Handle()), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
  }

  Tfrmmain* form = nullptr;
};

TEST_F(MainForm, ComponentsAreCreatedInTheirLoadingOrder) {
  std::vector<std::string> names;
  for (int i = 0; i < form->ComponentCount(); ++i) names.push_back(form->Components(i)->Name());
  // The strip that shows a run's progress and its timer come after the designed components.
  const std::vector<std::string> expected{"sPageControl1", "sTabSheet1", "slbl2",   "slbl1",   "sbtn2",
                                          "sedt1",         "sedt2",      "sbtn1",   "sbtn3",   "sTabSheet2",
                                          "sbtn6",         "slst1",      "sbtn7",   "sPanel1", "sLabelFX1",
                                          "sbtn4",         "sPanel2",    "sGauge1", "slbl3",   "sbtn5",
                                          "sSkinManager1", "sod1",       "spdlg1",  "tmr1",    "ssdlg1",
                                          "pm1",           "N1",         "N2",      "N3",      "N4",
                                          "tmr2"};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(form->Name(), "frmmain");
  EXPECT_EQ(application->MainForm(), form);
}

TEST_F(MainForm, TheWindowIsAFixedDialogOfTheDesignedSize) {
  EXPECT_EQ(ClassNameOf(form->Handle()), L"Tfrmmain");
  EXPECT_EQ(form->Caption(), "Sundrel V1.1");
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 508);
  EXPECT_EQ(client.bottom, 231);
  const LONG style = GetWindowLongW(form->Handle(), GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_NE(style & WS_SYSMENU, 0);
  EXPECT_TRUE(form->ScreenSnap());
  EXPECT_EQ(form->Font().Name(), "MS Sans Serif");
  EXPECT_EQ(form->Font().Height(), -13);
}

TEST_F(MainForm, ControlsSitWhereTheLayoutPutsThem) {
  struct Case {
    TControl* control;
    std::wstring windowClass;  // empty for windowless controls
    RECT bounds;
    const char* caption;
    int fontHeight;
  } cases[] = {
      {form->sPageControl1, L"TsPageControl", {0, 0, 508, 200}, "", -13},
      {form->sPanel1, L"TsPanel", {0, 200, 508, 231}, "", -13},
      {form->sbtn2, L"TsButton", {8, 8, 121, 33}, "打开要均分的文件", -13},
      {form->sedt1, L"TsEdit", {8, 40, 489, 61}, "", -11},
      {form->sbtn1, L"TsButton", {8, 72, 97, 97}, "指定保存目录", -13},
      {form->slbl1, L"", {104, 76, 521, 89}, "", -11},
      {form->slbl2, L"", {8, 112, 137, 125}, "输入平均划分成的数目", -11},
      {form->sedt2, L"TsEdit", {144, 106, 185, 127}, "3", -11},
      {form->sbtn3, L"TsButton", {9, 144, 97, 169}, "开始分割", -13},
      {form->slst1, L"TsListBox", {0, 0, 500, 138}, "", -11},
      {form->sbtn6, L"TsButton", {8, 144, 153, 169}, "按顺序添加要合并的文件", -13},
      {form->sbtn7, L"TsButton", {169, 144, 257, 169}, "开始合并", -13},
      {form->sLabelFX1, L"", {17, 5, 241, 27}, "Sundrel 作者：石头工作室", -13},
      {form->sbtn4, L"TsButton", {404, 3, 501, 26}, "退出", -13},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.control->Name());
    const RECT bounds = test.control->BoundsRect();
    EXPECT_TRUE(EqualRect(&bounds, &test.bounds))
        << bounds.left << "," << bounds.top << "," << bounds.right << "," << bounds.bottom;
    EXPECT_EQ(test.control->Caption(), test.caption);
    EXPECT_EQ(test.control->Font().Height(), test.fontHeight);
    if (auto* windowed = dynamic_cast<TWinControl*>(test.control)) {
      EXPECT_EQ(ClassNameOf(windowed->Handle()), test.windowClass);
      const RECT window = WindowBounds(windowed);
      EXPECT_TRUE(EqualRect(&window, &test.bounds));
    }
  }
  EXPECT_EQ(form->sTabSheet1->Caption(), "文件分割");
  EXPECT_EQ(form->sTabSheet2->Caption(), "文件合并");
  EXPECT_EQ(form->sLabelFX1->Font().Style(), fsBold | fsUnderline);
  EXPECT_TRUE(form->sedt1->ReadOnly());
  EXPECT_TRUE(form->slst1->MultiSelect());
}

TEST_F(MainForm, TabFollowsTheSplitPagesOrder) {
  const std::vector<TWinControl*> list = form->sTabSheet1->TabOrderList();
  const std::vector<TWinControl*> expected{form->sbtn2, form->sedt1, form->sedt2, form->sbtn1, form->sbtn3};
  EXPECT_EQ(list, expected);
  EXPECT_EQ(form->sPageControl1->TabOrder(), 0);
  EXPECT_EQ(form->sPanel1->TabOrder(), 1);
}

TEST_F(MainForm, StartsOnTheSplitPageWithEverythingEmptyButTheCount) {
  EXPECT_EQ(form->sPageControl1->ActivePage(), form->sTabSheet1);
  EXPECT_TRUE(form->sTabSheet1->Visible());
  EXPECT_FALSE(form->sTabSheet2->Visible());
  EXPECT_EQ(form->sedt1->Text(), "");
  EXPECT_EQ(form->sedt2->Text(), "3");
  EXPECT_EQ(form->slbl1->Caption(), "");
  EXPECT_EQ(form->slst1->Items().Count(), 0);
  EXPECT_EQ(form->tmr1->Interval(), 200u);
  EXPECT_TRUE(form->tmr1->Enabled());
  EXPECT_EQ(form->slst1->PopupMenu(), form->pm1);
}

TEST_F(MainForm, TheListsMenuSelectsAndDeletesItems) {
  std::vector<std::string> captions;
  for (int i = 0; i < form->pm1->Items()->Count(); ++i) captions.push_back(form->pm1->Items()->Items(i)->Caption());
  EXPECT_EQ(captions, (std::vector<std::string>{"全选", "-", "删除选中", "全部删除"}));
  EXPECT_TRUE(form->N2->IsLine());
  EXPECT_EQ(form->N3->MenuIndex(), 2);
  EXPECT_EQ(form->N3->Parent(), form->pm1->Items());

  TStrings& items = form->slst1->Items();
  for (const char* item : {"a", "b", "c", "d"}) items.Add(item);
  form->slst1->SetSelected(1, true);
  form->slst1->SetSelected(3, true);
  form->N3->Click();  // deletes the selected ones, the rest keep their order
  EXPECT_EQ(items.ToVector(), (std::vector<std::string>{"a", "c"}));
  form->N1->Click();
  EXPECT_EQ(form->slst1->SelCount(), 2);
  form->N3->Click();
  EXPECT_EQ(items.Count(), 0);
  items.Add("x");
  form->N4->Click();
  EXPECT_EQ(items.Count(), 0);
}

}  // namespace
}  // namespace sundrel
