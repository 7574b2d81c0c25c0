// Tarn core: Application, Screen and Cursor, and Control, the window object
// base every form and control derives from, with its named timers (TimerEntry),
// its natural size (Size) and its message boxes (the same boxes as free
// functions: message_box.h); ControlOptions and the automatic identifiers.
//
// Classes and functions in this file (sources):
//   Application, Screen, Cursor   core/application.cpp (the destructor: forms/startup.cpp)
//   Control                       core/control.cpp, control_geometry.cpp,
//                                 control_tooltip.cpp, control_timers.cpp,
//                                 drops.cpp (onDropFiles)
//   Size, Control::naturalSize    core/natural_size.cpp, sizing.cpp
//   Control::setLayout, relayout,
//   fitToLayout                   core/window_layout.cpp
//   ControlOptions                core/creation.cpp (the options constructors: each control's)
//   automatic identifiers         core/automatic_ids.cpp
//   TimerEntry, named timers      core/control_timers.cpp
//   detail::ObjectLink            core/window_record.cpp
//   Control's message boxes       forms/message_box.cpp
#ifndef TARN_CORE_H
#define TARN_CORE_H

#include <functional>

#include "text.h"

namespace tarn {

// ===========================================================================
// Application, screen, cursor
// ===========================================================================

/// The running program: its path and folder, its arguments, its build stamp and the time since
/// it started. The global `application` (from tarn.h) is the one a program uses.
class Application {
 public:
  /// The build stamp defaults to the compile date and time of the translation
  /// unit that constructs the object (for the global: the program's own).
  explicit Application(const char* buildDate = __DATE__, const char* buildTime = __TIME__);
  /// A copy of another application object (the same start time, path and arguments).
  Application(const Application& other) = default;
  /// Copies the start time, path, arguments and build stamp of `other`.
  Application& operator=(const Application& other) = default;
  /// Ends the object; the program and its arguments are not touched.
  ~Application();

  /// Milliseconds since the object was constructed; read-only.
  Property<Application, unsigned> elapsed;
  /// The full path of the running program's executable; read-only.
  Property<Application, String> exePath;
  /// The folder of the running program, without a trailing backslash; read-only.
  Property<Application, String> folder;
  /// The build stamp's date ("Mmm dd yyyy"); read-only.
  Property<Application, String> compileDate;
  /// The build stamp's time ("hh:mm:ss"); read-only.
  Property<Application, String> compileTime;

  /// Replaces the arguments with the pieces of `line` cut at tabs, each without
  /// its double quotes.
  void setCommandLine(const char* line);
  /// The arguments set by setCommandLine (none before it is called).
  StringList arguments() const { return args; }
  /// Posts the quit message: the program's message loop ends with exit code 0.
  void quit();

  /// The folder of a module path: everything before its last `'\'` or `'/'`.
  static String folderOf(const String& path);

 private:
  unsigned getElapsed() const;
  String getExePath() const { return path; }
  String getFolder() const { return dir; }
  String getCompileDate() const { return buildDate; }
  String getCompileTime() const { return buildTime; }

  DWORD startTick;
  String path;
  String dir;
  StringList args;
  String buildDate;
  String buildTime;
};

/// Posts the quit message: the program's message loop ends with exit code 0.
void quit();

/// The primary screen's size in pixels (device pixels in a DPI-aware program,
/// scaled to 96 DPI in one that is not).
class Screen {
 public:
  /// Binds the properties to the primary screen.
  Screen();
  /// The primary screen's width in device pixels; read-only.
  Property<Screen, int> width;
  /// The primary screen's height in device pixels; read-only.
  Property<Screen, int> height;
  /// The desktop window's handle.
  HWND desktop;

 private:
  int getWidth() const;
  int getHeight() const;
};

/// The mouse cursor: its position and whether it shows.
class Cursor {
 public:
  /// Binds the properties to the mouse cursor.
  Cursor();
  /// Write-only: true shows the cursor, false hides it (the system counts shows and hides).
  Property<Cursor, bool> visible;  // write-only
  /// The cursor's screen position, x; -1 when it cannot be read. Writing moves the cursor.
  Property<Cursor, int> x;
  /// The cursor's screen position, y; -1 when it cannot be read. Writing moves the cursor.
  Property<Cursor, int> y;

