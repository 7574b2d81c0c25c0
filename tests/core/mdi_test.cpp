// MDI forms: the frame and its client, child styles and activation, tiling and
// cascading, closing and showing children, copies, the client colour and checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/dialog_answerer.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using namespace testing_support;

namespace {

MDIForm makeFrame(const Control& parent = Control(), int kind = 0) {
  return MDIForm("Frame", 20, 20, 600, 400, kind, true, true, false, false, false, parent, false,
                 0);
}

HWND activeChild(const MDIForm& frame) {
  return reinterpret_cast<HWND>(SendMessageA(frame.client.hwnd, WM_MDIGETACTIVE, 0, 0));
}

RECT rectIn(HWND window, HWND parent) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

RECT clientRect(HWND window) {
  RECT r = {0, 0, 0, 0};
  GetClientRect(window, &r);
  return r;
}

bool quitPosted() {
  MSG msg;
  return PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

// Destroys the frame when the test ends, whatever it asserted.
struct FrameGuard {
  HWND frame;
  ~FrameGuard() {
    DestroyWindow(frame);
    pump(0);
  }
};

INT_PTR CALLBACK ignoringProcedure(HWND, UINT, WPARAM, LPARAM) { return 0; }

}  // namespace

TEST(MDIForm, FrameIsTopLevelAndItsClientFillsIt) {
  Form owner("Owner", 0, 0, 200, 100, 0, true, false, false, false, false, Control(), false, 0);
  MDIForm frame = makeFrame(owner, 8);
  FrameGuard guard{frame.hwnd};
  ASSERT_TRUE(frame.isCreated());
  ASSERT_TRUE(frame.client.isCreated());
  EXPECT_EQ(NULL, GetParent(frame.hwnd));
  EXPECT_EQ(NULL, GetWindow(frame.hwnd, GW_OWNER));
  EXPECT_EQ(owner.hwnd, frame.parentHwnd);
  EXPECT_EQ("Frame", windowText(frame.hwnd));
  EXPECT_EQ(mdiFrameStyle(8), static_cast<DWORD>(frame.currentStyle()) & mdiFrameStyle(8));
  EXPECT_FALSE(frame.hasStyle(WS_CHILD));
  EXPECT_TRUE(frame.hasExStyle(WS_EX_ACCEPTFILES));
  EXPECT_FALSE(frame.hasExStyle(WS_EX_TOOLWINDOW));  // kind 8's addition is for forms only
  EXPECT_EQ(frame.hwnd, GetParent(frame.client.hwnd));
  char className[32] = {0};
  GetClassNameA(frame.client.hwnd, className, sizeof className);
  EXPECT_EQ(0, lstrcmpiA("MDICLIENT", className)) << className;

  const SIZE sizes[] = {{600, 400}, {350, 260}, {720, 500}};
  for (const SIZE& s : sizes) {
    frame.resize(s.cx, s.cy);
    RECT frameClient = clientRect(frame.hwnd);
    RECT area = rectIn(frame.client.hwnd, frame.hwnd);
    EXPECT_EQ(0, area.left) << s.cx;
    EXPECT_EQ(0, area.top) << s.cx;
    EXPECT_EQ(frameClient.right, area.right) << s.cx;
    EXPECT_EQ(frameClient.bottom, area.bottom) << s.cx;
  }
  owner.destroy();
}

TEST(MDIForm, ClassStylesKeepTheirBitsAndRedrawOnResize) {
  MDIForm frame = makeFrame();
  FrameGuard guard{frame.hwnd};
  Form child = frame.addChild("Child", 0, 0, 200, 150, 0, 0);
  DWORD frameClass = static_cast<DWORD>(GetClassLongPtrA(frame.hwnd, GCL_STYLE));
  EXPECT_EQ(static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW), frameClass & (CS_HREDRAW | CS_VREDRAW));
  // The dialog class is every form's: what it had before stays.
  HWND plainDialog = CreateWindowExA(0, MAKEINTATOM(0x8002), "", WS_POPUP, 0, 0, 10, 10, NULL,
                                     NULL, NULL, NULL);
  DWORD dialogClass = static_cast<DWORD>(GetClassLongPtrA(plainDialog, GCL_STYLE));
  EXPECT_EQ(static_cast<DWORD>(CS_DBLCLKS | CS_SAVEBITS),
            dialogClass & (CS_DBLCLKS | CS_SAVEBITS)) << std::hex << dialogClass;
  DestroyWindow(plainDialog);
}

