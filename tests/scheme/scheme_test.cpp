// The colour schemes on real windows: every family's background and text read
// back as pixels in the dark scheme and the light one, the program's colours
// kept through switches, the user's app setting followed live through the
// system's announcement, high contrast, what is passed to the system's dark
// themes and title bars, bad requests, switches from a modal loop and from
// another thread, and a hundred switches that leave nothing behind.
//
// The suite runs twice: in the tests' usual prefix, which has no app setting
// (ctest's scheme: `system` comes to light), and in a prefix whose setting is
// dark apps (scheme_dark, through scripts/wine-dark). TARN_SYSTEM_SCHEME says
// which.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "support/dialog_answerer.h"
#include "support/support.h"
#include "tarn/core/color_scheme.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::BoxAnswerer;
using testing_support::pumpUntil;

namespace {

double luminance(COLORREF colour) { return schemes::luminance(colour); }

ColorScheme systemSchemeOfThePrefix() {
  const char* told = std::getenv("TARN_SYSTEM_SCHEME");
  return told != nullptr && std::strcmp(told, "dark") == 0 ? ColorScheme::dark : ColorScheme::light;
}

// Paints the window and everything in it now, so that its pixels can be read.
void paintNow(HWND window) {
  RedrawWindow(window, NULL, NULL,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// What an area of a window shows: its commonest colour (the background) and
// the colour farthest from it in luminance (the text, where there is text).
struct Shown {
  COLORREF back = 0;
  COLORREF text = 0;
};

Shown shownIn(HWND window, RECT area) {
  RECT client = {0, 0, 0, 0};
  GetClientRect(window, &client);
  IntersectRect(&area, &area, &client);
  std::map<COLORREF, int> counts;
  HDC dc = GetDC(window);
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) ++counts[GetPixel(dc, x, y)];
  ReleaseDC(window, dc);
  Shown shown;
  int most = -1;
  for (const auto& seen : counts)
    if (seen.second > most) {
      most = seen.second;
      shown.back = seen.first;
    }
  double farthest = -1;
  for (const auto& seen : counts) {
    double apart = std::abs(luminance(seen.first) - luminance(shown.back));
    if (apart > farthest) {
      farthest = apart;
      shown.text = seen.first;
    }
  }
  return shown;
}

// Whether `colour` shows anywhere in the area.
bool showsColour(HWND window, RECT area, COLORREF colour) {
  HDC dc = GetDC(window);
  bool found = false;
  for (int y = area.top; y < area.bottom && !found; ++y)
    for (int x = area.left; x < area.right && !found; ++x) found = GetPixel(dc, x, y) == colour;
  ReleaseDC(window, dc);
  return found;
}

RECT clientOf(HWND window) {
  RECT r = {0, 0, 0, 0};
  GetClientRect(window, &r);
  return r;
}

COLORREF pixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

// One family on the test form: its window, where its text is (empty: none)
// and where its background is (empty: where its text is).
struct Family {
  const char* name;
  HWND window;
  RECT text;
  RECT back;
};

// A form with one of every family the scheme colours, and the tips dialog.
class SchemeFamilies : public ::testing::Test {
 protected:
  SchemeFamilies()
      : form("families", 10, 10, 640, 460, 10, true, true, false, false, false, Control(), false, 0),
        label("Label text", -1, 10, 10, 120, 20, form, true, true, false, 0),
        group("Group", -1, 140, 5, 120, 50, form, true, true, false, 0),
        check("Check text", 11, 10, 35, 120, 20, form, false, true, true, false, 0),
        radio("Radio text", 12, 10, 60, 120, 20, form, true, true, false, 0),
        text("Text box", 13, 10, 85, 120, 22, form, true, true, false, false, 0),
        secret("secret", 14, 10, 112, 120, 22, form, true, true, false, false, 0),
        readOnly("Read only", 15, 10, 139, 120, 22, form, true, true, false, false, 0),
        spin("42", 16, 10, 166, 80, 22, form, true, true, false, 0),
        lines("Many\r\nlines", 17, 140, 60, 120, 60, form, true, true, false, true, 0),
        list("", 18, 270, 10, 100, 60, form, true, true, false, true, 0),
        combo("", 19, 270, 80, 100, 100, form, true, true, false, true, 0),
        table("", 20, 380, 10, 200, 80, form),
        tree("", 21, 380, 100, 200, 60, form),
        rich("", 22, 140, 130, 230, 60, form),
        tabs("", 23, 10, 200, 300, 150, form),
        page("page", 0, 0, 100, 100, 10, true, false, false, false, false, form, true, 0),
        pageLabel("Page label", -1, 10, 30, 120, 20, page, true, true, false, 0),
        bar(25, page, true, 5, true, 0),
        status("Status text", 24, form, 1, true, true, 0) {
    list.addItem("List item", 0);
    combo.addItem("Combo item", 0, -1);
    combo.setSelectedIndex(0);
    table.addColumn("Name");
    table.addRow("Row text", 0);
    tree.addItem(TreeItem(), "Tree item");
    rich.text = rtfHeader() + "Plain text " + rtfRed("red") + rtfEnd();
    tabs.addTab("First").setPage(page);
  }
  ~SchemeFamilies() override { form.destroy(); }

  std::vector<Family> families() const {
    RECT header = {0, 0, 0, 0};
    GetWindowRect(reinterpret_cast<HWND>(SendMessageA(table.hwnd, LVM_GETHEADER, 0, 0)), &header);
    RECT rows = clientOf(table.hwnd);
    rows.top = header.bottom - header.top + 1;
    RECT firstTab = tabs.tabRect(0);
    RECT afterGlyph = {18, 0, 120, 20};
    RECT none = {0, 0, 0, 0};
    return {
        {"label", label.hwnd, clientOf(label.hwnd), none},
        {"group box", group.hwnd, {8, 0, 40, 13}, none},
        {"inside a group box", group.hwnd, none, {10, 20, 110, 45}},
        {"check box", check.hwnd, afterGlyph, none},
        {"radio button", radio.hwnd, afterGlyph, none},
        {"text box", text.hwnd, clientOf(text.hwnd), none},
        {"password box", secret.hwnd, clientOf(secret.hwnd), none},
        {"read-only box", readOnly.hwnd, clientOf(readOnly.hwnd), none},
        {"spin box", spin.hwnd, clientOf(spin.hwnd), none},
        {"multi-line box", lines.hwnd, clientOf(lines.hwnd), none},
        {"list box", list.hwnd, clientOf(list.hwnd), none},
        {"combo box", combo.hwnd, {0, 0, 70, 20}, none},
        {"table view", table.hwnd, rows, none},
        {"tree view", tree.hwnd, clientOf(tree.hwnd), none},
        {"rich text box", rich.hwnd, clientOf(rich.hwnd), none},
        {"tab", tabs.hwnd, firstTab, none},
        {"tab page", pageLabel.hwnd, clientOf(pageLabel.hwnd), none},
        {"splitter", bar.hwnd, none, clientOf(bar.hwnd)},
        {"status bar", status.hwnd, clientOf(status.hwnd), none},
        {"form", form.hwnd, none, {400, 200, 600, 300}},
    };
  }

  // Each family's background (and text) is dark and its text light, or the reverse.
  void expectShade(bool dark, const char* when) {
    paintNow(form.hwnd);
    for (const Family& f : families()) {
      bool hasText = !IsRectEmpty(&f.text);
      Shown shown = shownIn(f.window, hasText ? f.text : f.back);
      if (dark)
        EXPECT_LT(luminance(shown.back), 0.25) << f.name << " background, " << when;
      else
        EXPECT_GT(luminance(shown.back), 0.7) << f.name << " background, " << when;
      if (!hasText) continue;
      if (dark)
        EXPECT_GT(luminance(shown.text), 0.7) << f.name << " text, " << when;
      else
        EXPECT_LT(luminance(shown.text), 0.25) << f.name << " text, " << when;
    }
  }

  Form form;
  Label label;
  GroupBox group;
  CheckBox check;
  RadioButton radio;
  TextBox text;
  PasswordBox secret;
  ReadOnlyBox readOnly;
  spinBox spin;
  TextBox lines;
  ListBox list;
  ComboBox combo;
  TableView table;
  TreeView tree;
  RichTextBox rich;
  Tab tabs;
  Form page;
  Label pageLabel;
  Splitter bar;
  StatusBar status;
};

// The app setting in this prefix's registry, put back as it was at the end.
class AppSetting {
 public:
  AppSetting() {
    RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL);
    DWORD size = sizeof kept;
    had = RegQueryValueExA(key, name, NULL, &keptType, kept, &size) == ERROR_SUCCESS;
    keptSize = size;
  }
  ~AppSetting() {
    if (had)
      RegSetValueExA(key, name, 0, keptType, kept, keptSize);
    else
      RegDeleteValueA(key, name);
    RegCloseKey(key);
    announce();
  }
  AppSetting(const AppSetting&) = delete;
  AppSetting& operator=(const AppSetting&) = delete;

  void lightApps(bool light) {
    DWORD value = light ? 1 : 0;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  }
  void asText(const char* value) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>(std::strlen(value) + 1));
  }
  void remove() { RegDeleteValueA(key, name); }

  // What Windows sends every top-level window when the user changes the setting.
  static void announce(const wchar_t* what = L"ImmersiveColorSet") {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(what),
                        SMTO_ABORTIFHUNG, 5000, &answer);
  }

 private:
  static constexpr const char* path =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
  static constexpr const char* name = "AppsUseLightTheme";
  HKEY key = NULL;
  bool had = false;
  DWORD keptType = 0;
  DWORD keptSize = 0;
  BYTE kept[64] = {};
};

