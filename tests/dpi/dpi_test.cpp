// Layout at the screen's DPI: this suite runs in prefixes at 96, 144 and 192
// DPI (ctest's dpi, dpi144 and dpi192) and checks that what a program lays out
// in 96-DPI units is scaled to device pixels, reads back as written, keeps its
// text whole, and follows a WM_DPICHANGED.
#include <gtest/gtest.h>

#include <string>

#include <tarn/tarn.h>

#include "support/control_host.h"

using testing_support::ControlHost;
using testing_support::placeOf;

namespace {

int screenDpi() {
  HDC screen = GetDC(NULL);
  int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(NULL, screen);
  return dpi;
}

int pixels(int units, int dpi) { return MulDiv(units, dpi, 96); }

// The text's width and height in the window's own font.
SIZE textExtent(HWND window, const std::string& text) {
  HDC dc = GetDC(window);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font != NULL ? font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size = {0, 0};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size;
}

int fontHeight(HWND window) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  LOGFONTA face = {};
  GetObjectA(font != NULL ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
  return face.lfHeight;
}

const char* const sample = "Second choice";

// One control of each family, made at (13, 21) 110 x 23 units with a text that
// fits it at 96 DPI.
struct Family {
  const char* name;
  tarn::Control control;
  int textRoom;             // units of the client width the control keeps for itself; -1: no text
  bool wholeLines = false;  // the system rounds the height to whole lines of text
};

class DpiLayout : public ControlHost {
 protected:
  int dpi = screenDpi();
};

// Every family: the window's pixels are the units times DPI / 96 (within one
// pixel), the properties read back what was written, and a text that fits at
// 96 DPI fits at this one.
TEST_F(DpiLayout, FamiliesScaleReadBackAndKeepTheirTextWhole) {
  EXPECT_EQ(form.dpi.get(), dpi);
  using namespace tarn;
  Family families[] = {
      {"button",
       Button(sample, 0, 13, 21, 110, 23, form, true, true, false, false, 0, false, Icon()), 8},
      {"check box", CheckBox(sample, 0, 13, 21, 110, 23, form, false, true, true, false, 0), 20},
      {"radio button", RadioButton(sample, 0, 13, 21, 110, 23, form, true, true, false, 0), 20},
      {"label", Label(sample, 0, 13, 21, 110, 23, form, true, true, false, 0), 0},
      {"text box", TextBox(sample, 0, 13, 21, 110, 23, form, true, true, false, false, 0), 6},
      {"list box", ListBox("", 0, 13, 21, 110, 23, form, true, true, false, true, 0), -1, true},
      {"list view", ListView("", 0, 13, 21, 110, 23, form), -1},
      {"tree view", TreeView("", 0, 13, 21, 110, 23, form), -1},
  };
  for (Family& family : families) {
    SCOPED_TRACE(family.name);
    Control& c = family.control;
    ASSERT_NE(c.hwnd, HWND(NULL));
    EXPECT_EQ(c.dpi.get(), dpi);
    RECT r = placeOf(c.hwnd);
    EXPECT_NEAR(r.left, pixels(13, dpi), 1);
    EXPECT_NEAR(r.top, pixels(21, dpi), 1);
    EXPECT_NEAR(r.right - r.left, pixels(110, dpi), 1);
    if (!family.wholeLines) {
      EXPECT_NEAR(r.bottom - r.top, pixels(23, dpi), 1);
    }
    EXPECT_NEAR(c.x.get(), 13, 1);
    EXPECT_NEAR(c.y.get(), 21, 1);
    EXPECT_NEAR(c.width.get(), 110, 1);
    if (!family.wholeLines) {
      EXPECT_NEAR(c.height.get(), 23, 1);
    }

    c.moveTo(31, 47);
    c.resize(97, 61);
    c.width = 101;
    EXPECT_NEAR(c.x.get(), 31, 1);
    EXPECT_NEAR(c.y.get(), 47, 1);
    EXPECT_NEAR(c.width.get(), 101, 1);
    if (!family.wholeLines) {
      EXPECT_NEAR(c.height.get(), 61, 1);
    }
    RECT client = {0, 0, 0, 0};
    GetClientRect(c.hwnd, &client);
    EXPECT_NEAR(c.clientWidth.get(), MulDiv(client.right, 96, dpi), 1);
    EXPECT_EQ(c.scaled(100), pixels(100, dpi));

    c.resize(2, 2);  // the smallest size is 10 units
    EXPECT_NEAR(c.width.get(), 10, 1);
    EXPECT_NEAR(placeOf(c.hwnd).right - placeOf(c.hwnd).left, pixels(10, dpi), 1);

    if (family.textRoom >= 0) {
      c.resize(110, 23);
      SIZE text = textExtent(c.hwnd, sample);
      GetClientRect(c.hwnd, &client);
      EXPECT_LE(text.cx + c.scaled(family.textRoom), client.right) << "at " << dpi << " DPI";
      EXPECT_LE(text.cy, client.bottom);
    }
    c.destroy();
  }
}

// The text a window shows, measured as the system draws it (mnemonics and line
// ends as the control takes them).
SIZE drawnExtent(HWND window, const std::string& text, UINT format) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
  RECT box = {0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), -1, &box, DT_CALCRECT | format);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return SIZE{box.right, box.bottom};
}

