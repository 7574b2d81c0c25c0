// The public RTF functions: String wrappers around the converter in markup.cpp.
#include "tarn/text.h"
#include "tarn/text/markup.h"

namespace tarn {

String rtfHeader() { return String(rtf::header()); }
String rtfEnd() { return String(rtf::end()); }
String rtfNewLines(int count) { return String(rtf::newLines(count)); }
String rtfBold(const String& text) { return String(rtf::bold(text.str())); }
String rtfItalic(const String& text) { return String(rtf::italic(text.str())); }
String rtfUnderline(const String& text) { return String(rtf::underline(text.str())); }
String rtfRed(const String& text) { return String(rtf::red(text.str())); }
String rtfGreen(const String& text) { return String(rtf::green(text.str())); }
String rtfBlue(const String& text) { return String(rtf::blue(text.str())); }
String rtfFontSize(const String& text, int points) {
  return String(rtf::fontSize(text.str(), points));
}
String rtfRight(const String& text) { return String(rtf::right(text.str())); }
String rtfCenter(const String& text) { return String(rtf::center(text.str())); }
String rtfLink(const String& text, const String& target) {
  return String(rtf::link(text.str(), target.str()));
}
String markupToRtf(const String& text) { return String(rtf::fromMarkup(text.str())); }

}  // namespace tarn