struct ChildKind {
  int kind;
  DWORD frameBits;  // the window's frame bits, WS_CHILD and the rest masked off
};

TEST(MDIForm, ChildrenOfEveryKindLiveInTheClientAndTheNewestIsActive) {
  MDIForm frame = makeFrame();
  FrameGuard guard{frame.hwnd};
  const DWORD frameMask = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                          WS_MAXIMIZEBOX | DS_MODALFRAME | WS_CLIPCHILDREN | DS_ABSALIGN;
  const ChildKind kinds[] = {{0, 0x00CF0001}, {10, 0x00000001}, {11, 0x00800001},
                             {3, 0x00CA0081}, {8, 0x00CF0001},  {42, 0x00CF0001}};
  std::vector<Form> children;
  for (const ChildKind& k : kinds) {
    children.push_back(frame.addChild("Child", 10, 10, 200, 150, k.kind, 0));
    const Form& child = children.back();
    ASSERT_TRUE(child.isCreated()) << k.kind;
    EXPECT_EQ(k.frameBits, static_cast<DWORD>(child.currentStyle()) & frameMask)
        << k.kind << " " << std::hex << child.currentStyle();
    EXPECT_TRUE(child.hasStyle(WS_CHILD)) << k.kind;
    EXPECT_TRUE(child.hasStyle(WS_VISIBLE)) << k.kind;
    EXPECT_EQ(frame.client.hwnd, GetParent(child.hwnd)) << k.kind;
    EXPECT_TRUE(child.hasExStyle(WS_EX_ACCEPTFILES)) << k.kind;
    EXPECT_EQ(k.kind, child.kind);
    EXPECT_EQ(child.hwnd, activeChild(frame)) << k.kind;
  }
  // The extended style asked for is applied.
  Form noted = frame.addChild("Noted", 0, 0, 100, 80, 0, WS_EX_CLIENTEDGE);
  EXPECT_TRUE(noted.hasExStyle(WS_EX_CLIENTEDGE));
  EXPECT_EQ(WS_EX_CLIENTEDGE, noted.exStyleArg);
}

TEST(MDIForm, ActivationByMessageByNextAndByAClick) {
  MDIForm frame = makeFrame();
  FrameGuard guard{frame.hwnd};
  Form a = frame.addChild("A", 0, 0, 250, 200, 0, 0);
  Form b = frame.addChild("B", 300, 0, 250, 200, 0, 0);
  Form c = frame.addChild("C", 150, 150, 250, 150, 0, 0);
  // A program procedure on a child does not take the MDI handling away.
  a.procedure = ignoringProcedure;
  ASSERT_EQ(c.hwnd, activeChild(frame));

  SendMessageA(frame.client.hwnd, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a.hwnd), 0);
  EXPECT_EQ(a.hwnd, activeChild(frame));

  std::vector<HWND> seen;
  for (int i = 0; i < 3; ++i) {
    SendMessageA(frame.client.hwnd, WM_MDINEXT, 0, 0);
    seen.push_back(activeChild(frame));
  }
  std::sort(seen.begin(), seen.end());
  std::vector<HWND> all = {a.hwnd, b.hwnd, c.hwnd};
  std::sort(all.begin(), all.end());
  EXPECT_EQ(all, seen);  // three steps visit every child once

  // A real click on B's caption, with the frame in front.
  SendMessageA(frame.client.hwnd, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a.hwnd), 0);
  ASSERT_TRUE(bringToFront(frame.hwnd));
  pump(0);
  RECT r;
  GetWindowRect(b.hwnd, &r);
  POINT onCaption = {r.right - 60,
                     r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  SetCursorPos(onCaption.x, onCaption.y);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  EXPECT_TRUE(pumpUntil([&] { return activeChild(frame) == b.hwnd; }, 3000));
  SetCursorPos(1000, 750);
}