// Controls made with sizes of 0 take their natural size: their client area
// holds their text whole, with room for what the control draws beside it, at
// this DPI; naturalSize answers what was given, and a longer text (a
// translation) a wider size.
TEST_F(DpiLayout, NaturalSizesHoldTheirTextWhole) {
  using namespace tarn;
  struct Case {
    const char* name;
    Control control;
    std::string text;
    int room;  // units beside the text: a check box's box and gap, a field's edges
    UINT format;
  };
  Case cases[] = {
      {"button", Button(form, {.text = "Save &as...", .x = 5, .y = 5}), "Save &as...", 8, 0},
      {"check box", CheckBox(form, {.text = "Show tips at start", .x = 5, .y = 40}),
       "Show tips at start", 19, 0},
      {"radio button", RadioButton(form, {.text = "Second choice", .x = 5, .y = 70}),
       "Second choice", 19, 0},
      {"label", Label(form, {.text = "Two lines\nof text", .x = 5, .y = 100}), "Two lines\nof text",
       0, 0},
      {"text box", TextBox(form, {.text = "A typed name", .x = 5, .y = 150}), "A typed name", 0,
       DT_NOPREFIX},
      {"group box", GroupBox(form, {.text = "Options of the search", .x = 200, .y = 5}),
       "Options of the search", 8, 0},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(dpi) + " DPI");
    ASSERT_NE(c.control.hwnd, HWND(NULL));
    RECT client = {0, 0, 0, 0};
    GetClientRect(c.control.hwnd, &client);
    SIZE text = drawnExtent(c.control.hwnd, c.text, c.format);
    EXPECT_LE(text.cx + c.control.scaled(c.room), client.right);
    EXPECT_LE(text.cy, client.bottom);
    tarn::Size natural = c.control.naturalSize();
    EXPECT_NEAR(natural.width, c.control.width.get(), 1);
    EXPECT_NEAR(natural.height, c.control.height.get(), 1);
    c.control.text = c.text + " and a good deal more";
    EXPECT_GT(c.control.naturalSize().width, natural.width);
    c.control.destroy();
  }
  // The others take a size that shows something: never the 10-unit minimum.
  ListBox list(form, {});
  ComboBox combo(form, {});
  TableView table(form, {});
  Track track(form, {});
  for (Control* c : std::initializer_list<Control*>{&list, &combo, &table, &track}) {
    EXPECT_GT(c->width.get(), 40);
    EXPECT_GT(c->height.get(), 15);
    c->destroy();
  }
}

