// Private to the toolkit: the arithmetic of the colour schemes, with no Windows
// calls: how light a colour is, the text colour readable on a background, the
// dark palette, what the user's app setting, the program's request and high
// contrast come to, and the name the system announces a change of the app
// colours by.
#ifndef TARN_CORE_SCHEME_COLORS_H
#define TARN_CORE_SCHEME_COLORS_H

#include <cstdint>

namespace tarn {
namespace schemes {

// A colour as the system's COLORREF holds it: 0x00BBGGRR.
using Rgb = std::uint32_t;

constexpr Rgb rgb(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}

// The relative luminance of an sRGB colour: 0 for black, 1 for white, each
// channel made linear before it is weighed (green counts most, blue least).
double luminance(Rgb colour);

// The colours of the dark scheme.
struct Palette {
  Rgb window;    // forms, labels, group boxes, check and radio boxes, tab pages
  Rgb field;     // what a user types or picks in: text boxes, lists, views, rich text
  Rgb text;      // text on either
  Rgb grayText;  // text of a disabled control
  Rgb line;      // separators the toolkit draws (status bar parts, tab edges)
};

constexpr Palette darkPalette = {rgb(0x20, 0x20, 0x20), rgb(0x19, 0x19, 0x19),
                                 rgb(0xF0, 0xF0, 0xF0), rgb(0x80, 0x80, 0x80),
                                 rgb(0x50, 0x50, 0x50)};

// Text of automatic colour in a rich text box, in the dark scheme. It differs
// from the palette's text by one step in red, so that switching back to light
// finds exactly the text the scheme coloured.
constexpr Rgb richTextMarker = rgb(0xF1, 0xF0, 0xF0);

// The text colour readable on `background`: the dark palette's text on a dark
// background, black on a light one (the luminance where white and black text
// contrast equally, about 0.18, divides them).
Rgb readableText(Rgb background);

enum class Shade : unsigned char { light, dark };

// The registry value HKCU\...\Themes\Personalize\AppsUseLightTheme as read:
// `found` false when the key or the value is missing, else its type (REG_DWORD
// is 4), its size in bytes and, for a 4-byte value, the value.
struct AppSetting {
  bool found;
  unsigned long type;
  unsigned long size;
  std::uint32_t value;
};
constexpr unsigned long registryDword = 4;  // REG_DWORD

// The user's choice for programs: dark only for a 4-byte REG_DWORD 0; light
// when the value is missing, of another type or size, or any other number.
Shade appSettingShade(const AppSetting& setting);

// Requests, as ColorScheme numbers them.
constexpr int requestSystem = 0;
constexpr int requestLight = 1;
constexpr int requestDark = 2;
bool isRequest(int value);

// What a request comes to: `system` the user's choice, light and dark
// themselves; anything else light.
Shade requestedShade(int request, Shade userChoice);

// In high contrast the system's colours rule: the program's windows are as
// dark as the high-contrast window colour.
Shade highContrastShade(Rgb windowColour);

// Whether the text of a WM_SETTINGCHANGE names the change of the app colours
// ("ImmersiveColorSet", in any case); false for a null text.
bool announcesColorSet(const char* text);
bool announcesColorSet(const wchar_t* text);

}  // namespace schemes
}  // namespace tarn

#endif  // TARN_CORE_SCHEME_COLORS_H