// Replaces the system calls the scheme makes for the length of a test.
class SeamGuard {
 public:
  SeamGuard() : kept(detail::schemeCalls()) {}
  ~SeamGuard() { detail::schemeCalls() = kept; }
  SeamGuard(const SeamGuard&) = delete;
  SeamGuard& operator=(const SeamGuard&) = delete;

 private:
  detail::SchemeCalls kept;
};

// ---------------------------------------------------------------------------

TEST_F(SchemeFamilies, EveryFamilyTurnsDarkAndBack) {
  setColorScheme(ColorScheme::light);
  expectShade(false, "light at first");
  setColorScheme(ColorScheme::dark);
  EXPECT_EQ(ColorScheme::dark, colorScheme());
  expectShade(true, "dark");
  setColorScheme(ColorScheme::light);
  EXPECT_EQ(ColorScheme::light, colorScheme());
  expectShade(false, "light again");
}

TEST_F(SchemeFamilies, WindowsMadeWhileDarkAreDarkAtOnce) {
  setColorScheme(ColorScheme::dark);
  Form later("later", 100, 100, 300, 200, 10, true, true, false, false, false, Control(), false, 0);
  Label laterLabel("Later label", -1, 10, 10, 120, 20, later, true, true, false, 0);
  TableView laterTable("", 30, 10, 40, 200, 100, later);
  laterTable.addColumn("Name");
  laterTable.addRow("Later row", 0);
  paintNow(later.hwnd);
  Shown shown = shownIn(laterLabel.hwnd, clientOf(laterLabel.hwnd));
  EXPECT_LT(luminance(shown.back), 0.25);
  EXPECT_GT(luminance(shown.text), 0.7);
  EXPECT_LT(luminance(pixelAt(later.hwnd, 250, 180)), 0.25);
  EXPECT_EQ(schemes::darkPalette.field, ListView_GetBkColor(laterTable.hwnd));
  later.destroy();
  setColorScheme(ColorScheme::light);
}