  /// Shows the cursor; returns the system's new display count (it shows at 0 and above).
  int show();
  /// Hides the cursor; returns the system's new display count (it shows at 0 and above).
  int hide();
  /// Moves the cursor to screen position (x, y); nonzero on success.
  BOOL moveTo(int x, int y);

 private:
  void setVisible(bool show);
  int getX() const;
  int getY() const;
  void setX(int value);
  void setY(int value);
};

// ===========================================================================
// Window Object Base, Forms, Events, Timers, Image Box
// ===========================================================================

class Control;
class Layout;

namespace detail {

struct WindowRecord;
void moveRecord(HWND from, HWND to);

// Private to the toolkit (core/window_record.cpp). A member of a window object
// through which the object stands for its window in the window's record: the
// registration follows the object when it is moved, is given up for a window
// the object no longer stands for and goes with the object; when the window
// ends first, the object simply stands for none.
class ObjectLink {
 public:
  // What the object is to its window: the one its user-data slot names
  // (registered explicitly; the slot names the latest, and passes to the one
  // registered before it when that one goes), the one driving a family's
  // procedure (registered explicitly), or one of its instances (every object
  // and every copy of it, while it holds the window).
  enum Role : unsigned char { userData, driver, instance };
  static constexpr int roleCount = 3;

  ObjectLink() = default;
  ObjectLink(const ObjectLink& other);
  ObjectLink(ObjectLink&& other) noexcept;
  ObjectLink& operator=(const ObjectLink& other);
  ObjectLink& operator=(ObjectLink&& other) noexcept;
  ~ObjectLink();
  // Ties the link to `owner`, the object it is a member of, in `role`; an
  // instance stands for the owner's window at once.
  void place(const Control* owner, Role role);
  // Registers the owner for `window` as the latest in its role (for the
  // user-data slot, the slot names it); a null window registers for none.
  void link(HWND window);
  // The owner stands for no window any more.
  void unlink();
  // The window the owner is registered for; null for none.
  HWND window() const { return linkedTo; }
  // The object the link is a member of.
  Control* owner() const;

 private:
  friend struct WindowRecord;
  friend void moveRecord(HWND from, HWND to);
  void takeOver(ObjectLink& other);

  std::ptrdiff_t offset = 0;
  HWND linkedTo = NULL;
  Role role = userData;
  bool placed = false;
};

}  // namespace detail

/// A width and a height in 96-DPI units (Control::naturalSize).
struct Size {
  /// The width in 96-DPI units.
  int width = 0;
  /// The height in 96-DPI units.
  int height = 0;
};

/// The options of the controls whose creation takes a text, an identifier, a
/// place and the three states (Label, RadioButton, GroupBox, ListView, ...),
/// each with a default: `Label name(form, {.text = "Name:", .x = 8, .y = 8});`.
/// A width or height of 0 takes the control's natural one (naturalSize) once
/// its window is made; an `id` of 0 takes an automatic identifier
/// (firstAutomaticId .. lastAutomaticId). Every other value, negative sizes
/// included, reaches the control as its positional constructor takes it.
struct ControlOptions {
  /// The control's text (a caption, a list's window name).
  String text{};
  /// The control identifier; 0 takes an automatic one.
  int id = 0;
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 takes the natural width.
  int width = 0;
  /// The height in 96-DPI units; 0 takes the natural height.
  int height = 0;
  /// Whether the control takes input.
  bool enabled = true;
  /// Whether the control shows.
  bool visible = true;
  /// Whether the control is centred in its parent's client area.
  bool centred = false;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// One named timer of a window object.
struct TimerEntry {
  /// The timer's name, as the program gave it.
  String name;
  /// The identifier the window's WM_TIMER carries for this timer (from 1).
  int id = 0;
  /// Milliseconds between ticks.
  int interval = 0;
};

/// The window object base: wraps one native window handle and its parent's.
/// Objects never own their windows: destroying or copying an object leaves the
/// window alone, and a copy is a second object for the same window. The window's
/// user-data slot names the object registered with it last (setDialogProcedure,
/// subclass, backColor); moving a registered object re-registers the new one, and
/// when a registered object is destroyed or takes another window the slot passes
/// to the object registered before it (or is cleared), so the slot never names a
/// dead object.
///
/// Sizes and DPI: positions, sizes and client sizes are 96-DPI units. The toolkit
/// converts them to the window's device pixels with the window's DPI (see `dpi`)
/// where they reach the system and back where they are read, so a program reads
/// what it wrote, within rounding; at 96 DPI the two are the same. The smallest
/// width or height the toolkit applies is 10 units. Values a program passes to
/// the system itself (its own MoveWindow, drawing in a device context) are
/// device pixels: `scaled` converts them. The default font is the stock GUI
/// font, or the same face at the window's DPI where that differs from the
/// screen's.
/// Text lengths (textLength, setTextLimit) count bytes of the ANSI code page:
/// under UTF-8 a character takes one to four.
class Control {
 public:
  /// An object for no window (hwnd and parentHwnd 0): what a top-level form is given as its
  /// parent.
  Control();
  /// An object for `window` and its parent, to call the toolkit on a window made elsewhere.
  explicit Control(HWND window);