TEST(MDIForm, TilingAndCascadingPlaceVisibleChildrenInsideTheClient) {
  MDIForm frame = makeFrame();
  FrameGuard guard{frame.hwnd};
  std::vector<Form> children;
  for (int i = 0; i < 3; ++i) children.push_back(frame.addChild("T", 5, 5, 150, 100, 0, 0));
  Form hidden = frame.addChild("Hidden", 7, 9, 120, 90, 0, 0);
  hidden.hide();

  struct Layout {
    UINT message;
    WPARAM how;
  };
  const Layout layouts[] = {{WM_MDITILE, MDITILE_VERTICAL}, {WM_MDITILE, MDITILE_HORIZONTAL},
                            {WM_MDICASCADE, 0}};
  for (const Layout& layout : layouts) {
    SendMessageA(frame.client.hwnd, layout.message, layout.how, 0);
    pump(0);  // the client recomputes its scroll bars
    RECT area = clientRect(frame.client.hwnd);
    std::vector<RECT> placed;
    for (const Form& child : children) placed.push_back(rectIn(child.hwnd, frame.client.hwnd));
    for (std::size_t i = 0; i < placed.size(); ++i) {
      const RECT& r = placed[i];
      EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= area.right && r.bottom <= area.bottom)
          << layout.message << "/" << layout.how << " child " << i << ": " << r.left << ","
          << r.top << "," << r.right << "," << r.bottom << " in " << area.right << "x"
          << area.bottom;
      for (std::size_t j = i + 1; j < placed.size(); ++j) {
        RECT both;
        bool overlap = IntersectRect(&both, &placed[i], &placed[j]) != 0;
        if (layout.message == WM_MDITILE)
          EXPECT_FALSE(overlap) << layout.how << " " << i << "," << j;
        else
          EXPECT_TRUE(overlap) << i << "," << j;  // cascaded windows lie over each other
      }
    }
    if (layout.message == WM_MDICASCADE) {
      // A diagonal: ordered by left edge, the top edges rise in the same order.
      std::sort(placed.begin(), placed.end(),
                [](const RECT& p, const RECT& q) { return p.left < q.left; });
      for (std::size_t i = 1; i < placed.size(); ++i) {
        EXPECT_LT(placed[i - 1].left, placed[i].left);
        EXPECT_LT(placed[i - 1].top, placed[i].top);
      }
    } else {
      bool vertical = layout.how == MDITILE_VERTICAL;
      for (const RECT& r : placed)
        EXPECT_EQ(vertical ? placed[0].top : placed[0].left, vertical ? r.top : r.left)
            << (vertical ? "side by side" : "one above another");
    }
    RECT stay = rectIn(hidden.hwnd, frame.client.hwnd);
    EXPECT_EQ(7, stay.left);  // hidden children are left where they are
    EXPECT_EQ(9, stay.top);
  }
}

TEST(MDIForm, ClosingAChildHidesItAndPassesActivationOn) {
  MDIForm frame = makeFrame();
  FrameGuard guard{frame.hwnd};
  struct Close {
    const char* how;
    UINT message;
    WPARAM wParam;
  };
  const Close closes[] = {{"WM_CLOSE", WM_CLOSE, 0}, {"SC_CLOSE", WM_SYSCOMMAND, SC_CLOSE}};
  Form other = frame.addChild("Other", 0, 0, 200, 150, 0, 0);
  for (const Close& close : closes) {
    Form child = frame.addChild("Closing", 50, 50, 200, 150, 0, 0);
    ASSERT_EQ(child.hwnd, activeChild(frame)) << close.how;
    SendMessageA(child.hwnd, close.message, close.wParam, 0);
    pump(0);
    EXPECT_TRUE(IsWindow(child.hwnd)) << close.how;
    EXPECT_FALSE(child.visible) << close.how;
    EXPECT_EQ(other.hwnd, activeChild(frame)) << close.how;
    EXPECT_TRUE(frame.visible) << close.how;
    EXPECT_FALSE(quitPosted()) << close.how;  // the frame runs on

    child.show();
    EXPECT_TRUE(child.visible) << close.how;
    SendMessageA(frame.client.hwnd, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child.hwnd), 0);
    EXPECT_EQ(child.hwnd, activeChild(frame)) << close.how;
    SendMessageA(frame.client.hwnd, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child.hwnd), 0);
  }

  // WM_MDIDESTROY ends the child for good, and another takes over.
  Form doomed = frame.addChild("Doomed", 0, 0, 100, 100, 0, 0);
  SendMessageA(frame.client.hwnd, WM_MDIDESTROY, reinterpret_cast<WPARAM>(doomed.hwnd), 0);
  EXPECT_FALSE(IsWindow(doomed.hwnd));
  HWND now = activeChild(frame);
  EXPECT_TRUE(now != NULL && now != doomed.hwnd);

  // Closing the frame ends the program's loop.
  SendMessageA(frame.hwnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(quitPosted());
}

