// Layouts on windows: places that follow the window's size, hidden and ended
// controls, bars outside the layout, the minimum track size, fitting, a new
// DPI, bad input, and the pixels a window shows after growing in steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "support/control_host.h"
#include "support/dialog_answerer.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::ControlHost;
using testing_support::placeOf;

namespace {

bool samePlace(RECT a, RECT b) { return EqualRect(&a, &b) != FALSE; }

int px(const Control& c, int units) { return c.scaled(units); }

SIZE clientOf(HWND window) {
  RECT r = {0, 0, 0, 0};
  GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}

void resizeClient(HWND window, int width, int height) {
  RECT outer, client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  SetWindowPos(window, NULL, 0, 0, width + (outer.right - outer.left) - client.right,
               height + (outer.bottom - outer.top) - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A framed, sizeable form as programs make them.
FormOptions framed(int width, int height) {
  return FormOptions{.caption = "Layout", .x = 40, .y = 40, .width = width, .height = height};
}

class WindowLayout : public ControlHost {};

}  // namespace

// A column: a stretching box over a row of two buttons pushed to the right.
// Every place follows the form's size, margins and gaps in units.
TEST_F(WindowLayout, ControlsTakeTheirPlacesAndFollowTheWindowSize) {
  TextBox box(form, {.text = "notes", .multiLine = true});
  Button ok(form, {.text = "OK"});
  Button cancel(form, {.text = "Cancel"});
  form.setLayout(Layout::column().add(box, {.stretch = 1}).add(
      Layout::row().addStretch().add(ok).add(cancel)));
  int m = px(form, LayoutOptions::windowMargin), gap = px(form, LayoutOptions::defaultGap);
  for (SIZE size : {SIZE{600, 400}, SIZE{700, 450}, SIZE{320, 200}}) {
    SCOPED_TRACE(size.cx);
    resizeClient(form.hwnd, size.cx, size.cy);
    RECT b = placeOf(box.hwnd), o = placeOf(ok.hwnd), c = placeOf(cancel.hwnd);
    EXPECT_EQ(m, b.left);
    EXPECT_EQ(m, b.top);
    EXPECT_EQ(size.cx - m, b.right);
    EXPECT_EQ(size.cx - m, c.right);
    EXPECT_EQ(size.cy - m, c.bottom);
    EXPECT_EQ(o.right + gap, c.left);
    EXPECT_EQ(b.bottom + gap, o.top);
    EXPECT_EQ(px(ok, ok.naturalSize().width), o.right - o.left);
  }
}

// Hidden controls give up their room, whether hidden before the layout or
// after; a text that grows takes more room after relayout, not before.
TEST_F(WindowLayout, HiddenControlsTakeNoRoomAndRelayoutTakesNewTexts) {
  Label first(form, {.text = "Name:"});
  Button second(form, {.text = "Go"});
  Button third(form, {.text = "Stop", .visible = false});
  form.setLayout(Layout::row().add(first).add(second).add(third));
  int m = px(form, LayoutOptions::windowMargin);
  RECT shown = placeOf(second.hwnd);
  EXPECT_GT(shown.left, m);

  first.visible = false;
  EXPECT_EQ(m, placeOf(second.hwnd).left);
  first.visible = true;
  EXPECT_EQ(shown.left, placeOf(second.hwnd).left);
  third.visible = true;
  EXPECT_EQ(placeOf(second.hwnd).right + px(form, LayoutOptions::defaultGap),
            placeOf(third.hwnd).left);

  // A translated text: the layout keeps the old size until told.
  int before = placeOf(second.hwnd).right - placeOf(second.hwnd).left;
  second.text = "A much longer translated caption";
  EXPECT_EQ(before, placeOf(second.hwnd).right - placeOf(second.hwnd).left);
  form.relayout();
  RECT grown = placeOf(second.hwnd);
  EXPECT_EQ(px(second, second.naturalSize().width), grown.right - grown.left);
  EXPECT_GT(grown.right - grown.left, before);
  EXPECT_EQ(grown.right + px(form, LayoutOptions::defaultGap), placeOf(third.hwnd).left);
}

// A control destroyed while in the layout is skipped (the others close up at
// the next size change); one of another parent is left out and reported once;
// an empty layout removes the layout; a window-less object does nothing.
TEST_F(WindowLayout, BadInputIsSkippedReportedOrIgnored) {
  Button a(form, {.text = "A"});
  Button b(form, {.text = "B"});
  Form other(FormOptions{.caption = "Other", .width = 200, .height = 100});
  Button stranger(other, {.text = "Stranger", .x = 5, .y = 5});
  RECT strangerAt = placeOf(stranger.hwnd);
  {
    testing_support::BoxAnswerer answerer(IDIGNORE);
    form.setLayout(Layout::row().add(a).add(stranger).add(b));
    ASSERT_EQ(1u, answerer.boxes().size());
    EXPECT_EQ(runtimeCheckCaption, answerer.boxes()[0].caption);
    resizeClient(form.hwnd, 500, 300);
    EXPECT_EQ(0u, answerer.boxes().size() - 1);  // reported at setLayout only
  }
  EXPECT_TRUE(samePlace(strangerAt, placeOf(stranger.hwnd)));
  int m = px(form, LayoutOptions::windowMargin);
  a.destroy();
  resizeClient(form.hwnd, 520, 300);
  EXPECT_EQ(m, placeOf(b.hwnd).left);

  form.setLayout(Layout());  // removed: the controls stay where they are
  RECT kept = placeOf(b.hwnd);
  resizeClient(form.hwnd, 400, 250);
  EXPECT_TRUE(samePlace(kept, placeOf(b.hwnd)));

  Control none;
  none.setLayout(Layout::row().add(b));
  none.relayout();
  none.fitToLayout();
  other.destroy();
}

// A handler may set its window's layout: the new one replaces the old at once.
TEST_F(WindowLayout, AHandlerMaySetTheLayout) {
  Button a(form, {.text = "A"});
  Button b(form, {.text = "B"});
  form.setLayout(Layout::row().add(a).add(b));
  a.onClick([&] { form.setLayout(Layout::row().add(b).add(a)); });
  SendMessageA(a.hwnd, BM_CLICK, 0, 0);
  EXPECT_LT(placeOf(b.hwnd).left, placeOf(a.hwnd).left);
  EXPECT_EQ(px(form, LayoutOptions::windowMargin), placeOf(b.hwnd).left);
}

// Bars stand outside the layout, made before or after it: the layout gets the
// client area under the toolbar and over the status bar.
TEST_F(WindowLayout, BarsStandOutsideTheLayoutInEitherOrder) {
  for (bool barsFirst : {true, false}) {
    SCOPED_TRACE(barsFirst);
    Form f(framed(400, 300));
    TextBox box(f, {.text = "body", .multiLine = true});
    std::optional<StatusBar> status;
    std::optional<Toolbar> tools;
    auto makeBars = [&] {
      status.emplace(f, StatusBarOptions{.text = "Ready"});
      tools.emplace(f, ToolbarOptions{});
      tools->addButton("Open", STD_FILEOPEN, 101);
    };
    if (barsFirst) makeBars();
    f.setLayout(Layout::column().add(box, {.stretch = 1}));
    if (!barsFirst) makeBars();
    int m = px(f, LayoutOptions::windowMargin);
    for (SIZE size : {SIZE{0, 0}, SIZE{500, 360}}) {
      if (size.cx != 0) resizeClient(f.hwnd, size.cx, size.cy);
      RECT b = placeOf(box.hwnd), s = placeOf(status->hwnd), t = placeOf(tools->hwnd);
      EXPECT_GT(t.bottom, 0);
      EXPECT_EQ(t.bottom + m, b.top);
      EXPECT_EQ(s.top - m, b.bottom);
      EXPECT_EQ(clientOf(f.hwnd).cx - m, b.right);
    }
    tools->visible = false;
    EXPECT_EQ(m, placeOf(box.hwnd).top);
    f.destroy();
  }
}

// The layout's minimum, with the frame and bars around it, is the form's
// minimum track size: the system keeps the form from getting smaller.
TEST(WindowLayoutForms, TheLayoutsMinimumIsTheMinimumTrackSize) {
  Form f(framed(400, 300));
  Button wide(f, {.text = "A rather wide button to keep the form wide"});
  Button tall(f, {.text = "Tall", .height = 180});
  StatusBar status(f, {.text = "Ready"});
  f.setLayout(Layout::column().add(wide).add(tall));
  RECT outer, client, bar;
  GetWindowRect(f.hwnd, &outer);
  GetClientRect(f.hwnd, &client);
  GetWindowRect(status.hwnd, &bar);
  int m = px(f, LayoutOptions::windowMargin), gap = px(f, LayoutOptions::defaultGap);
  int minWidth = px(wide, wide.naturalSize().width) + 2 * m +
                 (outer.right - outer.left) - client.right;
  int minHeight = px(wide, wide.naturalSize().height) + px(tall, 180) + gap + 2 * m +
                  (bar.bottom - bar.top) + (outer.bottom - outer.top) - client.bottom;
  MINMAXINFO info = {};
  SendMessageA(f.hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(minWidth, info.ptMinTrackSize.x);
  EXPECT_EQ(minHeight, info.ptMinTrackSize.y);

  SetWindowPos(f.hwnd, NULL, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  GetWindowRect(f.hwnd, &outer);
  EXPECT_EQ(minWidth, outer.right - outer.left);
  EXPECT_EQ(minHeight, outer.bottom - outer.top);
  f.destroy();
}

// fitToLayout, and a form made with size 0, size the client area to the
// layout's natural size; a given width stays.
TEST(WindowLayoutForms, FittingGivesTheLayoutItsNaturalSize) {
  for (int given : {0, 300}) {
    SCOPED_TRACE(given);
    Form f(FormOptions{.caption = "Fit", .width = given, .height = 0});
    Button ok(f, {.text = "OK"});
    Button cancel(f, {.text = "Cancel"});
    f.setLayout(Layout::row().add(ok).add(cancel));
    int m = px(f, LayoutOptions::windowMargin);
    RECT c = placeOf(cancel.hwnd);
    EXPECT_EQ(c.bottom + m, clientOf(f.hwnd).cy);
    if (given == 0)
      EXPECT_EQ(c.right + m, clientOf(f.hwnd).cx);
    else
      EXPECT_GT(clientOf(f.hwnd).cx, c.right + m);
    resizeClient(f.hwnd, 600, 400);
    f.fitToLayout();
    EXPECT_EQ(c.right + m, clientOf(f.hwnd).cx);
    EXPECT_EQ(c.bottom + m, clientOf(f.hwnd).cy);
    f.destroy();
  }
}

// A group box lays its own controls out under its caption, and follows its
// own size as the form's layout gives it one.
TEST_F(WindowLayout, AGroupBoxLaysOutItsControlsUnderItsCaption) {
  GroupBox group(form, {.text = "Contact"});
  Button inside(group, {.text = "Inside"});
  group.setLayout(Layout::column().add(inside, {.stretch = 1}));
  form.setLayout(Layout::column().add(group, {.stretch = 1}));
  RECT g = placeOf(group.hwnd), i = placeOf(inside.hwnd);
  int m = px(form, LayoutOptions::windowMargin);
  EXPECT_EQ(m, i.left);
  EXPECT_GT(i.top, m);
  EXPECT_EQ(g.right - g.left - m, i.right);
  EXPECT_EQ(g.bottom - g.top - m, i.bottom);
}

// A form told a new DPI lays out again at it: places scale, natural sizes in
// units stay.
TEST(WindowLayoutForms, ANewDpiScalesThePlacesAndKeepsTheUnits) {
  Form f(framed(400, 300));
  Button ok(f, {.text = "OK"});
  TextBox box(f, {.text = "text"});
  f.setLayout(Layout::row().add(box, {.stretch = 1}).add(ok));
  Size units = ok.naturalSize();
  int from = f.dpi;
  for (int to : {144, 192, from}) {
    SCOPED_TRACE(to);
    RECT outer;
    GetWindowRect(f.hwnd, &outer);
    RECT suggested = {outer.left, outer.top, outer.left + MulDiv(outer.right - outer.left, to, 96),
                      outer.top + MulDiv(outer.bottom - outer.top, to, 96)};
    SendMessageA(f.hwnd, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    ASSERT_EQ(to, f.dpi);
    RECT o = placeOf(ok.hwnd);
    EXPECT_EQ(MulDiv(LayoutOptions::windowMargin, to, 96), placeOf(box.hwnd).left);
    EXPECT_EQ(clientOf(f.hwnd).cx - MulDiv(LayoutOptions::windowMargin, to, 96), o.right);
    EXPECT_NEAR(units.width, ok.naturalSize().width, 1);
    EXPECT_NEAR(MulDiv(ok.naturalSize().width, to, 96), o.right - o.left, 1);
  }
  f.destroy();
}

// ---------------------------------------------------------------------------
// The repaint rule: a form grown in steps shows what one made at that size shows.

namespace {

// The client area's pixels, as the window shows them once every paint is done.
std::vector<DWORD> clientPixels(HWND window) {
  testing_support::settle();
  RedrawWindow(window, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
  SIZE size = clientOf(window);
  HDC dc = GetDC(window);
  HDC memory = CreateCompatibleDC(dc);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
  GdiFlush();
  std::vector<DWORD> pixels(static_cast<const DWORD*>(bits),
                            static_cast<const DWORD*>(bits) + size.cx * size.cy);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, dc);
  return pixels;
}

// An address book's window: a table, labels and boxes, buttons and a status
// bar, laid out by a layout or by anchors.
struct AddressBook {
  Form form;
  TableView table;
  Label nameLabel, mailLabel;
  TextBox name, mail;
  Button add, remove;
  StatusBar status;

  AddressBook(SIZE client, bool anchors)
      : form(framed(300, 200)),
        table(form, {.x = 11, .y = 11, .width = 278, .height = 80}),
        nameLabel(form, {.text = "Name:", .x = 11, .y = 100}),
        mailLabel(form, {.text = "E-mail:", .x = 11, .y = 126}),
        name(form, {.text = "Ann", .x = 60, .y = 98, .width = 229}),
        mail(form, {.text = "ann@example.org", .x = 60, .y = 124, .width = 229}),
        add(form, {.text = "Add", .x = 133, .y = 152}),
        remove(form, {.text = "Remove", .x = 214, .y = 152}),
        status(form, {.text = "Ready"}) {
    table.addColumn("Name");
    table.addColumn("E-mail");
    if (anchors) {
      table.anchor = anchorLeft | anchorTop | anchorRight | anchorBottom;
      for (Control* c : std::vector<Control*>{&nameLabel, &mailLabel})
        c->anchor = anchorLeft | anchorBottom;
      for (Control* c : std::vector<Control*>{&name, &mail})
        c->anchor = anchorLeft | anchorRight | anchorBottom;
      for (Control* c : std::vector<Control*>{&add, &remove})
        c->anchor = anchorRight | anchorBottom;
    } else {
      form.setLayout(Layout::column()
                         .add(table, {.stretch = 1})
                         .add(Layout::grid(2).add(nameLabel).add(name, {.stretch = 1}).add(mailLabel).add(mail))
                         .add(Layout::row().addStretch().add(add).add(remove)));
    }
    resizeClient(form.hwnd, client.cx, client.cy);
  }
  ~AddressBook() { form.destroy(); }
};

}  // namespace

TEST(RepaintRule, AFormGrownInStepsShowsWhatOneMadeAtThatSizeShows) {
  const SIZE steps[] = {{340, 260}, {420, 300}, {380, 280}, {520, 360}};
  const SIZE last = steps[std::size(steps) - 1];
  for (bool anchors : {false, true}) {
    SCOPED_TRACE(anchors ? "anchors" : "layout");
    std::vector<DWORD> grown, made;
    {
      AddressBook book(SIZE{300, 220}, anchors);
      clientPixels(book.form.hwnd);
      for (SIZE s : steps) {
        resizeClient(book.form.hwnd, s.cx, s.cy);
        testing_support::settle();
      }
      grown = clientPixels(book.form.hwnd);
    }
    {
      AddressBook book(last, anchors);
      made = clientPixels(book.form.hwnd);
    }
    ASSERT_EQ(made.size(), grown.size());
    // The capture holds the window's drawing: text, frames and background.
    std::vector<DWORD> colours(made);
    std::sort(colours.begin(), colours.end());
    EXPECT_GT(std::unique(colours.begin(), colours.end()) - colours.begin(), 3);
    std::size_t differ = 0;
    for (std::size_t i = 0; i < made.size(); ++i) differ += made[i] != grown[i];
    EXPECT_EQ(0u, differ);
  }
}
