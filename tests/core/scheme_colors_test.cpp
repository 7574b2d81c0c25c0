// The colour schemes' arithmetic, by tables: luminance, readable text, the
// user's app setting as the registry holds it, requests and the announcement;
// and a program that never chooses a scheme, whose windows the scheme leaves
// alone (this suite never chooses one).
#include <gtest/gtest.h>

#include <string>

#include "tarn/core/color_scheme.h"
#include "tarn/core/scheme_colors.h"
#include <tarn/tarn.h>

using namespace tarn::schemes;

TEST(SchemeColours, LuminanceWeighsTheLinearChannels) {
  struct Row {
    Rgb colour;
    double expected;
  } rows[] = {
      {rgb(0, 0, 0), 0.0},          {rgb(255, 255, 255), 1.0},    {rgb(255, 0, 0), 0.2126},
      {rgb(0, 255, 0), 0.7152},     {rgb(0, 0, 255), 0.0722},     {rgb(128, 128, 128), 0.2159},
      {rgb(0x20, 0x20, 0x20), 0.0144}, {rgb(0xF0, 0xF0, 0xF0), 0.8714},
  };
  for (const Row& row : rows)
    EXPECT_NEAR(row.expected, luminance(row.colour), 0.0005) << std::hex << row.colour;
}

TEST(SchemeColours, ThePaletteIsDarkBehindAndLightInFront) {
  for (Rgb back : {darkPalette.window, darkPalette.field}) EXPECT_LT(luminance(back), 0.25);
  EXPECT_GT(luminance(darkPalette.text), 0.7);
  EXPECT_GT(luminance(richTextMarker), 0.7);
  EXPECT_NE(darkPalette.text, richTextMarker);
  // Disabled text and lines stand out from the background, less than text does.
  for (Rgb dim : {darkPalette.grayText, darkPalette.line}) {
    EXPECT_GT(luminance(dim), luminance(darkPalette.window));
    EXPECT_LT(luminance(dim), luminance(darkPalette.text));
  }
}

TEST(SchemeColours, TextIsReadableOnAnyBackground) {
  struct Row {
    Rgb background;
    bool lightText;
  } rows[] = {
      {rgb(0, 0, 0), true},        {rgb(0, 0, 128), true},     {rgb(200, 0, 0), true},
      {rgb(0x20, 0x20, 0x20), true}, {rgb(255, 255, 255), false}, {rgb(255, 255, 0), false},
      {rgb(40, 110, 200), true},   {rgb(0, 200, 0), false},    {rgb(160, 160, 160), false},
  };
  auto contrast = [](Rgb a, Rgb b) {
    double x = luminance(a) + 0.05, y = luminance(b) + 0.05;
    return x > y ? x / y : y / x;
  };
  for (const Row& row : rows) {
    Rgb text = readableText(row.background);
    EXPECT_EQ(row.lightText, luminance(text) > 0.7) << std::hex << row.background;
    // The chosen text stands out from the background at least as much as the other would.
    Rgb other = row.lightText ? rgb(0, 0, 0) : darkPalette.text;
    EXPECT_GE(contrast(text, row.background), contrast(other, row.background))
        << std::hex << row.background;
  }
}

TEST(SchemeColours, OnlyAFourByteDwordZeroMeansDark) {
  constexpr unsigned long text = 1, binary = 3, qword = 11;  // REG_SZ, REG_BINARY, REG_QWORD
  struct Row {
    AppSetting setting;
    Shade expected;
  } rows[] = {
      {{false, 0, 0, 0}, Shade::light},             // no value (or no key)
      {{true, registryDword, 4, 0}, Shade::dark},   // dark apps
      {{true, registryDword, 4, 1}, Shade::light},  // light apps
      {{true, registryDword, 4, 2}, Shade::light},  // any other number
      {{true, registryDword, 2, 0}, Shade::light},  // short
      {{true, text, 4, 0}, Shade::light},           // "0" as text
      {{true, binary, 4, 0}, Shade::light},
      {{true, qword, 8, 0}, Shade::light},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.expected, appSettingShade(row.setting))
        << row.setting.found << " " << row.setting.type << " " << row.setting.size << " "
        << row.setting.value;
}

TEST(SchemeColours, RequestsComeToTheirShade) {
  struct Row {
    int request;
    Shade user;
    Shade expected;
  } rows[] = {
      {requestSystem, Shade::dark, Shade::dark},  {requestSystem, Shade::light, Shade::light},
      {requestLight, Shade::dark, Shade::light},  {requestDark, Shade::light, Shade::dark},
      {-1, Shade::dark, Shade::light},            {3, Shade::dark, Shade::light},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.expected, requestedShade(row.request, row.user)) << row.request;
  for (int value : {-1, 3, 100}) EXPECT_FALSE(isRequest(value)) << value;
  for (int value : {requestSystem, requestLight, requestDark}) EXPECT_TRUE(isRequest(value));
  EXPECT_EQ(requestSystem, static_cast<int>(tarn::ColorScheme::system));
  EXPECT_EQ(requestLight, static_cast<int>(tarn::ColorScheme::light));
  EXPECT_EQ(requestDark, static_cast<int>(tarn::ColorScheme::dark));
  EXPECT_EQ(Shade::dark, highContrastShade(rgb(0, 0, 0)));
  EXPECT_EQ(Shade::light, highContrastShade(rgb(255, 255, 255)));
}

TEST(SchemeColours, OnlyTheColorSetIsAnAnnouncement) {
  struct Row {
    const char* text;
    bool announces;
  } rows[] = {
      {"ImmersiveColorSet", true}, {"immersivecolorset", true}, {"IMMERSIVECOLORSET", true},
      {"ImmersiveColorSe", false}, {"ImmersiveColorSetX", false}, {"", false},
      {"Policy", false},           {"WindowsThemeElement", false}, {"I", false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.announces, announcesColorSet(row.text)) << row.text;
    std::wstring wide(row.text, row.text + std::string(row.text).size());
    EXPECT_EQ(row.announces, announcesColorSet(wide.c_str())) << row.text;
  }
  EXPECT_FALSE(announcesColorSet(static_cast<const char*>(nullptr)));
  EXPECT_FALSE(announcesColorSet(static_cast<const wchar_t*>(nullptr)));
}

// This suite never chooses a scheme: windows are made without a look at it,
// and a form's children get the colours the system's dialog manager gives.
TEST(SchemeColours, AProgramThatChoosesNoSchemeIsLeftAsTheSystemDrawsIt) {
  using namespace tarn;
  EXPECT_EQ(nullptr, detail::schemeWindowMade.load());
  EXPECT_EQ(ColorScheme::light, colorScheme());
  Form form("plain", 0, 0, 300, 200, 0, true, false, false, false, false, Control(), false, 0);
  Label label("Label", -1, 10, 10, 100, 20, form, true, true, false, 0);
  label.backColor = RGB(200, 0, 0);  // kept, but painted by the program's own procedure
  HDC dc = GetDC(label.hwnd);
  LRESULT answer = SendMessageA(form.hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(label.hwnd));
  ReleaseDC(label.hwnd, dc);
  EXPECT_EQ(reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)), answer);
  form.destroy();
}