TEST(MDIForm, CopiesOutliveTheirSources) {
  Form child;
  MDIForm frame;
  {
    MDIForm source = makeFrame();
    frame = source;
    Form made = frame.addChild("Copied", 10, 10, 200, 150, 0, 0);
    child = made;
    Form extra = frame.addChild("Extra", 20, 20, 200, 150, 0, 0);
    extra.backColor = RGB(1, 2, 3);  // another object takes the slot, then goes
  }
  FrameGuard guard{frame.hwnd};
  ASSERT_TRUE(IsWindow(child.hwnd));
  SendMessageA(child.hwnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(child.visible);
  child.show();
  EXPECT_TRUE(child.visible);
  child.resize(240, 170);
  EXPECT_EQ(240, child.width);

  frame.resize(500, 330);
  RECT frameClient = clientRect(frame.hwnd);
  RECT area = clientRect(frame.client.hwnd);
  RECT outer = rectIn(frame.client.hwnd, frame.hwnd);
  EXPECT_EQ(frameClient.right, outer.right);
  EXPECT_EQ(frameClient.bottom, outer.bottom);
  EXPECT_GT(area.right, 0);
  EXPECT_TRUE(frame.setClientColor(RGB(0, 0, 255)));
}

TEST(MDIForm, ClientColourPaintsTheClientAndANewFrameResetsIt) {
  MDIForm frame = makeFrame();
  FrameGuard guard{frame.hwnd};
  const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 160, 0)};
  for (COLORREF colour : colours) {
    EXPECT_TRUE(frame.setClientColor(colour));
    EXPECT_TRUE(pumpUntil([&] { return pixelAt(frame.client.hwnd, 30, 30) == colour; }, 3000))
        << std::hex << colour << " read " << pixelAt(frame.client.hwnd, 30, 30);
  }
  MDIForm second = makeFrame();
  FrameGuard secondGuard{second.hwnd};
  second.hide();
  RedrawWindow(frame.client.hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE);
  EXPECT_TRUE(pumpUntil([&] { return pixelAt(frame.client.hwnd, 30, 30) == RGB(255, 255, 255); },
                        3000));
}

TEST(MDIForm, WindowlessFrameShowsTheChecks) {
  BoxAnswerer answer(IDIGNORE);
  MDIForm none;
  EXPECT_EQ(NULL, none.hwnd);
  EXPECT_EQ(NULL, none.client.hwnd);
  EXPECT_EQ(NULL, none.client.parentHwnd);
  Form child = none.addChild("Nowhere", 0, 0, 100, 100, 0, 0);
  EXPECT_EQ(NULL, child.hwnd);
  EXPECT_FALSE(none.setClientColor(RGB(1, 1, 1)));
  ASSERT_EQ(2u, answer.boxes().size());
  EXPECT_NE(std::string::npos, answer.boxes()[0].text.find("Expression: container.hwnd != NULL\r\n"));
  EXPECT_NE(std::string::npos, answer.boxes()[1].text.find("Expression: container.hwnd !=NULL\r\n"));
}
