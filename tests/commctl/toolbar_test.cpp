// Toolbar and cool bar: styles and their properties, buttons with and without
// text, a click's command at the form, image lists, and bands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/creation_styles.h"
#include "support/dialog_answerer.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::pumpUntil;

namespace {

Form makeForm(bool visible = false) {
  return Form("Bars", 60, 60, 400, 300, 0, true, visible, false, false, false, Control(), false,
              0);
}

std::string buttonText(HWND toolbar, int command) {
  char text[64] = {};
  LRESULT length = SendMessageA(toolbar, TB_GETBUTTONTEXTA, static_cast<WPARAM>(command),
                                reinterpret_cast<LPARAM>(text));
  return length < 0 ? "(none)" : std::string(text);
}

TBBUTTON buttonAt(HWND toolbar, int index) {
  TBBUTTON button = {};
  SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&button));
  return button;
}

std::vector<WPARAM> commandsSeen;

INT_PTR CALLBACK recordingProcedure(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND) commandsSeen.push_back(wParam);
  return 0;
}

// A plain child window to put into a band.
Control childWindow(const Form& parent, int width, int height) {
  return Control(CreateWindowExA(0, "STATIC", "band", WS_CHILD | WS_VISIBLE, 0, 0, width, height,
                                 parent.hwnd, NULL, NULL, NULL));
}

}  // namespace

TEST(Toolbar, CreationStylesAndStyleProperties) {
  Form form = makeForm();
  struct Row {
    bool enabled, visible, flat, divider;
    DWORD style;  // asked for at creation; shown later
  } rows[] = {
      {true, false, false, true, 0x40010630},
      {true, false, false, false, 0x40010670},
      {false, true, true, true, 0x40010E30},
      {true, true, true, false, 0x40010E70},
  };
  for (const Row& row : rows) {
    testing_support::CreationStyles created(TOOLBARCLASSNAMEA);
    Toolbar bar(200, form, 10, 10, row.enabled, row.visible, row.flat, row.divider);
    ASSERT_TRUE(bar.isCreated());
    ASSERT_EQ(1u, created.styles.size());
    EXPECT_EQ(row.style, created.styles[0]) << std::hex << row.style;
    // The control adds bits of its own (CCS_TOP): compare the ones asked for.
    EXPECT_EQ(row.style, static_cast<DWORD>(bar.currentStyle()) & row.style);
    EXPECT_EQ(row.visible, (bar.currentStyle() & WS_VISIBLE) != 0) << std::hex << row.style;
    EXPECT_EQ(row.enabled, IsWindowEnabled(bar.hwnd) != FALSE) << std::hex << row.style;
    EXPECT_EQ(row.flat, bool(bar.flat));
    EXPECT_EQ(row.divider, bool(bar.divider));
    EXPECT_TRUE(bool(bar.wrapable));
    EXPECT_EQ(form.hwnd, GetParent(bar.hwnd));
    EXPECT_EQ(200, GetDlgCtrlID(bar.hwnd));

    // Each property turns its own bit and reads back through the style, also
    // through a copy of the object.
    Toolbar copy = bar;
    struct Bit {
      Property<Toolbar, bool>& property;
      DWORD bit;
      bool setMeans;  // the bit is set when the property is true
    } bits[] = {{copy.flat, TBSTYLE_FLAT, true},
                {copy.divider, CCS_NODIVIDER, false},
                {copy.wrapable, TBSTYLE_WRAPABLE, true}};
    for (Bit& b : bits)
      for (bool value : {true, false, true}) {
        b.property = value;
        EXPECT_EQ(value, bool(b.property));
        EXPECT_EQ(value == b.setMeans, (bar.currentStyle() & b.bit) != 0) << std::hex << b.bit;
      }
    bar.destroy();
  }
  form.destroy();
}

TEST(Toolbar, ButtonsWithAndWithoutTextAndTheirImages) {
  Form form = makeForm();
  Toolbar bar(201, form, 0, 0);
  struct Row {
    bool showText;
    const char* text;
    int image, command;
    const char* shown;
  } rows[] = {
      {true, "Open", 0, 101, "Open"},     {false, "Hidden", 1, 102, "(none)"},
      {true, "Save", 2, 103, "Save"},     {true, "", 3, 104, "(none)"},
      {false, "", 4, 105, "(none)"},      {true, "Print", 5, 106, "Print"},
  };
  for (const Row& row : rows) {
    bar.setShowText(row.showText);
    ToolbarButton made = bar.addButton(row.text, row.image, row.command);
    EXPECT_EQ(bar.hwnd, made.control);
    EXPECT_EQ(row.command, made.id);
  }
  ASSERT_TRUE(bar.addSeparator());
  ASSERT_EQ(7, SendMessageA(bar.hwnd, TB_BUTTONCOUNT, 0, 0));

  // Texts are numbered in the order added: a caption added with one zero
  // would have added the bytes after it as texts of their own.
  INT_PTR nextString = 0;
  for (int i = 0; i < 6; ++i) {
    const Row& row = rows[i];
    EXPECT_EQ(row.shown, buttonText(bar.hwnd, row.command)) << row.command;
    TBBUTTON button = buttonAt(bar.hwnd, i);
    EXPECT_EQ(row.image, button.iBitmap);
    EXPECT_EQ(std::string(row.shown) == "(none)" ? -1 : nextString++, button.iString)
        << row.command;
  }
  EXPECT_EQ(TBSTYLE_SEP, buttonAt(bar.hwnd, 6).fsStyle);

  ImageList first(0), second(1);
  first.addIcon(Icon(IDI_APPLICATION));
  second.addIcon(Icon(IDI_WARNING));
  EXPECT_EQ(nullptr, bar.setImageList(first));
  EXPECT_EQ(first.list, bar.setImageList(second));
  EXPECT_EQ(second.list,
            reinterpret_cast<HIMAGELIST>(SendMessageA(bar.hwnd, TB_GETIMAGELIST, 0, 0)));
  form.destroy();
}

