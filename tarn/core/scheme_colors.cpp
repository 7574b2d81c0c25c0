// The colour schemes' arithmetic: luminance, readable text, the user's app
// setting, requests and the announcement of a change. No Windows calls.
#include "tarn/core/scheme_colors.h"

#include <cmath>

namespace tarn {
namespace schemes {

namespace {

// An sRGB channel (0..255) made linear (0..1).
double linear(unsigned channel) {
  double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Where white and black text contrast equally: (L + 0.05) / 0.05 = 1.05 / (L + 0.05).
constexpr double evenContrast = 0.179;

template <class Char>
bool namesColorSet(const Char* text) {
  static const char name[] = "immersivecolorset";
  if (text == nullptr) return false;
  std::size_t i = 0;
  for (; name[i] != '\0'; ++i) {
    Char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<Char>(c - 'A' + 'a');
    if (c != static_cast<Char>(name[i])) return false;  // stops at the text's end too
  }
  return text[i] == 0;
}

}  // namespace

double luminance(Rgb colour) {
  return 0.2126 * linear(colour & 0xFF) + 0.7152 * linear(colour >> 8 & 0xFF) +
         0.0722 * linear(colour >> 16 & 0xFF);
}

Rgb readableText(Rgb background) {
  return luminance(background) < evenContrast ? darkPalette.text : rgb(0, 0, 0);
}

Shade appSettingShade(const AppSetting& setting) {
  bool dark =
      setting.found && setting.type == registryDword && setting.size == 4 && setting.value == 0;
  return dark ? Shade::dark : Shade::light;
}

bool isRequest(int value) { return value >= requestSystem && value <= requestDark; }

Shade requestedShade(int request, Shade userChoice) {
  switch (request) {
    case requestSystem: return userChoice;
    case requestDark: return Shade::dark;
    default: return Shade::light;
  }
}

Shade highContrastShade(Rgb windowColour) {
  return luminance(windowColour) < evenContrast ? Shade::dark : Shade::light;
}

bool announcesColorSet(const char* text) { return namesColorSet(text); }
bool announcesColorSet(const wchar_t* text) { return namesColorSet(text); }

}  // namespace schemes
}  // namespace tarn
