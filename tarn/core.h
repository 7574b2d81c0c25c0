// Tarn core: Application, Screen and Cursor, and Control, the window object
// base every form and control derives from, with its named timers (TimerEntry)
// and its message boxes (also free functions taking an owner).
#ifndef TARN_CORE_H
#define TARN_CORE_H

#include "text.h"

namespace tarn {

// ===========================================================================
// Application, screen, cursor
// ===========================================================================

class Application {
 public:
  // The build stamp defaults to the compile date and time of the translation
  // unit that constructs the object (for the global: the program's own).
  explicit Application(const char* buildDate = __DATE__, const char* buildTime = __TIME__);
  Application(const Application& other) = default;
  Application& operator=(const Application& other) = default;
  ~Application();

  Property<Application, unsigned> elapsed;
  Property<Application, String> exePath;
  Property<Application, String> folder;
  Property<Application, String> compileDate;
  Property<Application, String> compileTime;

  // Replaces the arguments with the pieces of `line` cut at tabs, each without
  // its double quotes.
  void setCommandLine(const char* line);
  StringList arguments() const { return args; }
  void quit();

  // The folder of a module path: everything before its last '\' or '/'.
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

void quit();

// The primary screen's size in pixels (device pixels in a DPI-aware program,
// scaled to 96 DPI in one that is not).
class Screen {
 public:
  Screen();
  Property<Screen, int> width;
  Property<Screen, int> height;
  HWND desktop;

 private:
  int getWidth() const;
  int getHeight() const;
};

class Cursor {
 public:
  Cursor();
  Property<Cursor, bool> visible;  // write-only
  Property<Cursor, int> x;
  Property<Cursor, int> y;

  int show();
  int hide();
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

namespace detail {

class Registry;

// Private to the toolkit (core/registry.cpp). A member of a window object that
// keeps a registry's entries for that object true: they follow the object when
// it is moved, are not taken by copies, are given up for windows the object no
// longer stands for, and go with the object.
class ObjectLink {
 public:
  ObjectLink() = default;
  ObjectLink(const ObjectLink& other) : registry(other.registry), offset(other.offset) {}
  ObjectLink(ObjectLink&& other) noexcept;
  ObjectLink& operator=(const ObjectLink& other);
  ObjectLink& operator=(ObjectLink&& other) noexcept;
  ~ObjectLink();
  // Ties the link to `owner`, the object it is a member of, in `registry`.
  void place(const Control* owner, Registry& registry);

 private:
  Control* owner() const;
  void takeOver(const ObjectLink& other);

  Registry* registry = nullptr;
  std::ptrdiff_t offset = 0;
};

}  // namespace detail

// One named timer of a window object.
struct TimerEntry {
  String name;
  int id = 0;
  int interval = 0;
};

// The window object base: wraps one native window handle and its parent's.
// Objects never own their windows: destroying or copying an object leaves the
// window alone, and a copy is a second object for the same window. The window's
// user-data slot names the object registered with it last (setDialogProcedure,
// subclass, backColor); moving a registered object re-registers the new one, and
// when a registered object is destroyed or takes another window the slot passes
// to the object registered before it (or is cleared), so the slot never names a
// dead object.
//
// Sizes and DPI: positions, sizes and client sizes are 96-DPI units. The toolkit
// converts them to the window's device pixels with the window's DPI (see `dpi`)
// where they reach the system and back where they are read, so a program reads
// what it wrote, within rounding; at 96 DPI the two are the same. The smallest
// width or height the toolkit applies is 10 units. Values a program passes to
// the system itself (its own MoveWindow, drawing in a device context) are
// device pixels: `scaled` converts them. The default font is the stock GUI
// font, or the same face at the window's DPI where that differs from the
// screen's.
// Text lengths (textLength, setTextLimit) count bytes of the ANSI code page:
// under UTF-8 a character takes one to four.
class Control {
 public:
  Control();
  explicit Control(HWND window);

  // Returns a plain object for the same window and parent.
  static Control wrap(const Control& other);

