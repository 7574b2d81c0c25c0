// RTF building blocks and the markup-to-RTF converter, over plain standard
// strings. No Windows calls: the public `String` functions in tarn.h
// (rtfHeader ... markupToRtf) wrap these.
//
// Every control word the converter writes that could be followed by text
// ("\par ", "\fsN ", "\b ", ...) carries its delimiter space, so a letter or
// digit that follows is never read as part of the control word or its number.
#ifndef TARN_TEXT_MARKUP_H
#define TARN_TEXT_MARKUP_H

#include <string>

namespace tarn {
namespace rtf {

// The fixed document header: code page 1252, one font (f0, Arial), colour
// table (auto, red, green, blue), f0 at 20 half-points ("\fs20 ", with its
// delimiter). The document stays open; end it with `end()`.
const std::string& header();
// "}"
std::string end();

// "\par " repeated `count` times; "" when count <= 0 and when the text is
// too long to be held.
std::string newLines(int count);

std::string bold(const std::string& text);       // "\b " text "\b0 "
std::string italic(const std::string& text);     // "\i " text "\i0 "
std::string underline(const std::string& text);  // "\ul " text "\ulnone "
std::string red(const std::string& text);        // "\cf1 " text "\cf0 "
std::string green(const std::string& text);      // "\cf2 " text "\cf0 "
std::string blue(const std::string& text);       // "\cf3 " text "\cf0 "
// "\fs<points*2> " text "\fs20 ": the size in points, written in half-points;
// afterwards back to the header's 10 points.
std::string fontSize(const std::string& text, int points);
std::string right(const std::string& text);   // "\qr " text
std::string center(const std::string& text);  // "\qc " text
// A HYPERLINK field to `target` showing `text` in colour 1, underlined.
std::string link(const std::string& text, const std::string& target);

// The RTF body for a markup text (no header, no document end): backslashes
// doubled, braces escaped, line breaks and <BR> as paragraphs, and the tags
// B, I, U, CENTER, RIGHT (all upper or all lower case) as RTF tokens.
// Linear in the size of the text.
std::string fromMarkup(const std::string& text);

}  // namespace rtf
}  // namespace tarn

#endif  // TARN_TEXT_MARKUP_H