TEST_F(SchemeFamilies, ToolbarTextStaysReadable) {
  Form host("toolbar", 100, 100, 300, 120, 10, true, true, false, false, false, Control(), false, 0);
  Toolbar bar(40, host, 0, 0);
  bar.setShowText(true);
  ImageList icons;
  bar.setImageList(icons);
  bar.addButton("Tool text", -1, 41);
  for (ColorScheme scheme : {ColorScheme::dark, ColorScheme::light}) {
    setColorScheme(scheme);
    paintNow(host.hwnd);
    Shown shown = shownIn(bar.hwnd, clientOf(bar.hwnd));
    double apart = std::abs(luminance(shown.text) - luminance(shown.back));
    EXPECT_GT(apart, 0.5) << (scheme == ColorScheme::dark ? "dark" : "light");
  }
  host.destroy();
}

TEST_F(SchemeFamilies, LongTextsAreDrawnWithoutOverrun) {
  setColorScheme(ColorScheme::dark);
  combo.clear();
  combo.addItem(String(std::string(5000, 'w')), 0, -1);
  combo.setSelectedIndex(0);
  status.setText(0, String("\t" + std::string(3000, 'x')));
  tabs.addTab(String(std::string(600, 't')));
  paintNow(form.hwnd);
  EXPECT_GT(luminance(shownIn(combo.hwnd, {0, 0, 70, 20}).text), 0.7);
  EXPECT_GT(luminance(shownIn(status.hwnd, clientOf(status.hwnd)).text), 0.7);
  setColorScheme(ColorScheme::light);
}