  /// Returns a plain object for the same window and parent.
  static Control wrap(const Control& other);

  /// The identifier the next named timer takes (starts at 1, only counts up).
  int timerCounter;
  /// The tooltip made by writing `toolTip`: owned by the window's top-level
  /// window and ended with the window it describes (by destroy() or otherwise).
  /// A window-less object gets none.
  HWND tooltipHwnd;
  /// The colour last written to `backColor`.
  COLORREF backColorValue;
  /// Write-only: paints the window's background in this colour (the object registers with the
  /// window so the form procedures can find the colour).
  Property<Control, COLORREF> backColor;  // write-only
  /// Whether `backColor` has been written.
  bool backColorSet;
  /// The window's text (a form's caption, a control's text); writing sets it.
  Property<Control, String> text;
  /// The window's text, the same as `text`.
  Property<Control, String> caption;
  /// The window's tooltip text (empty without a live window); writing makes or changes the
  /// tooltip.
  Property<Control, String> toolTip;
  /// The window's width in units, frame included; writing keeps the position (at least 10).
  Property<Control, int> width;
  /// The window's height in units, frame included; writing keeps the position (at least 10).
  Property<Control, int> height;
  /// Whether the window is shown; writing shows or hides it.
  Property<Control, bool> visible;
  /// Whether the window takes input; writing enables or disables it.
  Property<Control, bool> enabled;
  /// Read-only: the length of the window's text in bytes.
  Property<Control, int> textLength;  // read-only
  /// Read-only: a device context for the window's client area, a new GetDC at every read;
  /// the reader releases it with ReleaseDC.
  Property<Control, HDC> dc;  // read-only: a new GetDC at every read
  /// The window's left edge: relative to the parent's client area for a child window, a
  /// screen position for a top-level one; writing moves the window (at least 0).
  Property<Control, int> x;
  /// The window's top edge, as `x` is measured; writing moves the window (at least 0).
  Property<Control, int> y;
  /// Read-only: the width of the client area in units.
  Property<Control, int> clientWidth;  // read-only
  /// Read-only: the height of the client area in units.
  Property<Control, int> clientHeight;  // read-only
  /// Write-only: true keeps the window from painting over its children (WS_CLIPCHILDREN).
  Property<Control, bool> clipChildren;  // write-only
  /// The DPI the window is laid out for (read-only): 96 on a screen at 100 %,
  /// 144 at 150 %; the one announced by the form's last WM_DPICHANGED.
  Property<Control, int> dpi;
  /// The edges of its parent this window keeps its distances to when the
  /// parent's client area changes size: anchorLeft | anchorTop (the default)
  /// keeps it where it is; anchored to both opposite edges it stretches. Reads
  /// anchorLeft | anchorTop for a window never anchored, or one without a parent.
  Property<Control, int> anchor;
  /// The control identifier the window was created with (-1 for a window that has none).
  int id;
  /// Where the next drawText line goes: the y position in device pixels, 20 more after each line.
  int drawLine;
  /// The parent's (or a pop-up's owner's) window handle; 0 for a top-level window.
  HWND parentHwnd;
  /// The native window handle; 0 when the object has no window.
  HWND hwnd;
  /// The object's named timers, in the order they were started.
  std::vector<TimerEntry> timers;
  /// A form's notification identifier (3024 + its number among forms), used as its tray
  /// icon's identifier and callback message; 0 for controls.
  int notifyId;

