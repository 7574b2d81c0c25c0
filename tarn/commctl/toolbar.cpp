// Toolbar: a strip of image buttons over the system's toolbar class, each
// sending its command identifier to the parent.
#include <string>

#include "tarn/bars.h"
#include "tarn/core/detail.h"
#include "tarn/core/child_layout.h"
#include "tarn/core/window_record.h"

namespace tarn {

namespace {

// WS_CHILD | WS_TABSTOP | TBSTYLE_ALTDRAG | TBSTYLE_WRAPABLE | CCS_ADJUSTABLE,
// and 0x10, a bit with no toolbar meaning that the toolbar has always carried.
constexpr DWORD toolbarStyle = 0x40010630;

constexpr INT_PTR noText = -1;  // string index 0 would name the first string added

TBBUTTON buttonRecord(int image, int command, BYTE state, BYTE style) {
  TBBUTTON button = {};
  button.iBitmap = image;
  button.idCommand = command;
  button.fsState = state;
  button.fsStyle = style;
  return button;
}

bool addButtonRecord(HWND toolbar, const TBBUTTON& button) {
  return detail::send(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button)) != FALSE;
}

// The standard small pictures, STD_CUT (0) to STD_PRINT (14).
constexpr int standardImageCount = STD_PRINT + 1;
// The part of a toolbar's window record: where its standard pictures start
// among its images, once they are loaded.
struct StandardImages {
  bool loaded = false;
  int first = 0;
};

// The index of the toolbar's first standard picture, loading them on first use.
int firstStandardImage(HWND toolbar) {
  detail::WindowRecord* r = detail::record(toolbar);
  if (r != nullptr && r->part<StandardImages>().loaded) return r->part<StandardImages>().first;
  int first = static_cast<int>(detail::send(toolbar, TB_LOADIMAGES, IDB_STD_SMALL_COLOR,
                                            reinterpret_cast<LPARAM>(HINST_COMMCTRL)));
  if (r != nullptr) r->part<StandardImages>() = StandardImages{true, first};
  return first;
}

// The toolbar takes its height and its parent's width again.
void followParentWidth(HWND toolbar) {
  detail::followParentSize(toolbar, [](HWND window) { detail::send(window, TB_AUTOSIZE); });
}

}  // namespace

Toolbar::Toolbar() : showText(false) { bindToolbarProperties(); }

Toolbar::Toolbar(int id_, const Control& parent, int x_, int y_, bool enabled_, bool visible_,
                 bool flat_, bool divider_, int exStyle)
    : showText(false) {
  bindToolbarProperties();
  DWORD style = toolbarStyle | (divider_ ? 0 : CCS_NODIVIDER) | (flat_ ? TBSTYLE_FLAT : 0);
  detail::createChild(*this, TOOLBARCLASSNAMEA, NULL, style, static_cast<DWORD>(exStyle), x_, y_, 0,
                      0, parent.hwnd, id_);
  detail::send(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  detail::finishCreation(*this, false, enabled_, visible_);
  followParentWidth(hwnd);
}

void Toolbar::bindToolbarProperties() {
  flat.bind(this, &Toolbar::getFlat, &Toolbar::setFlat);
  divider.bind(this, &Toolbar::getDivider, &Toolbar::setDivider);
  wrapable.bind(this, &Toolbar::getWrapable, &Toolbar::setWrapable);
}

ToolbarButton Toolbar::addButton(const String& text, int image, int command) {
  TBBUTTON button = buttonRecord(image, command, TBSTATE_ENABLED, TBSTYLE_BUTTON);
  button.iString = noText;
  if (showText && text.c_str()[0] != '\0') {
    // The toolbar reads a list of texts up to an empty one: end the caption
    // with two zeros, or the bytes after it are taken as more texts.
    std::string list(text.c_str());
    list.push_back('\0');
    button.iString = detail::send(hwnd, TB_ADDSTRINGA, 0, detail::textArgument(list));
  }
  addButtonRecord(hwnd, button);

  ToolbarButton made;
  made.button = buttonRecord(image, command, TBSTATE_ENABLED, TBSTYLE_BUTTON);
  made.control = hwnd;
  made.command = command;
  made.id = command;
  return made;
}

ToolbarButton Toolbar::addStandardButton(int standardImage, int command, const String& text) {
  if (hwnd == NULL || standardImage < 0 || standardImage >= standardImageCount)
    return ToolbarButton();
  return addButton(text, firstStandardImage(hwnd) + standardImage, command);
}

bool Toolbar::addSeparator() { return addButtonRecord(hwnd, buttonRecord(0, 0, 0, TBSTYLE_SEP)); }

HIMAGELIST Toolbar::setImageList(const ImageList& images) {
  return reinterpret_cast<HIMAGELIST>(
      detail::send(hwnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.list)));
}

// ---------------------------------------------------------------------------
// Named options: the positional constructors under another spelling.

Toolbar::Toolbar(const Control& parent, const ToolbarOptions& o)
    : Toolbar(detail::optionsId(o.id), parent, o.x, o.y, o.enabled, o.visible, o.flat, o.divider,
              o.exStyle) {
  detail::finishOptions(*this, o.id, -1, -1, false);
}

}  // namespace tarn
