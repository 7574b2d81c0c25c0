// Tarn common controls: Guage (progress bar), Track (slider), MonthCalendar,
// DatePicker, ScrollBar, and Tab with the TabPage records naming its tabs.
//
// Events (onClick, onChange, onSelectionChange, onActivate) behave as the
// standard controls' do (controls.h): set again replaces, null removes, ended
// with the window, run before the form's handlers and procedure, which still
// see the message; a handler may destroy its control or form, and an
// exception leaving it is caught and reported with the runtime check.
//
// Classes and functions in this file (sources):
//   Guage, Track                commctl/bars.cpp
//   MonthCalendar, DatePicker   commctl/dates.cpp
//   ScrollBar                   commctl/scroll_bar.cpp
//   TabPage, Tab                commctl/tab.cpp
//   their events (onChange)     commctl/control_events.cpp
//   XOptions beside each class X   the class's own source
#ifndef TARN_COMMCTL_H
#define TARN_COMMCTL_H

#include <functional>

#include "graphics.h"

namespace tarn {

// ===========================================================================
// Bars and dates
// ===========================================================================

/// The options of a Guage, in its constructor's order (see ControlOptions).
struct GuageOptions {
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
  /// Whether the bar lies down (false stands it upright).
  bool horizontal = true;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Whether the bar is drawn continuous instead of in blocks.
  bool smooth = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A progress bar showing a percentage.
class Guage : public Control {
 public:
  /// An object with no window (hwnd 0).
  Guage();
  /// Makes the bar with identifier `id` in `parent`; `smooth` draws a continuous bar instead
  /// of blocks, `horizontal` false stands it upright.
  Guage(int id, int x, int y, int width, int height, const Control& parent, bool horizontal = true,
        bool enabled = true, bool visible = true, bool centred = false, bool smooth = false,
        int exStyle = 0);
  /// Makes the bar from named options.
  Guage(const Control& parent, const GuageOptions& options);

  /// The last value set, 0..100.
  int percent;  // the last value set, 0..100
  /// The percentage shown; written values are clamped to 0..100.
  Property<Guage, int> value;  // written values are clamped to 0..100

 private:
  void bindProperties();
  int getValue() const { return percent; }
  void setValue(int newValue);
};

/// The options of a Track, in its constructor's order (see ControlOptions).
struct TrackOptions {
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
  /// The top of the range (the bottom is 0).
  int maximum = 100;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Whether the slider stands upright.
  bool vertical = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A slider from 0 to `maximum`. Setting `value` notifies the parent as a drag
/// of the thumb would, so its handler sees programmatic changes like the user's.
class Track : public Control {
 public:
  /// An object with no window (hwnd 0).
  Track();
  /// Makes the slider with identifier `id` in `parent`, from 0 to `maximum`; `vertical` stands
  /// it upright.
  Track(int id, int x, int y, int width, int height, const Control& parent, int maximum = 100,
        bool enabled = true, bool visible = true, bool centred = false, bool vertical = false,
        int exStyle = 0);
  /// Makes the slider from named options.
  Track(const Control& parent, const TrackOptions& options);

  /// The last value set through `value`.
  int position;  // the last value set through `value`
  /// The top of the range as constructed.
  int maximum;  // as constructed
  /// Negative values become 0; there is no upper clamp here (the control
  /// keeps the thumb in its range).
  Property<Track, int> value;
  /// Reads the control's tick count; writing sets the range 0..value.
  Property<Track, int> range;
  /// The bottom of the range; writing sets it and redraws.
  Property<Track, int> min;
  /// The top of the range; writing sets it and redraws.
  Property<Track, int> max;

  /// Removes the tick marks the program set (the first and last stay).
  void clearTicks();

  /// Runs `handler` with the new position whenever the thumb moves: dragged,
  /// clicked, moved by the keys, or set through `value` (which tells the
  /// parent as a drag would). Once per change: a report that leaves the thumb
  /// where it was runs nothing.
  void onChange(std::function<void(int position)> handler);