  /// Moves the window to (x, y) (as `x` and `y` are measured, at least 0) keeping its size;
  /// nonzero on success.
  BOOL moveTo(int x, int y);
  /// Sets the window's size (each at least 10 units) keeping its position; nonzero on success.
  BOOL resize(int width, int height);
  /// Shows the window; nonzero when it was visible before.
  BOOL show();
  /// Hides the window; nonzero when it was visible before.
  BOOL hide();
  /// Lets the window take input; nonzero when it was disabled before.
  BOOL enable();
  /// Keeps the window from taking input; nonzero when it was disabled before.
  BOOL disable();
  /// Destroys the window (and its tooltip); true on success. The object keeps its handle.
  bool destroy();
  /// Gives the window the keyboard focus; returns the window that had it (0 if none).
  HWND focus();
  /// Sends the window WM_KILLFOCUS and returns its answer; the focus itself stays.
  LRESULT killFocus();
  /// Gives the window the system's default GUI font.
  void setDefaultFont();
  /// The window's font; 0 for the system font.
  HFONT font() const;
  /// Gives the window `font` and redraws it; the caller keeps the font alive meanwhile.
  void setFont(HFONT font);
  /// Limits a text box to `limit` bytes (EM_LIMITTEXT); returns the control's answer.
  LRESULT setTextLimit(int limit);
  /// Makes the window as wide as its parent's client area, at its left edge.
  void fitWidthToParent();
  /// Makes the window as tall as its parent's client area, at its top edge.
  void fitHeightToParent();
  /// Makes the window fill its parent's client area.
  void fitToParent();
  /// Centres the window over its parent's client area (at least at its top left corner).
  void centre();
  /// The size, in 96-DPI units, that shows the window's content whole in its
  /// own font at its DPI, asked afresh at every call (a new text or font gives a
  /// new size): a push button's text with the system's padding (at least 75 x
  /// 23), a check or radio box's box and text, a label's lines, a single-line
  /// text box or a date picker one line high, a group box, list, view, tab,
  /// rich text or form a size that shows a few items, bars their usual
  /// thickness, a calendar one month. Windows that size themselves (status
  /// bars, toolbars, pictures) answer their present size; {0, 0} without a
  /// window.
  Size naturalSize() const;
  /// Device pixels of this window for `units` 96-DPI units, rounded: for the
  /// program's own drawing and its own calls to the system.
  int scaled(int units) const;
  /// Centres the window on the work area (the screen without the taskbar) of
  /// the screen that holds most of it; a window larger than the work area
  /// keeps its top left corner on it. A window-less object does nothing.
  void centreOnScreen();
  /// Lays out this window's children by `layout` (tarn/layout.h): at once, then
  /// again at every change of the window's size or DPI. Any window may hold a
  /// layout: a form, a child form (a tab page), a group box or frame whose
  /// controls were made with it as their parent. The layout gets the client
  /// area less the window's status bar, toolbars and cool bars (made before or
  /// after) and, for a group box, its caption; a top-level form is never made
  /// smaller than the layout's minimum (its minimum track size). Hidden
  /// controls take no room. The layout is copied: a layout set again replaces
  /// the one before, and a layout holding no control (`Layout()`) removes it,
  /// leaving the controls where they are. Controls that are not children of
  /// this window are left out, reported once with the runtime check. The
  /// layout ends with the window; a window-less object does nothing.
  void setLayout(const Layout& layout);
  /// Lays the children out again from their natural sizes now: after their
  /// texts, fonts or the controls shown changed. Does nothing without a layout.
  void relayout();
  /// Sizes the window so its layout has its natural size (the bars and the
  /// frame around it), keeping its top left corner. Does nothing without a layout.
  void fitToLayout();
  /// Marks the whole window for repainting, background included; always true.
  bool redraw();
  /// Sends the window WM_SIZE (so it lays out its children again) and repaints it; always true.
  bool refreshLayout();
  /// Installs `procedure` as the dialog procedure of the window (a form) and registers the
  /// object with the window; returns the procedure it replaces.
  DLGPROC setDialogProcedure(DLGPROC procedure);
  /// Replaces the window's window procedure with `procedure` and registers the object with the
  /// window; returns the procedure it replaces, for the new one to call on.
  WNDPROC subclass(WNDPROC procedure);
  /// The window's current dialog procedure; 0 for a window that is not a dialog.
  DLGPROC dialogProcedure() const;
  /// The window's style bits (GWL_STYLE).
  LONG currentStyle() const;
  /// The window's extended style bits (GWL_EXSTYLE).
  LONG currentExStyle() const;
  /// Whether any of `bits` is set in the window's style.
  bool hasStyle(LONG bits) const;
  /// Whether any of `bits` is set in the window's extended style.
  bool hasExStyle(LONG bits) const;
  /// Replaces the window's style and redraws its frame; returns the previous style.
  LONG setStyle(LONG style);
  /// Adds `bits` to the window's style and redraws its frame; returns the previous style.
  LONG addStyle(LONG bits);
  /// Removes `bits` from the window's style and redraws its frame; returns the previous style.
  LONG removeStyle(LONG bits);
  /// Replaces the extended style and redraws the frame; returns the previous extended style.
  LONG setExStyle(LONG style);
  /// Adds `bits` to the extended style and redraws the frame; returns the previous one.
  LONG addExStyle(LONG bits);
  /// Removes `bits` from the extended style and redraws the frame; returns the previous one.
  LONG removeExStyle(LONG bits);
  /// The window's control identifier as the system knows it (0 for a top-level window).
  int dialogId() const;
  /// Whether the object has a window.
  bool isCreated() const { return hwnd != NULL; }
  /// Whether the object has no window.
  bool isNull() const { return hwnd == NULL; }
  /// Writes `text` on the window's client area at (0, drawLine) and moves drawLine down 20
  /// pixels; returns the new drawLine.
  int drawText(const String& text);
  /// Starts drawText's lines at the top again.
  void resetText() { drawLine = 0; }