TEST(Toolbar, AClickSendsTheButtonCommandToTheForm) {
  Form form = makeForm(true);
  form.procedure = recordingProcedure;
  Toolbar bar(202, form, 0, 0);
  bar.setShowText(true);
  bar.addButton("One", 0, 301);
  bar.addSeparator();
  bar.addButton("Two", 1, 302);
  for (int index : {2, 0}) {
    RECT r = {};
    ASSERT_TRUE(SendMessageA(bar.hwnd, TB_GETITEMRECT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&r)));
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    commandsSeen.clear();
    PostMessageA(bar.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(bar.hwnd, WM_LBUTTONUP, 0, at);
    ASSERT_TRUE(pumpUntil([] { return !commandsSeen.empty(); }, 5000)) << index;
    EXPECT_EQ(index == 2 ? 302u : 301u, LOWORD(commandsSeen[0]));
  }
  form.destroy();
}

// ---------------------------------------------------------------------------

TEST(CoolBar, CreationStyles) {
  Form form = makeForm(true);
  struct Row {
    bool enabled, visible, divider, vertical;
    DWORD style;  // visibility comes from the style alone
  } rows[] = {
      {true, true, true, false, 0x56810300},
      {true, false, true, false, 0x46810300},
      {false, true, false, false, 0x56810340},
      {true, false, true, true, 0x46814380},
  };
  for (const Row& row : rows) {
    testing_support::CreationStyles created(REBARCLASSNAMEA);
    CoolBar bar(210, form, 50, 50, row.enabled, row.visible, row.divider, row.vertical);
    ASSERT_TRUE(bar.isCreated());
    ASSERT_EQ(1u, created.styles.size());
    EXPECT_EQ(row.style, created.styles[0]) << std::hex << row.style;
    // Wine's rebar shows itself when created: compare the other bits asked for.
    const DWORD asked = row.style & ~WS_VISIBLE;
    EXPECT_EQ(asked, static_cast<DWORD>(bar.currentStyle()) & asked) << std::hex << row.style;
    EXPECT_EQ(row.enabled, IsWindowEnabled(bar.hwnd) != FALSE) << std::hex << row.style;
    EXPECT_EQ(210, GetDlgCtrlID(bar.hwnd));
    bar.destroy();
  }
  form.destroy();
}

TEST(CoolBar, BandsHoldTheirChildTextAndRow) {
  Form form = makeForm(true);
  CoolBar bar(211, form);
  struct Row {
    const char* text;
    bool newLine;
    COLORREF fore;
    int width, height;
  } rows[] = {{"First", true, 0x0000FF, 120, 22}, {"Second", false, 0x00FF00, 80, 30},
              {"Third", true, 0xFF0000, 60, 18}};
  std::vector<Control> children;
  for (const Row& row : rows) {
    children.push_back(childWindow(form, row.width, row.height));
    EXPECT_NE(0, bar.addBand(row.text, children.back(), row.newLine, row.fore)) << row.text;
    if (children.size() == 1) {  // the first band starts the first row, break or not
      EXPECT_EQ(1, SendMessageA(bar.hwnd, RB_GETROWCOUNT, 0, 0));
    }
  }
  ASSERT_EQ(3, SendMessageA(bar.hwnd, RB_GETBANDCOUNT, 0, 0));
  for (int i = 0; i < 3; ++i) {
    const Row& row = rows[i];
    char text[32] = {};
    REBARBANDINFOA band = {};
    band.cbSize = REBARBANDINFOA_V6_SIZE;
    band.fMask = RBBIM_TEXT | RBBIM_STYLE | RBBIM_CHILD | RBBIM_COLORS | RBBIM_CHILDSIZE;
    band.lpText = text;
    band.cch = sizeof text;
    ASSERT_TRUE(SendMessageA(bar.hwnd, RB_GETBANDINFOA, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(&band)));
    EXPECT_STREQ(row.text, text);
    EXPECT_EQ(UINT(RBBS_CHILDEDGE | RBBS_FIXEDBMP | RBBS_GRIPPERALWAYS) |
                  (row.newLine ? UINT(RBBS_BREAK) : 0u),
              band.fStyle)
        << row.text;
    EXPECT_EQ(children[i].hwnd, band.hwndChild);
    EXPECT_EQ(bar.hwnd, GetParent(children[i].hwnd));
    EXPECT_EQ(row.fore, band.clrFore);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), band.clrBack);
    EXPECT_EQ(UINT(row.height), band.cyMinChild) << row.text;
  }
  EXPECT_EQ(2, SendMessageA(bar.hwnd, RB_GETROWCOUNT, 0, 0));
  form.destroy();
}

TEST(CoolBar, WithoutAWindowItSaysSoAndStaysUsable) {
  testing_support::BoxAnswerer answerer(IDOK);
  CoolBar bar(212, Control());  // a child window needs a parent
  EXPECT_TRUE(bar.isNull());
  ASSERT_EQ(1u, answerer.boxes().size());
  EXPECT_EQ("ERROR", answerer.boxes()[0].caption);
  EXPECT_EQ("Cannot create CoolBar", answerer.boxes()[0].text);
  Form form = makeForm();
  Control child = childWindow(form, 50, 20);
  EXPECT_EQ(0, bar.addBand("Lost", child));
  EXPECT_EQ(form.hwnd, GetParent(child.hwnd));
  EXPECT_EQ(0, bar.refresh());
  form.destroy();
}