TEST_F(SchemeFamilies, TheTipsDialogTurnsDark) {
  setColorScheme(ColorScheme::dark);
  TipsDialog tips("", "Tips", Control(), true);
  tips.addTip("Title", "Plain words of the tip.");
  paintNow(tips.hwnd);
  EXPECT_LT(luminance(pixelAt(tips.hwnd, 100, tips.scaled(250))), 0.25) << "form";
  Shown view = shownIn(tips.view.hwnd, clientOf(tips.view.hwnd));
  EXPECT_LT(luminance(view.back), 0.25) << "view";
  EXPECT_GT(luminance(view.text), 0.7) << "view";
  Shown box = shownIn(tips.showOnStartup.hwnd, {18, 0, 150, 20});
  EXPECT_LT(luminance(box.back), 0.25) << "check box";
  EXPECT_GT(luminance(box.text), 0.7) << "check box";
  tips.destroy();
  setColorScheme(ColorScheme::light);
}

TEST_F(SchemeFamilies, TheProgramsColoursWinInBothSchemes) {
  const COLORREF red = RGB(200, 0, 0), yellow = RGB(255, 255, 0), navy = RGB(0, 0, 120);
  label.backColor = red;
  table.setBackColor(yellow);
  rich.setBackColor(navy);
  rich.setTextColor(yellow);
  ColorButton swatch(31, 270, 150, 60, 32, form, RGB(40, 110, 200));
  for (ColorScheme scheme : {ColorScheme::dark, ColorScheme::light, ColorScheme::dark,
                             ColorScheme::light}) {
    setColorScheme(scheme);
    paintNow(form.hwnd);
    const char* when = scheme == ColorScheme::dark ? "dark" : "light";
    Shown shownLabel = shownIn(label.hwnd, clientOf(label.hwnd));
    EXPECT_EQ(red, shownLabel.back) << when;
    EXPECT_GT(luminance(shownLabel.text), 0.7) << "readable on red, " << when;
    EXPECT_EQ(yellow, ListView_GetBkColor(table.hwnd)) << when;
    EXPECT_EQ(yellow, shownIn(table.hwnd, {0, 30, 200, 70}).back) << when;
    Shown shownRich = shownIn(rich.hwnd, clientOf(rich.hwnd));
    EXPECT_EQ(navy, shownRich.back) << when;
    EXPECT_TRUE(showsColour(rich.hwnd, clientOf(rich.hwnd), yellow)) << when;
    EXPECT_FALSE(showsColour(rich.hwnd, clientOf(rich.hwnd), RGB(255, 0, 0))) << when;
    EXPECT_EQ(RGB(40, 110, 200), shownIn(swatch.swatch.hwnd, clientOf(swatch.swatch.hwnd)).back)
        << when;
  }
}

TEST_F(SchemeFamilies, AFormsColourShowsBehindItsLabels) {
  const COLORREF green = RGB(0, 120, 0);
  page.backColor = green;
  for (ColorScheme scheme : {ColorScheme::dark, ColorScheme::light}) {
    setColorScheme(scheme);
    paintNow(form.hwnd);
    EXPECT_EQ(green, pixelAt(page.hwnd, 200, 100));
    EXPECT_EQ(green, shownIn(pageLabel.hwnd, clientOf(pageLabel.hwnd)).back);
  }
}