 private:
  void bindProperties();
  int getValue() const;
  void setValue(int newValue);
  int getRange() const;
  void setRange(int newMaximum);
  int getMin() const;
  void setMin(int newMin);
  int getMax() const;
  void setMax(int newMax);
};

/// The options of a MonthCalendar (the text is not shown); sizes of 0 take the
/// room one month needs.
using MonthCalendarOptions = ControlOptions;

/// A month calendar with settable colours.
class MonthCalendar : public Control {
 public:
  /// An object with no window (hwnd 0).
  MonthCalendar();
  /// Makes the calendar with identifier `id` in `parent`.
  /// `text` is not shown.
  MonthCalendar(const String& text, int id, int x, int y, int width, int height,
                const Control& parent, bool enabled = true, bool visible = true,
                bool centred = false, int exStyle = 0);
  /// Makes the calendar from named options.
  MonthCalendar(const Control& parent, const MonthCalendarOptions& options);

  /// Write-only.
  /// The background of the title (month and year).
  Property<MonthCalendar, COLORREF> titleBackColor;
  /// Write-only: the colour of the title's text.
  Property<MonthCalendar, COLORREF> titleTextColor;
  /// Also colours the days before and after the month, so they are not seen.
  /// Write-only: the background of the month's days.
  Property<MonthCalendar, COLORREF> monthBackColor;

 private:
  void bindProperties();
  void setTitleBackColor(COLORREF colour);
  void setTitleTextColor(COLORREF colour);
  void setMonthBackColor(COLORREF colour);
};

/// The options of a DatePicker (the text is not shown).
using DatePickerOptions = ControlOptions;

/// A date picker: a field showing a date with a drop-down calendar.
class DatePicker : public Control {
 public:
  /// An object with no window (hwnd 0).
  DatePicker();
  /// Makes the date picker with identifier `id` in `parent`, showing today's date.
  /// `text` is not shown.
  DatePicker(const String& text, int id, int x, int y, int width, int height, const Control& parent,
             bool enabled = true, bool visible = true, bool centred = false, int exStyle = 0);
  /// Makes the date picker from named options.
  DatePicker(const Control& parent, const DatePickerOptions& options);
};

// ===========================================================================
// Scroll bar
// ===========================================================================

/// The options of a ScrollBar, in its constructor's order (see ControlOptions).
struct ScrollBarOptions {
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
  /// 1 makes a horizontal bar; any other value a vertical one.
  int horizontal = 1;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A stand-alone scroll bar, range 1..100 when created. The user's scrolling
/// reaches the parent as WM_HSCROLL / WM_VSCROLL.
class ScrollBar : public Control {
 public:
  /// An object with no window (hwnd 0).
  ScrollBar();
  /// Makes the scroll bar with identifier `id` in `parent`, range 1..100.
  /// `horizontal` 1 makes a horizontal bar; any other value a vertical one.
  ScrollBar(int id, int x, int y, int width, int height, const Control& parent, int horizontal = 1,
            bool enabled = true, bool visible = true, bool centred = false, int exStyle = 0);
  /// Makes the scroll bar from named options.
  ScrollBar(const Control& parent, const ScrollBarOptions& options);

  /// Whether the bar is vertical.
  bool vertical;
  /// Reading `position` commits the thumb's track position (where the user is
  /// dragging or left it) as the position and answers it; 0 when the bar
  /// cannot be asked.
  Property<ScrollBar, int> position;
  /// The bottom of the range; writing keeps max.
  Property<ScrollBar, int> min;  // writing keeps max
  /// The top of the range; writing keeps min.
  Property<ScrollBar, int> max;  // writing keeps min

  /// Sets the range `min`..`max` and redraws the bar; true on success.
  bool setRange(int min, int max);

  /// Runs `handler` with the new position whenever the user scrolls the bar.
  /// With a handler set the bar moves its own thumb as the user scrolls: an
  /// arrow (or arrow key) by one, the track (Page Up, Page Down) by the
  /// bar's page or, without one, a tenth of the range, Home and End to the
  /// ends, a drag where the thumb is; within the range. A program that moves
  /// the thumb in its own scroll handler sets none. Once per change: scrolling
  /// at an end runs nothing. Writing `position` runs nothing.
  void onChange(std::function<void(int position)> handler);