  /// Named timers: identifiers are handed out from 1 per object and never reused.
  /// An object without a window starts none (startTimer answers false).
  /// Starts (or restarts under a new identifier) the timer `name`, ticking every `interval`
  /// milliseconds as WM_TIMER to the window; false without a window.
  bool startTimer(const String& name, int interval);
  /// Stops the timer `name`; false when no such timer runs.
  bool stopTimer(const String& name);
  /// The identifier WM_TIMER carries for the timer `name`; 0 when there is none.
  int timerId(const String& name) const;
  /// The timer's position in `timers`; -1 when there is none.
  int timerIndex(const String& name) const;

  /// Stores this object in the window's user-data slot.
  void registerObject();

  /// Runs `handler` when files are dropped on the window (a form or a control):
  /// with their full paths in the program's code page (read as the system
  /// gives them, so a UTF-8 program gets every name whole, however long) and
  /// the point they were dropped at, in the window's client area, in units.
  /// Setting a handler makes the window accept files; setting it again
  /// replaces it; a null handler removes it (a control then accepts no files,
  /// a form still does and frees what it is given). The drop is finished
  /// before the handler runs, which may destroy the window; an exception the
  /// handler throws is reported with the runtime check. Ends with the window.
  void onDropFiles(std::function<void(const StringList& paths, int x, int y)> handler);

