// The colour button: colour and margin, the pressed look, click reports from
// the swatch and the rim, capture loss, two buttons, and choosing a colour.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using namespace testing_support;

namespace {

struct Report {
  int id;
  int code;
  LPARAM lParam;
};
std::vector<Report> reports;

// What a program does on a click: ask for a colour and show it.
ColorButton* choosing = nullptr;
Form* owner = nullptr;

INT_PTR CALLBACK recordingProcedure(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COMMAND) return 0;
  reports.push_back({LOWORD(wParam), HIWORD(wParam), lParam});
  if (choosing != nullptr && LOWORD(wParam) == choosing->id) {
    COLORREF c = choosing->color;
    if (owner->chooseColor(c)) choosing->color = c;
  }
  return 0;
}

// Answers the colour chooser with `chosen` once it is up.
HHOOK chooserHook = NULL;
HWND chooser = NULL;
COLORREF chosen = 0;

VOID CALLBACK answerChooser(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(NULL, timer);
  SetDlgItemInt(chooser, 706, GetRValue(chosen), FALSE);
  SetDlgItemInt(chooser, 707, GetGValue(chosen), FALSE);
  SetDlgItemInt(chooser, 708, GetBValue(chosen), FALSE);
  PostMessageA(chooser, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK watchForChooser(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND window = reinterpret_cast<HWND>(wParam);
    char name[16] = {0};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32770") == 0 && GetDlgItem(window, 706) != NULL) {
      chooser = window;
      SetTimer(NULL, 0, 1, answerChooser);  // runs inside the chooser's own loop
    }
  }
  return CallNextHookEx(chooserHook, code, wParam, lParam);
}

struct Panel {
  Panel()
      : form("Colour buttons", 80, 80, 360, 240, 0, true, true, false, false, false, Control(),
             false, 0) {
    form.procedure = recordingProcedure;
    reports.clear();
    SetCursorPos(1010, 760);
  }
  ~Panel() {
    ReleaseCapture();
    form.destroy();
    pump(0);
  }
  Form form;
};

