// Tarn list controls: ListBox and MCListBox on the system LISTBOX class, and
// ComboBox, the extended combo box with item images. Every item is a text with
// one value attached (its item data); the control holds both, the toolkit
// keeps no copy. Error answers of the controls are turned into the values each
// operation names.
//
// Events (onSelectionChange, onActivate) behave as the other controls' do
// (controls.h): set again replaces, null removes, ended with the window, run
// before the form's handlers and procedure, which still see the message.
//
// Classes and functions in this file (sources):
//   ListBox, MCListBox   controls/list_box.cpp
//   ComboBox             controls/combo_box.cpp
//   their events         controls/control_events.cpp
//   ListBoxOptions, MCListBoxOptions, ComboBoxOptions   the class's own source
#ifndef TARN_LISTS_H
#define TARN_LISTS_H

#include <functional>

#include "graphics.h"

namespace tarn {

// ===========================================================================
// List boxes
// ===========================================================================

/// The options of a ListBox, in its constructor's order (see ControlOptions).
struct ListBoxOptions {
  /// The window's name (it shows nowhere).
  String text{};
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 takes the natural width (Control::naturalSize).
  int width = 0;
  /// The height in 96-DPI units; 0 takes the natural height.
  int height = 0;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Whether a frame is drawn around the list.
  bool border = true;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A single-column list of items in the order added. Searches cover the whole
/// list from its first item.
class ListBox : public Control {
 public:
  /// An object with no window (hwnd 0).
  ListBox();
  /// Makes the list with identifier `id` in `parent`; `border` draws a frame around it (`text`
  /// is the window's name and shows nowhere).
  ListBox(const String& text, int id, int x, int y, int width, int height, const Control& parent,
          bool enabled, bool visible, bool centred, bool border, int exStyle);
  /// Makes the list from named options.
  ListBox(const Control& parent, const ListBoxOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, bool border,
              int exStyle);

  /// Read-only: the selected item's index; -1 when none is selected.
  Property<ListBox, int> selectedIndex;  // read-only: -1 when none is selected
  /// Read-only: the selected item's data; 0 when none is selected.
  Property<ListBox, LPARAM> selectedData;  // read-only: 0 when none is selected

  /// Appends an item; returns its index, or the control's error (-1, -2).
  int addItem(const String& text, LPARAM data);
  /// Selects the first item beginning with `text`; its index, or -1.
  int selectString(const String& text);
  /// False when the control answers -1, which clearing (-1) also gives.
  bool setSelectedIndex(int index);
  /// The first item beginning with `text` (case-insensitive), or -1.
  int findString(const String& text) const;
  /// An item whose whole text equals `text` (case-insensitive), searching after
  /// item 0 and wrapping; or -1.
  int findStringExact(const String& text) const;
  /// The item's data; -1 for an index that does not exist.
  LPARAM itemData(int index) const;
  /// The data of findString's item; 0 when nothing was found.
  LPARAM itemDataOf(const String& text) const;
  /// 0 for an index that does not exist. Hides Control::textLength, which
  /// stays reachable through a Control reference.
  int textLength(int index) const;
  /// The item's whole text; empty for an index that does not exist.
  String itemText(int index) const;
  /// Removes the item at `index`; false for an index that does not exist.
  bool removeItem(int index);
  /// Removes findString's item; false when nothing was found.
  bool removeString(const String& text);
  /// The number of items.
  int count() const;
  /// Sets the height of every item in units; the control's answer (-1 on failure).
  LRESULT setItemHeight(int height);
  /// Removes every item; the control's answer.
  LRESULT clear();

  /// Runs `handler` with the selected index when the user selects an item (a
  /// click, the arrow keys, typing an item's first letter). The system
  /// reports no selection the program makes (setSelectedIndex, selectString).
  void onSelectionChange(std::function<void(int index)> handler);
  /// Runs `handler` with the item's index when the user double-clicks an item.
  void onActivate(std::function<void(int index)> handler);

 protected:
  /// Makes the window: the constructors' arguments, plus multi-column layout and column width.
  void build(const String& text, int id, int x, int y, int width, int height, const Control& parent,
             bool enabled, bool visible, bool centred, bool border, bool multiColumn,
             int columnWidth, int exStyle);

  /// Where findString and selectString start: -1 searches from the first item,
  /// 0 after item 0 (item 0 is examined last).
  WPARAM searchStart;