TEST_F(SchemeFamilies, RichTextKeepsItsColoursSelectionAndHistory) {
  setColorScheme(ColorScheme::light);
  CHARRANGE chosen = {2, 4};
  SendMessageA(rich.hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&chosen));
  SendMessageA(rich.hwnd, EM_SETMODIFY, FALSE, 0);
  SendMessageA(rich.hwnd, EM_EMPTYUNDOBUFFER, 0, 0);
  auto colourAt = [&](LONG at) {
    CHARRANGE one = {at, at + 1};
    CHARRANGE kept = {0, 0};
    SendMessageA(rich.hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&kept));
    SendMessageA(rich.hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(rich.hwnd, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageA(rich.hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
    return (format.dwEffects & CFE_AUTOCOLOR) ? CLR_DEFAULT : format.crTextColor;
  };
  const LONG plain = 0, red = 12;  // "Plain text red"
  for (ColorScheme scheme : {ColorScheme::dark, ColorScheme::light, ColorScheme::dark}) {
    setColorScheme(scheme);
    bool dark = scheme == ColorScheme::dark;
    EXPECT_EQ(dark ? schemes::richTextMarker : CLR_DEFAULT, colourAt(plain));
    EXPECT_EQ(RGB(255, 0, 0), colourAt(red));
    CHARRANGE now = {0, 0};
    SendMessageA(rich.hwnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&now));
    EXPECT_EQ(2, now.cpMin);
    EXPECT_EQ(4, now.cpMax);
    EXPECT_EQ(0, SendMessageA(rich.hwnd, EM_GETMODIFY, 0, 0));
    EXPECT_EQ(0, SendMessageA(rich.hwnd, EM_CANUNDO, 0, 0));
  }
  // New text while dark is light, typed text too.
  rich.text = "Typed later";
  EXPECT_EQ(schemes::richTextMarker, colourAt(0));
  setColorScheme(ColorScheme::light);
  EXPECT_EQ(CLR_DEFAULT, colourAt(0));
  // The program's text colour set while dark stays, and what is typed into the
  // emptied box afterwards in light is not in the scheme's colour.
  setColorScheme(ColorScheme::dark);
  rich.setTextColor(RGB(0, 0, 255));
  setColorScheme(ColorScheme::light);
  EXPECT_EQ(RGB(0, 0, 255), colourAt(0));
  rich.text = "";
  SendMessageA(rich.hwnd, WM_CHAR, 'k', 0);
  EXPECT_NE(schemes::richTextMarker, colourAt(0));
}

// ---------------------------------------------------------------------------
// The user's setting

TEST_F(SchemeFamilies, SystemFollowsThePrefixsSettingAndItsAnnouncements) {
  AppSetting setting;
  setColorScheme(ColorScheme::system);
  ColorScheme atFirst = systemSchemeOfThePrefix();
  EXPECT_EQ(atFirst, colorScheme());
  expectShade(atFirst == ColorScheme::dark, "the prefix's setting");

  bool nowLight = atFirst == ColorScheme::dark;
  COLORREF tableBefore = ListView_GetBkColor(table.hwnd);
  setting.lightApps(nowLight);
  AppSetting::announce(L"Policy");  // another setting: the windows stay as they are
  EXPECT_EQ(tableBefore, ListView_GetBkColor(table.hwnd));
  AppSetting::announce();
  EXPECT_EQ(nowLight ? ColorScheme::light : ColorScheme::dark, colorScheme());
  expectShade(!nowLight, "announced");

  setting.lightApps(!nowLight);
  AppSetting::announce();
  EXPECT_EQ(atFirst, colorScheme());
  expectShade(atFirst == ColorScheme::dark, "announced back");

  // A chosen scheme stays whatever the setting.
  setColorScheme(ColorScheme::dark);
  setting.lightApps(true);
  AppSetting::announce();
  EXPECT_EQ(ColorScheme::dark, colorScheme());
  setColorScheme(ColorScheme::light);
}

TEST(SchemeSetting, AMissingOrMistypedSettingIsLight) {
  AppSetting setting;
  setColorScheme(ColorScheme::system);
  setting.lightApps(false);
  AppSetting::announce();
  EXPECT_EQ(ColorScheme::dark, colorScheme());
  setting.asText("0");
  AppSetting::announce();
  EXPECT_EQ(ColorScheme::light, colorScheme()) << "text";
  setting.lightApps(false);
  AppSetting::announce();
  setting.remove();
  AppSetting::announce();
  EXPECT_EQ(ColorScheme::light, colorScheme()) << "missing";
  setColorScheme(ColorScheme::light);
}

// ---------------------------------------------------------------------------
// High contrast, the system's dark themes and title bars

bool highContrastNow = false;

