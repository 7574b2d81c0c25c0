// Tarn: a toolkit of plain value objects over the 32-bit Windows user interface.
//
// The one header a program needs: a program includes it and links the
// `tarn` library. Including it also defines the toolkit's global objects (the
// rich-edit library, common-control registration, `treeRoot`, the system object,
// `cursor`, `application`, `screen`), which are constructed, in that order,
// before any global object the program defines after the include.
//
// It includes the subsystem headers, each usable on its own (<tarn/NAME.h>),
// layer by layer from the bottom (scripts/check-layers holds the order):
//   header           classes and functions                         sources
//   property.h       platform headers, runtime checks, Property    core/check.cpp
//   version.h        version                                       (header only)
//   text.h           String, StringList, RTF builders, markupToRtf text/
//   core.h           Application, Screen, Cursor, Control          core/
//   control_group.h  ControlGroup                                  core/control_group.cpp
//   layout.h         Layout, LayoutOptions, LayoutItem, Align      core/layout.cpp, layout_geometry
//   post.h           post (work handed to a window's thread)       core/post.cpp
//   graphics.h       Icon, Bitmap, ImageList, drawBitmap, drawDib  graphics/
//   system.h         FileDialog, Buffer, Spreadsheet, TextFile ... system/
//   console.h        Console                                       system/console.cpp
//   language_table.h LanguageTable                                 system/language_table.cpp
//   controls.h       buttons, text boxes, labels, StatusBar        controls/
//   lists.h          ListBox, MCListBox, ComboBox                  controls/list_box, combo_box
//   commctl.h        Guage, Track, calendars, ScrollBar, Tab       commctl/
//   views.h          ListView, TableView, TreeView, item records   commctl/list_view, tree_*
//   menus.h          Menu, MenuItem, PopupMenu                     commctl/menu.cpp
//   bars.h           Toolbar, CoolBar                              commctl/toolbar, cool_bar
//   richtext.h       RichTextBox                                   commctl/rich_text_box.cpp
//   forms.h          Form, the form procedures, ImageBox           forms/form.cpp, image_box.cpp
//   mdi.h            MDIForm                                       forms/mdi.cpp
//   splitter.h       Splitter                                      forms/splitter.cpp
//   video.h          VideoControl                                  forms/video.cpp
//   color_button.h   ColorButton                                   forms/color_button.cpp
//   tips.h           TipsDialog, Tip, tips files                   forms/tips_*.cpp
//   choosers.h       chooseFolder, chooseOpenFile, chooseColor ... forms/choosers.cpp
//   message_box.h    msgBox, infoBox ... yesNoCancelBox            forms/message_box.cpp
//   globals.h        the start-up globals (application, screen ...) forms/startup.cpp
// A program that includes only a subsystem header gets its classes but not the
// globals (globals.h); the toolkit's own globals are then constructed in no fixed
// order relative to the program's.
#ifndef TARN_TARN_H
#define TARN_TARN_H

#include "property.h"
#include "text.h"
#include "core.h"
#include "layout.h"
#include "post.h"
#include "graphics.h"
#include "system.h"
#include "forms.h"
#include "message_box.h"
#include "choosers.h"
#include "language_table.h"
#include "mdi.h"
#include "splitter.h"
#include "video.h"
#include "controls.h"
#include "lists.h"
#include "menus.h"
#include "bars.h"
#include "control_group.h"
#include "views.h"
#include "commctl.h"
#include "color_button.h"
#include "richtext.h"
#include "console.h"
#include "tips.h"
#include "version.h"
#include "globals.h"

#endif  // TARN_TARN_H
