// Tarn: a toolkit of plain value objects over the 32-bit Windows user interface.
//
// The one header a program needs: a program includes it and links the
// `tarn` library. Including it also defines the toolkit's global objects (the
// rich-edit library, common-control registration, `treeRoot`, the system object,
// `cursor`, `application`, `screen`), which are constructed, in that order,
// before any global object the program defines after the include.
//
// It includes the subsystem headers, each usable on its own:
//   property.h  platform headers, runtime checks, Property
//   text.h      String, StringList, RTF builders and markupToRtf
//   core.h      Application, Screen, Cursor, Control, its named timers, message boxes
//   graphics.h  Icon, Bitmap, ImageList, drawBitmap, drawDib, the choosers
//   system.h    FileDialog, Buffer, Spreadsheet, TextFile, System, LanguageTable
//   forms.h     Form, the form procedures, ImageBox
//   menus.h     Menu, MenuItem, PopupMenu, Toolbar, CoolBar
//   controls.h  buttons, text boxes, labels and picture boxes, status bar, ControlGroup
//   lists.h     ListBox, MCListBox, ComboBox
//   views.h     ListView, TableView, TreeView and their item records
//   commctl.h   Guage, Track, MonthCalendar, DatePicker, ScrollBar, Tab
//   richtext.h  RichTextBox
//   console.h   Console
//   tips.h      TipsDialog, Tip and tips files as bytes and as text
//   mdi.h       MDIForm, Splitter, VideoControl
//   color_button.h  ColorButton
// A program that includes only a subsystem header gets its classes but not the
// globals below; the toolkit's own globals are then constructed in no fixed
// order relative to the program's.
#ifndef TARN_TARN_H
#define TARN_TARN_H

#include "property.h"
#include "text.h"
#include "core.h"
#include "graphics.h"
#include "system.h"
#include "forms.h"
#include "menus.h"
#include "controls.h"
#include "lists.h"
#include "views.h"
#include "commctl.h"
#include "richtext.h"
#include "console.h"
#include "tips.h"
#include "mdi.h"
#include "color_button.h"

namespace tarn {

// ===========================================================================
// Start-up globals
// ===========================================================================

namespace detail {
HMODULE loadRichEdit();
bool registerCommonControls();
}  // namespace detail

// Constructed in this order before any global the program defines after
// including this header (inline variables are initialised in the order of their
// definitions in every translation unit).
inline HMODULE richEditLibrary = detail::loadRichEdit();
inline bool commonControlsReady = detail::registerCommonControls();
// The record standing for the root of every tree: parent 0, handle TVI_ROOT.
inline TreeItem treeRoot(NULL, TVI_ROOT);
inline System systemInfo;
inline Cursor cursor;
inline Application application;
inline Screen screen;
inline StringList emptyStringList;

// Identifier counters: controls take ++controlIdCounter (the first gets 151);
// each form takes 3024 + formCounter++.
inline int controlIdCounter = 150;
inline int formCounter = 0;

}  // namespace tarn

#endif  // TARN_TARN_H
