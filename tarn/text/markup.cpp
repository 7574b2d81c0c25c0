// RTF building blocks and the markup-to-RTF converter.
#include "tarn/text/markup.h"

#include <cstddef>
#include <new>

namespace tarn {
namespace rtf {

namespace {

const char kParagraph[] = "\\par ";

std::string wrap(const char* open, const std::string& text, const char* close) {
  std::string out(open);
  out += text;
  out += close;
  return out;
}

// The converter's passes, applied in this order, each to the result of the one
// before. A backslash is doubled in one pass of its own, before any pass adds
// backslashes, so only the input's backslashes are doubled. Tags are matched
// in all upper or all lower case only; the closing alignment tags are deleted,
// so an alignment holds until the next alignment token.
struct Pass {
  const char* search;
  const char* replacement;
};

const Pass kPasses[] = {
    {"\\", "\\\\"},        {"\r\n", kParagraph},  {"\n", kParagraph},    {"<BR>", kParagraph},
    {"<br>", kParagraph},  {"{", "\\{"},          {"}", "\\}"},          {"<B>", "\\b "},
    {"</B>", "\\b0 "},     {"<b>", "\\b "},       {"</b>", "\\b0 "},     {"<I>", "\\i "},
    {"</I>", "\\i0 "},     {"<i>", "\\i "},       {"</i>", "\\i0 "},     {"<U>", "\\ul "},
    {"</U>", "\\ulnone "}, {"<u>", "\\ul "},      {"</u>", "\\ulnone "}, {"<CENTER>", "\\qc "},
    {"</CENTER>", ""},     {"<center>", "\\qc "}, {"</center>", ""},     {"<RIGHT>", "\\qr "},
    {"</RIGHT>", ""},      {"<right>", "\\qr "},  {"</right>", ""},
};

// Writes `in` with every occurrence of `search` replaced into `out`, in one
// sweep from the start; inserted text is not searched again. False (and `out`
// untouched) when `search` does not occur.
bool replaceInto(const std::string& in, const std::string& search, const std::string& replacement,
                 std::string& out) {
  std::size_t at = in.find(search);
  if (at == std::string::npos) return false;
  out.clear();
  std::size_t from = 0;
  while (at != std::string::npos) {
    out.append(in, from, at - from);
    out += replacement;
    from = at + search.size();
    at = in.find(search, from);
  }
  out.append(in, from, std::string::npos);
  return true;
}

}  // namespace

// The header ends in the delimiter of its last control word, so a body that
// begins with a digit keeps it.
const std::string& header() {
  static const std::string text =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
      "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}"
      "{\\*\\generator Vellum Pad 1;}"
      "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
  return text;
}

std::string end() { return "}"; }

std::string newLines(int count) {
  std::string out;
  if (count <= 0) return out;
  const std::size_t token = sizeof kParagraph - 1;
  // A text too long for a string, or for the memory left, comes back empty:
  // the toolkit raises no exceptions of its own.
  if (static_cast<unsigned long long>(count) * token > out.max_size()) return out;
  try {
    out.reserve(static_cast<std::size_t>(count) * token);
  } catch (const std::bad_alloc&) {
    return out;
  }
  for (int i = 0; i < count; ++i) out.append(kParagraph, token);  // within the reserved room
  return out;
}

std::string bold(const std::string& text) { return wrap("\\b ", text, "\\b0 "); }
std::string italic(const std::string& text) { return wrap("\\i ", text, "\\i0 "); }
std::string underline(const std::string& text) { return wrap("\\ul ", text, "\\ulnone "); }
std::string red(const std::string& text) { return wrap("\\cf1 ", text, "\\cf0 "); }
std::string green(const std::string& text) { return wrap("\\cf2 ", text, "\\cf0 "); }
std::string blue(const std::string& text) { return wrap("\\cf3 ", text, "\\cf0 "); }

std::string fontSize(const std::string& text, int points) {
  // Doubled in 64 bits: every int has a half-point count, none overflows.
  long long halfPoints = static_cast<long long>(points) * 2;
  std::string out = "\\fs" + std::to_string(halfPoints) + " ";
  out += text;
  out += "\\fs20 ";
  return out;
}

std::string right(const std::string& text) { return "\\qr " + text; }
std::string center(const std::string& text) { return "\\qc " + text; }

std::string link(const std::string& text, const std::string& target) {
  std::string out = "{\\field{\\*\\fldinst{HYPERLINK \"";
  out += target;
  out += "\"}}{\\fldrslt{\\cf1\\ul ";
  out += text;
  out += "\\ulnone\\cf0}}}";
  return out;
}

std::string fromMarkup(const std::string& text) {
  std::string current(text);
  std::string next;
  for (const Pass& pass : kPasses) {
    if (replaceInto(current, pass.search, pass.replacement, next)) current.swap(next);
  }
  return current;
}

}  // namespace rtf
}  // namespace tarn