TEST_F(SchemeFamilies, HighContrastLeavesTheSystemsColours) {
  SeamGuard guard;
  detail::schemeCalls().highContrast = [] { return highContrastNow; };
  label.backColor = RGB(200, 0, 0);
  setColorScheme(ColorScheme::dark);
  expectShade(true, "before high contrast");
  // Windows sends both when high contrast comes on.
  highContrastNow = true;
  SendMessageA(form.hwnd, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  paintNow(form.hwnd);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), pixelAt(form.hwnd, 500, 250));
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), ListView_GetBkColor(table.hwnd));
  EXPECT_EQ(RGB(200, 0, 0), shownIn(label.hwnd, clientOf(label.hwnd)).back) << "the program's";
  EXPECT_EQ(luminance(GetSysColor(COLOR_WINDOW)) < 0.18 ? ColorScheme::dark : ColorScheme::light,
            colorScheme());
  highContrastNow = false;
  SendMessageA(form.hwnd, WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(ColorScheme::dark, colorScheme());
  paintNow(form.hwnd);
  EXPECT_LT(luminance(pixelAt(form.hwnd, 500, 250)), 0.25);
  setColorScheme(ColorScheme::light);
}

struct ThemeCall {
  std::string className;
  std::wstring app;  // "(none)" for null
  std::wstring ids;
};
std::vector<ThemeCall> themeCalls;
std::vector<std::pair<DWORD, BOOL>> titleCalls;
bool refuseNewTitleBar = false;

std::string classOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

HRESULT WINAPI recordTheme(HWND window, LPCWSTR app, LPCWSTR ids) {
  themeCalls.push_back({classOf(window), app ? app : L"(none)", ids ? ids : L"(none)"});
  return S_OK;
}

HRESULT WINAPI recordTitle(HWND, DWORD attribute, LPCVOID value, DWORD size) {
  if (size != sizeof(BOOL)) return E_INVALIDARG;
  titleCalls.emplace_back(attribute, *static_cast<const BOOL*>(value));
  return refuseNewTitleBar && attribute == 20 ? E_INVALIDARG : S_OK;
}

std::wstring themeOf(const std::string& className) {
  std::wstring found = L"(never)";
  for (const ThemeCall& call : themeCalls)
    if (call.className == className) found = call.app + L"/" + call.ids;
  return found;
}

TEST_F(SchemeFamilies, TheSystemIsAskedForItsDarkThemesAndTitleBars) {
  SeamGuard guard;
  detail::schemeCalls().setWindowTheme = recordTheme;
  detail::schemeCalls().setWindowAttribute = recordTitle;
  Button push("Push", 32, 270, 150, 80, 24, form, true, true, false, false, 0, false, Icon());
  ScrollBar scroll(33, 380, 170, 200, 18, form);
  setColorScheme(ColorScheme::light);
  themeCalls.clear();
  titleCalls.clear();
  refuseNewTitleBar = false;
  setColorScheme(ColorScheme::dark);
  ASSERT_EQ(1u, titleCalls.size());
  EXPECT_EQ(20u, titleCalls[0].first);
  EXPECT_EQ(TRUE, titleCalls[0].second);
  struct Row {
    const char* className;
    const wchar_t* expected;
  } dark[] = {
      {"SysListView32", L"DarkMode_Explorer/(none)"}, {"SysHeader32", L"DarkMode_ItemsView/(none)"},
      {"SysTreeView32", L"DarkMode_Explorer/(none)"}, {"Edit", L"DarkMode_CFD/(none)"},
      {"ListBox", L"DarkMode_Explorer/(none)"},       {"ComboBoxEx32", L"DarkMode_CFD/(none)"},
      {"ScrollBar", L"DarkMode_Explorer/(none)"},
  };
  for (const Row& row : dark) EXPECT_EQ(row.expected, themeOf(row.className)) << row.className;
  // Buttons: the push button takes the dark theme, the check box none at all.
  bool pushDark = false, checkPlain = false;
  for (const ThemeCall& call : themeCalls) {
    if (call.className != "Button") continue;
    pushDark |= call.app == L"DarkMode_Explorer";
    checkPlain |= call.app == L" " && call.ids == L" ";
  }
  EXPECT_TRUE(pushDark);
  EXPECT_TRUE(checkPlain);

  themeCalls.clear();
  titleCalls.clear();
  refuseNewTitleBar = true;  // an older Windows 10 knows the attribute by its former number
  setColorScheme(ColorScheme::light);
  ASSERT_EQ(2u, titleCalls.size());
  EXPECT_EQ(20u, titleCalls[0].first);
  EXPECT_EQ(19u, titleCalls[1].first);
  EXPECT_EQ(FALSE, titleCalls[1].second);
  for (const Row& row : dark) EXPECT_EQ(L"(none)/(none)", themeOf(row.className)) << row.className;

  // A form made while dark asks at once.
  refuseNewTitleBar = false;
  setColorScheme(ColorScheme::dark);
  titleCalls.clear();
  Form later("later", 0, 0, 200, 100, 0, true, false, false, false, false, Control(), false, 0);
  ASSERT_EQ(1u, titleCalls.size());
  EXPECT_EQ(TRUE, titleCalls[0].second);
  later.destroy();
  setColorScheme(ColorScheme::light);
}