 private:
  void bindProperties();
  int getPosition() const;
  void setPosition(int value);
  int getMin() const;
  void setMin(int value);
  int getMax() const;
  void setMax(int value);
};

// ===========================================================================
// Tab control
// ===========================================================================

/// One tab of a tab control, and the page attached to it. A record names its
/// tab by index: removing an earlier tab moves the tabs after it.
class TabPage {
 public:
  /// A record naming no tab: index -1, control 0.
  TabPage();  // names no tab: index -1, control 0
  /// A record for tab `index` of `control`, keeping the request `item` (text pointer 0).
  TabPage(const TCITEMA& item, int index, HWND control);

  /// Whether a page has been attached.
  bool hasPage;
  /// A plain object for the attached window.
  Control page;  // a plain object for the attached window
  /// The request as sent, without its text pointer.
  TCITEMA item;  // the request as sent, without its text pointer
  /// The tab's index.
  int index;
  /// The tab control's window.
  HWND control;
  /// Read-only: the tab's width in 96-DPI units; 0 for an empty record.
  Property<TabPage, int> width;  // read-only: the tab's width, 0 for an empty record
  /// Read-only: the tab's height in 96-DPI units; 0 for an empty record.
  Property<TabPage, int> height;  // read-only

  /// Makes `window` the page: a child of the tab control, laid out and shown
  /// when this tab is selected, hidden otherwise.
  TabPage& setPage(const Control& window);
  /// Places the page in the tab control's display area, 5 units in from its
  /// edges, and shows it when this tab is selected. Answers 1.
  int layout();
  /// Selects this tab and shows its page (other pages stay as they are).
  void select();
  /// Hides the page, if any; answers 1.
  int hide();
  /// Destroys the page's window and deletes the tab. An empty record answers true.
  bool remove();
  /// The tab's rectangle in the tab control's client area, in device pixels (empty for a tab
  /// that does not exist).
  RECT rect() const;

 private:
  void bindProperties();
  int getWidth() const;
  int getHeight() const;
  bool isSelected() const;
};

/// The options of a Tab, in its constructor's order (see ControlOptions).
struct TabOptions {
  /// The window's name (not shown).
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
  /// Where the tabs go (Tab's constructor lists the types; others are 0).
  int type = 0;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A tab control. Commands reaching it from its pages go on to its parent.
class Tab : public Control {
 public:
  /// An object with no window (hwnd 0).
  Tab();
  /// Makes the tab control with identifier `id` in `parent`, its tabs placed by `type`.
  /// `type`: 0 tabs on top, 1 vertical, 2 and 3 at the bottom, 4 buttons, 5
  /// vertical buttons, 6 and 7 buttons at the bottom, 8 a modal frame; others
  /// as 0. `text` is not shown.
  Tab(const String& text, int id, int x, int y, int width, int height, const Control& parent,
      int type = 0, bool enabled = true, bool visible = true, bool centred = false,
      int exStyle = 0);
  /// Makes the tab control from named options.
  Tab(const Control& parent, const TabOptions& options);

  /// Read-only: the number of tabs.
  Property<Tab, int> count;  // read-only

  /// Adds a tab with `text` and image `image` (-1: none) at the end; returns its record.
  TabPage addTab(const String& text, int image = -1);
  /// The record of an existing tab; an empty record when there is no such tab.
  TabPage tab(int index) const;
  /// Deletes the tab at `index` (its page's window stays); true on success.
  bool removeTab(int index);
  /// Deletes every tab; true on success.
  bool clear();
  /// The rectangle of tab `index` in the control's client area, in device pixels (empty when
  /// there is no such tab).
  RECT tabRect(int index) const;
  /// The selected tab's index; -1 when none is.
  int selected() const;
  /// Each answers the previous selection (-1 when the index is refused).
  int select(int index);
  /// Selects the tab `page` names; the previous selection (-1 when the index is refused).
  int select(const TabPage& page);
  /// Gives the tabs an image list; returns the previous one.
  HIMAGELIST setImageList(const ImageList& images);
  /// Runs `handler` with the selected tab's index when the user selects
  /// another tab (a click, Ctrl+Tab, the arrow keys; TCM_SETCURFOCUS as
  /// well). The system reports no selection through select().
  void onChange(std::function<void(int index)> handler);

  /// The extra style bits and extended style bits of a tab type.
  static DWORD typeStyle(int type);
  /// The extended style bits of a tab type.
  static DWORD typeExStyle(int type);

 private:
  int getCount() const;
};

}  // namespace tarn

#endif  // TARN_COMMCTL_H