  int timerCounter;
  // The tooltip made by writing `toolTip`: owned by the window's top-level
  // window and ended with the window it describes (by destroy() or otherwise).
  // A window-less object gets none.
  HWND tooltipHwnd;
  COLORREF backColorValue;
  Property<Control, COLORREF> backColor;  // write-only
  bool backColorSet;
  Property<Control, String> text;
  Property<Control, String> caption;
  Property<Control, String> toolTip;
  Property<Control, int> width;
  Property<Control, int> height;
  Property<Control, bool> visible;
  Property<Control, bool> enabled;
  Property<Control, int> textLength;  // read-only
  Property<Control, HDC> dc;          // read-only: a new GetDC at every read
  Property<Control, int> x;
  Property<Control, int> y;
  Property<Control, int> clientWidth;    // read-only
  Property<Control, int> clientHeight;   // read-only
  Property<Control, bool> clipChildren;  // write-only
  /// The DPI the window is laid out for (read-only): 96 on a screen at 100 %,
  /// 144 at 150 %; the one announced by the form's last WM_DPICHANGED.
  Property<Control, int> dpi;
  int id;
  int drawLine;
  HWND parentHwnd;
  HWND hwnd;
  std::vector<TimerEntry> timers;
  int notifyId;

  BOOL moveTo(int x, int y);
  BOOL resize(int width, int height);
  BOOL show();
  BOOL hide();
  BOOL enable();
  BOOL disable();
  bool destroy();
  HWND focus();
  LRESULT killFocus();
  void setDefaultFont();
  HFONT font() const;
  void setFont(HFONT font);
  LRESULT setTextLimit(int limit);
  void fitWidthToParent();
  void fitHeightToParent();
  void fitToParent();
  void centre();
  /// Device pixels of this window for `units` 96-DPI units, rounded: for the
  /// program's own drawing and its own calls to the system.
  int scaled(int units) const;
  bool redraw();
  bool refreshLayout();
  DLGPROC setDialogProcedure(DLGPROC procedure);
  WNDPROC subclass(WNDPROC procedure);
  DLGPROC dialogProcedure() const;
  LONG currentStyle() const;
  LONG currentExStyle() const;
  bool hasStyle(LONG bits) const;
  bool hasExStyle(LONG bits) const;
  LONG setStyle(LONG style);
  LONG addStyle(LONG bits);
  LONG removeStyle(LONG bits);
  LONG setExStyle(LONG style);
  LONG addExStyle(LONG bits);
  LONG removeExStyle(LONG bits);
  int dialogId() const;
  bool isCreated() const { return hwnd != NULL; }
  bool isNull() const { return hwnd == NULL; }
  int drawText(const String& text);
  void resetText() { drawLine = 0; }

  // Named timers: identifiers are handed out from 1 per object and never reused.
  // An object without a window starts none (startTimer answers false).
  bool startTimer(const String& name, int interval);
  bool stopTimer(const String& name);
  int timerId(const String& name) const;
  int timerIndex(const String& name) const;

  // Stores this object in the window's user-data slot.
  void registerObject();

  // Message boxes owned by this window: text first, then caption. The plain
  // boxes answer the system's result (IDOK ... IDNO; 0 or -1 when the box
  // failed). yesNoBox is true for Yes, okCancelBox for OK; yesNoCancelBox
  // answers 0 for Yes, 1 for No and 2 for anything else.
  int msgBox(const std::string& text, const std::string& caption, UINT type) const;
  int infoBox(const std::string& text, const std::string& caption) const;
  int warningBox(const std::string& text, const std::string& caption) const;
  int errorBox(const std::string& text, const std::string& caption) const;
  bool yesNoBox(const std::string& text, const std::string& caption) const;
  bool okCancelBox(const std::string& text, const std::string& caption) const;
  int yesNoCancelBox(const std::string& text, const std::string& caption) const;

 protected:
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
  RECT windowRect() const;
  POINT position() const;
  POINT parentClientOrigin() const;
  LONG changeStyle(int index, LONG style);
  void endTooltip();

  std::size_t tooltipTextLength = 0;
  // Keeps the window's user-data slot pointing at a live object; see above.
  detail::ObjectLink link;
};

// The edges of its parent a control keeps its distances to (Control::anchor).
// Anchored to both opposite edges it stretches with the parent.
constexpr int anchorLeft = 1;
constexpr int anchorTop = 2;
constexpr int anchorRight = 4;
constexpr int anchorBottom = 8;

// Identifier counters: controls take ++controlIdCounter (the first gets 151);
// each form takes 3024 + formCounter++.
inline int controlIdCounter = 150;
inline int formCounter = 0;

}  // namespace tarn

#endif  // TARN_CORE_H