// A form is made, placed and centred in units; fitting fills its client area.
TEST_F(DpiLayout, FormsAndFittingWorkInUnits) {
  tarn::Form f("dpi", 40, 30, 320, 240, 0, true, true, false, false, false, tarn::Control(), false,
               0);
  RECT r;
  GetWindowRect(f.hwnd, &r);
  EXPECT_NEAR(r.right - r.left, pixels(320, dpi), 1);
  EXPECT_NEAR(r.bottom - r.top, pixels(240, dpi), 1);
  EXPECT_NEAR(f.width.get(), 320, 1);
  tarn::Label label("x", 0, 0, 0, 50, 20, f, true, true, false, 0);
  label.fitToParent();
  GetClientRect(f.hwnd, &r);
  EXPECT_EQ(placeOf(label.hwnd).right, r.right);
  EXPECT_EQ(placeOf(label.hwnd).bottom, r.bottom);
  EXPECT_NEAR(label.width.get(), f.clientWidth.get(), 1);
  label.resize(100, 40);
  label.centre();
  EXPECT_NEAR(placeOf(label.hwnd).left, (r.right - pixels(100, dpi)) / 2, 1);
  f.destroy();
}

// A bitmap box shows its picture stretched over the same 96-DPI area, and
// answers the program's own bitmap when it is replaced.
TEST_F(DpiLayout, BitmapBoxPicturesCoverTheSameArea) {
  HDC screen = GetDC(NULL);
  HBITMAP picture = CreateCompatibleBitmap(screen, 40, 30);
  ReleaseDC(NULL, screen);
  tarn::BmpBox box("", 0, 0, 0, 60, 50, form, tarn::Bitmap(picture), true, true, false, 0);
  BITMAP shown = {};
  GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(box.hwnd, STM_GETIMAGE, IMAGE_BITMAP, 0)),
             sizeof shown, &shown);
  EXPECT_EQ(shown.bmWidth, pixels(40, dpi));
  EXPECT_EQ(shown.bmHeight, pixels(30, dpi));
  EXPECT_EQ(box.setBitmap(tarn::Bitmap()), HANDLE(picture));
  box.destroy();
  DeleteObject(picture);
}

// What the program's own procedure saw.
UINT seenMessage = 0;
WPARAM seenDpi = 0;
INT_PTR CALLBACK recordingProcedure(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_DPICHANGED) {
    seenMessage = message;
    seenDpi = wParam;
  }
  return 0;
}