// ---------------------------------------------------------------------------
// Bad requests, modal loops and other threads

TEST_F(SchemeFamilies, AnUnknownSchemeIsRefusedAndChangesNothing) {
  setColorScheme(ColorScheme::dark);
  BoxAnswerer answerer(IDIGNORE);
  setColorScheme(static_cast<ColorScheme>(7));
  ASSERT_EQ(1u, answerer.boxes().size());
  EXPECT_NE(std::string::npos, answerer.boxes()[0].text.find("system, light or dark"));
  EXPECT_EQ(ColorScheme::dark, colorScheme());
  expectShade(true, "after the refusal");
  setColorScheme(ColorScheme::light);
}

struct ModalSwitch {
  HWND form = NULL;
  bool switched = false;
  COLORREF formPixel = 0;
  bool boxKeptItsOwnColours = false;
};
ModalSwitch modal;

void CALLBACK switchUnderTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowA("#32770", "Modal");
  if (box == NULL || modal.switched) return;
  KillTimer(NULL, timer);
  modal.switched = true;
  setColorScheme(ColorScheme::dark);
  paintNow(modal.form);
  paintNow(box);
  modal.formPixel = pixelAt(modal.form, 500, 250);
  modal.boxKeptItsOwnColours = detail::findRecord(box) == nullptr &&
                               luminance(pixelAt(box, 2, 2)) > 0.7;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST_F(SchemeFamilies, ASwitchUnderAModalBoxSwitchesTheFormsAndNotTheBox) {
  setColorScheme(ColorScheme::light);
  modal = ModalSwitch();
  modal.form = form.hwnd;
  SetTimer(NULL, 0, 20, switchUnderTheBox);
  form.infoBox("A message box is up.", "Modal");
  EXPECT_TRUE(modal.switched);
  EXPECT_LT(luminance(modal.formPixel), 0.25);
  EXPECT_TRUE(modal.boxKeptItsOwnColours);
  setColorScheme(ColorScheme::light);
}

TEST_F(SchemeFamilies, ASwitchFromAnotherThreadReachesTheWindowsThroughTheirMessages) {
  setColorScheme(ColorScheme::light);
  paintNow(form.hwnd);
  std::thread worker([] { setColorScheme(ColorScheme::dark); });
  worker.join();
  EXPECT_EQ(ColorScheme::dark, colorScheme());  // at once, for every thread
  // The views take their colours when the form reads the posted request.
  EXPECT_TRUE(pumpUntil([&] { return ListView_GetBkColor(table.hwnd) == schemes::darkPalette.field; },
                        5000));
  expectShade(true, "switched from a worker");
  setColorScheme(ColorScheme::light);
}

// ---------------------------------------------------------------------------
// Nothing left behind

// Wine answers 0 for GetGuiResources: its GDI objects are found by the index in
// the low word of their handles, its USER objects counted as this thread's windows.
long long gdiObjects() {
  long long n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (n != 0) return n;
  for (ULONG_PTR index = 1; index < 0x10000; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++n;
  return n;
}

BOOL CALLBACK countWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<long long*>(count);
  EnumChildWindows(window, countWindow, count);
  return TRUE;
}

long long userObjects() {
  long long n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (n != 0) return n;
  EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&n));
  return n;
}

TEST_F(SchemeFamilies, AHundredSwitchesLeaveTheGdiAndUserCountsFlat) {
  label.backColor = RGB(200, 0, 0);
  for (ColorScheme scheme : {ColorScheme::dark, ColorScheme::light}) {  // brushes made once
    setColorScheme(scheme);
    paintNow(form.hwnd);
  }
  long long gdi = gdiObjects(), user = userObjects();
  for (int i = 0; i < 100; ++i) {
    setColorScheme(i % 2 == 0 ? ColorScheme::dark : ColorScheme::light);
    paintNow(form.hwnd);
  }
  EXPECT_EQ(gdi, gdiObjects());
  EXPECT_EQ(user, userObjects());
}

}  // namespace