  /// Message boxes owned by this window: text first, then caption. The plain
  /// boxes answer the system's result (IDOK ... IDNO; 0 or -1 when the box
  /// failed). yesNoBox is true for Yes, okCancelBox for OK; yesNoCancelBox
  /// answers 0 for Yes, 1 for No and 2 for anything else.
  int msgBox(const std::string& text, const std::string& caption, UINT type) const;
  /// The information box (OK, information icon); the system's answer.
  int infoBox(const std::string& text, const std::string& caption) const;
  /// The warning box (OK, exclamation icon); the system's answer.
  int warningBox(const std::string& text, const std::string& caption) const;
  /// The error box (OK, error icon); the system's answer.
  int errorBox(const std::string& text, const std::string& caption) const;
  /// The Yes/No box (question icon, No the default); true for Yes.
  bool yesNoBox(const std::string& text, const std::string& caption) const;
  /// The OK/Cancel box (question icon, Cancel the default); true for OK.
  bool okCancelBox(const std::string& text, const std::string& caption) const;
  /// The Yes/No/Cancel box (question icon, Cancel the default): 0 for Yes, 1 for No, 2 for
  /// anything else.
  int yesNoCancelBox(const std::string& text, const std::string& caption) const;
  /// The same boxes with the toolkit's texts, or with character strings (a
  /// null pointer is the empty text), so a String and a literal mix freely.
  ///@{
  int msgBox(const String& text, const String& caption, UINT type) const;
  int infoBox(const String& text, const String& caption) const;
  int warningBox(const String& text, const String& caption) const;
  int errorBox(const String& text, const String& caption) const;
  bool yesNoBox(const String& text, const String& caption) const;
  bool okCancelBox(const String& text, const String& caption) const;
  int yesNoCancelBox(const String& text, const String& caption) const;
  int msgBox(const char* text, const char* caption, UINT type) const;
  int infoBox(const char* text, const char* caption) const;
  int warningBox(const char* text, const char* caption) const;
  int errorBox(const char* text, const char* caption) const;
  bool yesNoBox(const char* text, const char* caption) const;
  bool okCancelBox(const char* text, const char* caption) const;
  int yesNoCancelBox(const char* text, const char* caption) const;
  ///@}

 protected:
  /// Binds the base's properties to this object (each constructor and copy calls it).
  void bindControlProperties();

 private:
  void setBackColor(COLORREF colour);
  String getText() const;
  void setText(String value);
  String getToolTip() const;
  void setToolTip(String value);
  int getWidth() const;
  void setWidth(int value);
  int getHeight() const;
  void setHeight(int value);
  bool getVisible() const;
  void setVisible(bool value);
  bool getEnabled() const;
  void setEnabled(bool value);
  int getTextLength() const;
  HDC getDc() const;
  int getX() const;
  void setX(int value);
  int getY() const;
  void setY(int value);
  int getClientWidth() const;
  int getClientHeight() const;
  int getDpi() const;
  void setClipChildren(bool value);
  int getAnchor() const;
  void setAnchor(int value);
  RECT windowRect() const;
  POINT position() const;
  POINT parentClientOrigin() const;
  LONG changeStyle(int index, LONG style);
  void endTooltip();

  std::size_t tooltipTextLength = 0;
  // Keeps the window's user-data slot pointing at a live object; see above.
  detail::ObjectLink link;
};

/// The edges of its parent a control keeps its distances to (Control::anchor).
/// Anchored to both opposite edges it stretches with the parent.
constexpr int anchorLeft = 1;    ///< keeps its distance to the parent's left edge
constexpr int anchorTop = 2;     ///< keeps its distance to the parent's top edge
constexpr int anchorRight = 4;   ///< keeps its distance to the parent's right edge
constexpr int anchorBottom = 8;  ///< keeps its distance to the parent's bottom edge

/// Automatic identifiers: a control made from an options struct with `id` 0
/// takes one from firstAutomaticId .. lastAutomaticId (0xB000 .. 0xEFFF, 16,384
/// identifiers), clear of the counters below, the dialog identifiers 1..7 and
/// the system's menu commands (0xF000 and up), and within the 16 bits a
/// WM_COMMAND carries. None is handed out twice while its window lives. When
/// every one is taken, the control is made with identifier 0, as its positional
/// constructor would be.
constexpr int firstAutomaticId = 0xB000;
/// The last automatic identifier (see firstAutomaticId).
constexpr int lastAutomaticId = 0xEFFF;

/// Identifier counters: controls take ++controlIdCounter (the first gets 151);
/// each form takes 3024 + formCounter++.
inline int controlIdCounter = 150;
/// The number of forms made so far.
inline int formCounter = 0;

}  // namespace tarn

#endif  // TARN_CORE_H