// WM_DPICHANGED (sent by the test: Wine has one screen) moves the form to the
// suggested rectangle and rescales its controls and their default fonts, while
// a font the program set stays; the program's procedure sees the message.
TEST_F(DpiLayout, DpiChangeRescalesTheFormItsControlsAndTheirFonts) {
  tarn::Form f("dpi", 10, 10, 200, 150, 0, true, true, false, false, false, tarn::Control(), false,
               0);
  f.setDialogProcedure(recordingProcedure);
  tarn::Button button("Second choice", 0, 20, 30, 110, 23, f, true, true, false, false, 0, false,
                      tarn::Icon());
  tarn::Label own("own font", 0, 20, 70, 110, 23, f, true, true, false, 0);
  HFONT ownFont = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  own.setFont(ownFont);
  int before = fontHeight(button.hwnd);

  for (int to : {dpi * 2, dpi + 48, dpi}) {
    SCOPED_TRACE(to);
    RECT r;
    GetWindowRect(f.hwnd, &r);
    RECT suggested = {r.left, r.top, r.left + pixels(200, to), r.top + pixels(150, to)};
    seenMessage = 0;
    SendMessageA(f.hwnd, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(seenMessage, UINT(WM_DPICHANGED));
    EXPECT_EQ(LOWORD(seenDpi), to);
    EXPECT_EQ(f.dpi.get(), to);
    EXPECT_EQ(button.dpi.get(), to);
    GetWindowRect(f.hwnd, &r);
    EXPECT_EQ(r.right - r.left, suggested.right - suggested.left);
    RECT b = placeOf(button.hwnd);
    EXPECT_NEAR(b.left, pixels(20, to), 1);
    EXPECT_NEAR(b.right - b.left, pixels(110, to), 1);
    EXPECT_NEAR(b.bottom - b.top, pixels(23, to), 1);
    EXPECT_NEAR(button.width.get(), 110, 1);
    EXPECT_NEAR(button.y.get(), 30, 1);
    EXPECT_NEAR(fontHeight(button.hwnd), MulDiv(before, to, dpi), 1);
    EXPECT_LE(textExtent(button.hwnd, "Second choice").cx, b.right - b.left);
    EXPECT_EQ(own.font(), ownFont);
    // Controls made after the change are laid out for the new DPI.
    tarn::Label late("late", 0, 5, 5, 40, 20, f, true, true, false, 0);
    EXPECT_NEAR(placeOf(late.hwnd).right - placeOf(late.hwnd).left, pixels(40, to), 1);
    EXPECT_EQ(fontHeight(late.hwnd), fontHeight(button.hwnd));
    late.destroy();
  }
  EXPECT_EQ(button.font(), HFONT(GetStockObject(DEFAULT_GUI_FONT)));  // back at the screen's
  f.destroy();
  DeleteObject(ownFont);
}

// A DPI announced to a form is its own and its children's: a pop-up form it
// owns (its "parent" as GetParent answers) keeps the DPI of its own screen,
// and what the pop-up contains follows the pop-up.
TEST_F(DpiLayout, AnOwnersDpiIsNotItsPopupsDpi) {
  tarn::Form owner("owner", 10, 10, 200, 150, 0, true, true, false, false, false, tarn::Control(),
                   false, 0);
  tarn::Form popup("popup", 20, 20, 150, 100, 1, true, true, false, false, false, owner, false, 0);
  ASSERT_EQ(owner.hwnd, GetParent(popup.hwnd));  // an owned pop-up: GetParent is its owner
  RECT r;
  GetWindowRect(owner.hwnd, &r);
  int to = dpi * 2;
  RECT suggested = {r.left, r.top, r.left + pixels(200, to), r.top + pixels(150, to)};
  SendMessageA(owner.hwnd, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(owner.dpi.get(), to);
  EXPECT_EQ(popup.dpi.get(), dpi);
  tarn::Label inside("inside", 0, 5, 5, 60, 20, popup, true, true, false, 0);
  EXPECT_EQ(inside.dpi.get(), dpi);
  EXPECT_NEAR(placeOf(inside.hwnd).right - placeOf(inside.hwnd).left, pixels(60, dpi), 1);
  popup.destroy();
  owner.destroy();
}

}  // namespace

// A layout at the screen's DPI: margins, gaps and natural sizes are units
// turned into this DPI's pixels, and the natural sizes read back in units the
// same at every DPI (within the rounding of a text's width).
TEST_F(DpiLayout, LayoutsPlaceInUnitsScaledToTheDpi) {
  tarn::Button ok(form, {.text = "OK"});
  tarn::Button cancel(form, {.text = "Cancel"});
  form.setLayout(tarn::Layout::column().add(tarn::Layout::row().add(ok).add(cancel)));
  RECT o = placeOf(ok.hwnd), c = placeOf(cancel.hwnd);
  EXPECT_EQ(pixels(tarn::LayoutOptions::windowMargin, dpi), o.left);
  EXPECT_EQ(pixels(tarn::LayoutOptions::windowMargin, dpi), o.top);
  EXPECT_EQ(o.right + pixels(tarn::LayoutOptions::defaultGap, dpi), c.left);
  EXPECT_EQ(pixels(ok.naturalSize().width, dpi), o.right - o.left);
  EXPECT_EQ(pixels(ok.naturalSize().height, dpi), o.bottom - o.top);
  EXPECT_EQ(75, ok.naturalSize().width);  // the system's least button width, in units
  form.setLayout(tarn::Layout());
}