bool pushed(const ColorButton& b) {
  return (SendMessageA(b.hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

void press(const ColorButton& b, int x, int y) {
  SendMessageA(b.swatch.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

void release(const ColorButton& b, int x, int y) {
  SendMessageA(b.swatch.hwnd, WM_LBUTTONUP, 0,
               MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                          static_cast<WORD>(static_cast<short>(y))));
}

COLORREF swatchCentre(const ColorButton& b) {
  return pixelAt(b.swatch.hwnd, b.swatch.clientWidth / 2, b.swatch.clientHeight / 2);
}

}  // namespace

TEST(ColorButton, ColourReadsBackAndFillsTheSwatch) {
  Panel p;
  ColorButton b(301, 10, 10, 90, 40, p.form, RGB(200, 30, 40));
  ASSERT_TRUE(b.isCreated());
  ASSERT_TRUE(b.swatch.isCreated());
  EXPECT_EQ(b.hwnd, GetParent(b.swatch.hwnd));
  EXPECT_TRUE(b.hasStyle(WS_CLIPCHILDREN));
  EXPECT_TRUE(b.swatch.hasExStyle(WS_EX_STATICEDGE));
  const COLORREF colours[] = {RGB(200, 30, 40), RGB(0, 0, 0), RGB(20, 180, 250)};
  for (COLORREF c : colours) {
    b.color = c;
    EXPECT_EQ(c, COLORREF(b.color)) << std::hex << c;
    EXPECT_TRUE(pumpUntil([&] { return swatchCentre(b) == c; }, 2000))
        << std::hex << c << " read " << swatchCentre(b);
  }
}

TEST(ColorButton, MarginPlacesTheSwatchInsideTheButton) {
  Panel p;
  ColorButton b(302, 10, 10, 100, 50, p.form, RGB(1, 2, 3));
  EXPECT_EQ(5, b.margin);
  const int margins[] = {5, 0, 12};
  for (int m : margins) {
    b.margin = m;
    EXPECT_EQ(m, b.margin);
    EXPECT_EQ(m, int(b.swatch.x)) << m;
    EXPECT_EQ(m, int(b.swatch.y)) << m;
    EXPECT_EQ(b.clientWidth - 2 * m, int(b.swatch.width)) << m;
    EXPECT_EQ(b.clientHeight - 2 * m, int(b.swatch.height)) << m;
  }
}

TEST(ColorButton, SwatchClicksReportTheReleasePoint) {
  Panel p;
  ColorButton b(303, 10, 10, 100, 50, p.form, RGB(40, 90, 200));
  int w = b.swatch.width, h = b.swatch.height;
  struct Row {
    int x, y;
    bool reported;
  };
  const Row rows[] = {{10, 7, true}, {0, 0, true},   {w, h, true},     {w + 1, 5, false},
                      {-1, 5, false}, {5, -2, false}, {5, h + 1, false}};
  for (const Row& r : rows) {
    reports.clear();
    press(b, 3, 3);
    EXPECT_TRUE(pushed(b)) << r.x << "," << r.y;
    EXPECT_EQ(b.swatch.hwnd, GetCapture());
    EXPECT_EQ(b.hwnd, GetFocus());
    // Pressed, the button keeps its swatch in view.
    EXPECT_TRUE(pumpUntil([&] { return swatchCentre(b) == RGB(40, 90, 200); }, 2000));
    release(b, r.x, r.y);
    EXPECT_FALSE(pushed(b)) << r.x << "," << r.y;
    EXPECT_EQ(NULL, GetCapture());
    if (!r.reported) {
      EXPECT_TRUE(reports.empty()) << r.x << "," << r.y;
      continue;
    }
    ASSERT_EQ(1u, reports.size()) << r.x << "," << r.y;
    EXPECT_EQ(303, reports[0].id);
    EXPECT_EQ(0, reports[0].code);
    EXPECT_EQ(MAKELPARAM(r.x, r.y), reports[0].lParam) << r.x << "," << r.y;
  }
  EXPECT_TRUE(pumpUntil([&] { return swatchCentre(b) == RGB(40, 90, 200); }, 2000));

  // A release with no press before it is nothing.
  reports.clear();
  release(b, 10, 7);
  EXPECT_TRUE(reports.empty());
}

TEST(ColorButton, TheRimIsAnOrdinaryButton) {
  Panel p;
  ColorButton b(304, 10, 10, 100, 50, p.form, RGB(5, 5, 5));
  SendMessageA(b.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(b.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  ASSERT_EQ(1u, reports.size());
  EXPECT_EQ(304, reports[0].id);
  EXPECT_EQ(BN_CLICKED, reports[0].code);
  EXPECT_EQ(reinterpret_cast<LPARAM>(b.hwnd), reports[0].lParam);
}

TEST(ColorButton, LosingTheCaptureEndsThePressWithoutAClick) {
  Panel p;
  ColorButton b(305, 10, 10, 100, 50, p.form, RGB(5, 5, 5));
  press(b, 5, 5);
  ASSERT_TRUE(pushed(b));
  SetCapture(p.form.hwnd);
  EXPECT_FALSE(pushed(b));
  ReleaseCapture();
  release(b, 5, 5);
  EXPECT_TRUE(reports.empty());
  // The next press clicks as usual.
  press(b, 5, 5);
  release(b, 6, 6);
  EXPECT_EQ(1u, reports.size());
}

TEST(ColorButton, TwoButtonsKeepTheirOwnColoursAndIdentifiers) {
  Panel p;
  ColorButton left(306, 10, 10, 100, 50, p.form, RGB(255, 0, 0));
  ColorButton right(307, 150, 10, 100, 50, p.form, RGB(0, 0, 255));
  EXPECT_EQ(RGB(255, 0, 0), COLORREF(left.color));
  EXPECT_EQ(RGB(0, 0, 255), COLORREF(right.color));
  press(right, 4, 4);
  release(right, 4, 4);
  press(left, 8, 9);
  release(left, 8, 9);
  ASSERT_EQ(2u, reports.size());
  EXPECT_EQ(307, reports[0].id);
  EXPECT_EQ(306, reports[1].id);
  EXPECT_EQ(MAKELPARAM(8, 9), reports[1].lParam);
  EXPECT_TRUE(pumpUntil([&] { return swatchCentre(left) == RGB(255, 0, 0); }, 2000));
  EXPECT_TRUE(pumpUntil([&] { return swatchCentre(right) == RGB(0, 0, 255); }, 2000));
}

TEST(ColorButton, AClickCanChooseTheColourShown) {
  Panel p;
  ColorButton b(308, 10, 10, 100, 50, p.form, RGB(255, 255, 255));
  chooserHook = SetWindowsHookExA(WH_CBT, watchForChooser, NULL, GetCurrentThreadId());
  ASSERT_NE(nullptr, chooserHook);
  choosing = &b;
  owner = &p.form;
  chosen = RGB(10, 20, 30);
  press(b, 10, 10);
  release(b, 10, 10);  // the chooser runs and is answered inside this click
  choosing = nullptr;
  owner = nullptr;
  UnhookWindowsHookEx(chooserHook);
  EXPECT_NE(nullptr, chooser);
  EXPECT_EQ(RGB(10, 20, 30), COLORREF(b.color));
  EXPECT_EQ(RGB(10, 20, 30), static_cast<COLORREF>(p.form.color));
  EXPECT_TRUE(pumpUntil([&] { return swatchCentre(b) == RGB(10, 20, 30); }, 2000));
}

// The button's onClick runs for a click on the swatch as for one on the rim,
// before the form hears of it; a press that ends outside runs nothing.
TEST(ColorButton, ItsClickHandlerRunsForTheSwatchAndTheRim) {
  Panel p;
  ColorButton b(308, 10, 10, 100, 50, p.form, RGB(5, 5, 5));
  std::vector<std::size_t> reportsSeenByHandler;
  b.onClick([&] { reportsSeenByHandler.push_back(reports.size()); });
  press(b, 5, 5);
  release(b, 6, 6);
  press(b, 5, 5);
  release(b, -1, 6);  // outside: no click
  SendMessageA(b.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(b.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ((std::vector<std::size_t>{0, 1}), reportsSeenByHandler);
  EXPECT_EQ(2u, reports.size());
}