 private:
  void bindProperties();
  int getSelectedIndex() const;
  LPARAM getSelectedData() const;
};

/// The options of an MCListBox, in its constructor's order (see ControlOptions).
struct MCListBoxOptions {
  /// The window's name (it shows nowhere).
  String text{};
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 takes the natural width (Control::naturalSize).
  int width = 0;
  /// The height in 96-DPI units; 0 takes the natural height.
  int height = 0;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Whether a frame is drawn around the list.
  bool border = true;
  /// The width of the columns in 96-DPI units.
  int columnWidth = 100;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// The list laid out in columns of a fixed width. Its searches start after item
/// 0 and wrap, so a match at index 1 or later wins over one at index 0.
class MCListBox : public ListBox {
 public:
  /// An object with no window (hwnd 0).
  MCListBox();
  /// Makes the list with identifier `id` in `parent`, in columns `columnWidth` units wide.
  MCListBox(const String& text, int id, int x, int y, int width, int height, const Control& parent,
            bool enabled, bool visible, bool centred, bool border, int columnWidth, int exStyle);
  /// Makes the list from named options.
  MCListBox(const Control& parent, const MCListBoxOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, bool border,
              int columnWidth, int exStyle);

  /// Sets the width of the columns in units and repaints the list; always 1.
  int setColumnWidth(int width);
};

// ===========================================================================
// Combo box
// ===========================================================================

/// The options of a ComboBox, in its constructor's order (see ControlOptions).
/// A height of 0 gives the closed field its natural height and the list that
/// drops from it room for several items.
struct ComboBoxOptions {
  /// The field's first text (a list-only box shows none).
  String text{};
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 takes the natural width (Control::naturalSize).
  int width = 0;
  /// The height in 96-DPI units; 0 takes the natural height.
  int height = 0;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Whether the box has no editable field: the user only picks from the list.
  bool listOnly = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A drop-down list (with an editable field unless list-only) whose items carry
/// a text, a value and an image index into the attached image list.
class ComboBox : public Control {
 public:
  /// An object with no window (hwnd 0).
  ComboBox();
  /// Makes the combo box with identifier `id` in `parent`; `listOnly` leaves out the editable
  /// field.
  ComboBox(const String& text, int id, int x, int y, int width, int height, const Control& parent,
           bool enabled, bool visible, bool centred, bool listOnly, int exStyle);
  /// Makes the combo box from named options.
  ComboBox(const Control& parent, const ComboBoxOptions& options);
  /// Makes the window for an object built without one; the arguments are the constructor's.
  void create(const String& text, int id, int x, int y, int width, int height,
              const Control& parent, bool enabled, bool visible, bool centred, bool listOnly,
              int exStyle);

  /// The position the next addItem asks for; it counts every addItem and is
  /// not reset by removing items or clear.
  int insertCount;
  /// Read-only: the selected item's index; -1 when none is selected.
  Property<ComboBox, int> selectedIndex;  // read-only: -1 when none is selected
  /// Read-only: the selected item's data; 0 when none is selected.
  Property<ComboBox, LPARAM> selectedData;  // read-only: 0 when none is selected
  /// Read-only: the index of the first item the drop-down list shows.
  Property<ComboBox, int> topIndex;  // read-only: the first visible item

  /// Inserts at insertCount, or at the end when fewer items remain; returns the
  /// item's index, or -1 when the control refused it.
  int addItem(const String& text, LPARAM data, int image);
  /// Returns the previous image list.
  HIMAGELIST setImageList(ImageList imageList);
  /// Selects findString's item; its index, or -1 (the selection is kept).
  int selectString(const String& text);
  /// Selects the item at `index` (-1 clears the selection); false when the control refuses.
  bool setSelectedIndex(int index);
  /// The first item beginning with `text` (case-insensitive), searching after
  /// item 0 and wrapping; or -1.
  int findString(const String& text) const;
  /// An item whose whole text equals `text` (case-insensitive), or -1.
  int findStringExact(const String& text) const;
  /// The item's data; 0 for an index that does not exist.
  LPARAM itemData(int index) const;
  /// The data of findString's item; 0 when nothing was found.
  LPARAM itemDataOf(const String& text) const;
  /// 0 for an index that does not exist. Hides Control::textLength.
  int textLength(int index) const;
  /// The item's whole text; empty for an index outside 0..count()-1.
  String itemText(int index) const;
  /// Removes the item at `index`; false for an index that does not exist.
  bool removeItem(int index);
  /// Removes findString's item; false when nothing was found.
  bool removeString(const String& text);
  /// The number of items.
  int count() const;
  /// Sets the height of the items in units; the control's answer (-1 on failure).
  LRESULT setItemHeight(int height);
  /// Removes every item; the control's answer.
  LRESULT clear();

  /// Runs `handler` with the selected index when the user selects an item (in
  /// the drop-down list or with the arrow keys). The system reports no
  /// selection the program makes (setSelectedIndex, selectString).
  void onSelectionChange(std::function<void(int index)> handler);

 private:
  void bindProperties();
  int getSelectedIndex() const;
  LPARAM getSelectedData() const;
  int getTopIndex() const;
};

}  // namespace tarn

#endif  // TARN_LISTS_H
