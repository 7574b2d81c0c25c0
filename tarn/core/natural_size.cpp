// Control::naturalSize: the window's class and style pick the rule, its text is
// measured in its own font at its DPI, and the rule (sizing.cpp) adds the
// padding.
#include <cstring>
#include <vector>

#include "tarn/core.h"
#include "tarn/core/detail.h"
#include "tarn/core/dpi.h"
#include "tarn/core/holders.h"
#include "tarn/core/sizing.h"

namespace tarn {

namespace {

using detail::SizingKind;

// How the window's text is drawn: '&' marks a mnemonic on buttons and
// labels, and is a plain character in text boxes.
enum class TextDrawing { none, prefixed, plain };

struct ClassRule {
  const char* className;  // compared without case
  SizingKind kind;
  TextDrawing drawing;
};

// The system's and the toolkit's window classes; BUTTON, EDIT, STATIC and the
// bars look at their style too (kindOf). A class not listed keeps its size.
constexpr ClassRule classRules[] = {
    {"Button", SizingKind::pushButton, TextDrawing::prefixed},
    {"Edit", SizingKind::singleLine, TextDrawing::plain},
    {"Static", SizingKind::label, TextDrawing::prefixed},
    {"ListBox", SizingKind::list, TextDrawing::none},
    {"ComboBox", SizingKind::comboBox, TextDrawing::plain},
    {"ComboBoxEx32", SizingKind::comboBox, TextDrawing::plain},
    {"SysListView32", SizingKind::view, TextDrawing::none},
    {"SysTreeView32", SizingKind::view, TextDrawing::none},
    {"SysTabControl32", SizingKind::tab, TextDrawing::none},
    {"SysMonthCal32", SizingKind::view, TextDrawing::none},
    {"SysDateTimePick32", SizingKind::singleLine, TextDrawing::plain},
    {"RICHEDIT", SizingKind::richText, TextDrawing::none},
    {"RichEdit20A", SizingKind::richText, TextDrawing::none},
    {"msctls_progress32", SizingKind::horizontalBar, TextDrawing::none},
    {"msctls_trackbar32", SizingKind::horizontalBar, TextDrawing::none},
    {"ScrollBar", SizingKind::horizontalBar, TextDrawing::none},
    {"#32770", SizingKind::form, TextDrawing::none},
};

String classNameOf(HWND window) {
  char name[64] = {0};
  GetClassNameA(window, name, sizeof name);
  return String(name);
}

// The rule for the window, its style deciding among a class's kinds.
ClassRule ruleFor(HWND window) {
  String name = classNameOf(window);
  LONG style = GetWindowLongA(window, GWL_STYLE);
  for (const ClassRule& rule : classRules) {
    if (lstrcmpiA(rule.className, name.c_str()) != 0) continue;
    ClassRule chosen = rule;
    if (lstrcmpiA(name.c_str(), "Button") == 0) {
      switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: chosen.kind = SizingKind::checkBox; break;
        case BS_GROUPBOX: chosen.kind = SizingKind::groupBox; break;
        default: break;
      }
    } else if (lstrcmpiA(name.c_str(), "Edit") == 0 && (style & ES_MULTILINE) != 0) {
      chosen.kind = SizingKind::multiLine;
    } else if (lstrcmpiA(name.c_str(), "Static") == 0 && (style & SS_TYPEMASK) != SS_LEFT &&
               (style & SS_TYPEMASK) != SS_CENTER && (style & SS_TYPEMASK) != SS_RIGHT &&
               (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP && (style & SS_TYPEMASK) != SS_SIMPLE) {
      chosen.kind = SizingKind::asItIs;  // pictures and frames
      chosen.drawing = TextDrawing::none;
    } else if (((lstrcmpiA(name.c_str(), "msctls_progress32") == 0 &&
                 (style & PBS_VERTICAL) != 0) ||
                (lstrcmpiA(name.c_str(), "msctls_trackbar32") == 0 && (style & TBS_VERT) != 0) ||
                (lstrcmpiA(name.c_str(), "ScrollBar") == 0 && (style & SBS_VERT) != 0))) {
      chosen.kind = SizingKind::verticalBar;
    }
    return chosen;
  }
  return ClassRule{"", SizingKind::asItIs, TextDrawing::none};
}

// The window's text measured in its own font; empty text measures one line.
detail::TextMeasure measureText(HWND window, TextDrawing drawing) {
  detail::TextMeasure measure;
  detail::WindowDC dc(window);
  if (dc == NULL) return measure;
  HFONT font = reinterpret_cast<HFONT>(detail::send(window, WM_GETFONT));
  detail::Selection chosen(dc,
                           font != NULL ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  TEXTMETRICA metrics = {};
  if (GetTextMetricsA(dc, &metrics)) {
    measure.lineHeight = metrics.tmHeight;
    measure.averageWidth = metrics.tmAveCharWidth;
  }
  if (drawing == TextDrawing::none) return measure;
  int length = GetWindowTextLengthA(window);
  if (length <= 0) return measure;
  std::vector<char> chars(static_cast<std::size_t>(length) + 1, '\0');
  int got = GetWindowTextA(window, chars.data(), length + 1);
  if (got <= 0) return measure;
  RECT box = {0, 0, 0, 0};
  UINT format = DT_CALCRECT | DT_LEFT | DT_TOP | DT_EXPANDTABS |
                (drawing == TextDrawing::plain ? DT_NOPREFIX : 0);
  DrawTextA(dc, chars.data(), got, &box, format);
  measure.width = box.right - box.left;
  measure.height = box.bottom - box.top;
  return measure;
}

// A month calendar knows the room one month takes.
bool calendarSize(HWND window, int dpi, Size& size) {
  RECT need = {0, 0, 0, 0};
  if (!detail::send(window, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need))) return false;
  if (need.right - need.left <= 0 || need.bottom - need.top <= 0) return false;
  size.width = detail::unitsCovering(need.right - need.left, dpi);
  size.height = detail::unitsCovering(need.bottom - need.top, dpi);
  return true;
}

}  // namespace

Size Control::naturalSize() const {
  if (hwnd == NULL || !IsWindow(hwnd)) return Size();
  int windowDpi = getDpi();
  Size size;
  if (lstrcmpiA(classNameOf(hwnd).c_str(), MONTHCAL_CLASSA) == 0 &&
      calendarSize(hwnd, windowDpi, size))
    return size;
  ClassRule rule = ruleFor(hwnd);
  RECT now = windowRect();
  detail::Extent present = {detail::unscale(now.right - now.left, windowDpi),
                            detail::unscale(now.bottom - now.top, windowDpi)};
  detail::Extent natural =
      detail::naturalExtent(rule.kind, measureText(hwnd, rule.drawing), windowDpi, present);
  size.width = natural.width;
  size.height = natural.height;
  return size;
}

}  // namespace tarn
