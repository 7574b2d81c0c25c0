// Tarn: a toolkit of plain value objects over the 32-bit Windows user interface.
//
// This is the toolkit's only public header: a program includes it and links the
// `tarn` library. Including it also defines the toolkit's global objects (the
// rich-edit library, common-control registration, `treeRoot`, the system object,
// `cursor`, `application`, `screen`), which are constructed, in that order,
// before any global object the program defines after the include.
#ifndef TARN_TARN_H
#define TARN_TARN_H

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstddef>
#include <string>
#include <vector>

namespace tarn {

// ===========================================================================
// Runtime checks
// ===========================================================================

// Caption and flags of the runtime-check message box.
constexpr const char* runtimeCheckCaption = "Tarn runtime check";
constexpr unsigned runtimeCheckFlags = MB_ABORTRETRYIGNORE | MB_ICONERROR | MB_DEFBUTTON3;  // 0x212
constexpr std::size_t runtimeCheckBufferSize = 1024;

// Builds the runtime-check message into `out` (capacity `size`, always
// zero-terminated, cut when the parts are longer) and returns the length written.
std::size_t formatRuntimeCheck(char* out, std::size_t size, const char* program, const char* file,
                               long line, const char* expression, const char* date,
                               const char* time);

// Shows the runtime-check box for a failed condition. Abort ends the process
// with exit code 0; Retry and Ignore return to the caller.
void runtimeCheckFailed(const char* conditionText, const char* file, long line,
                        const char* date = __DATE__, const char* time = __TIME__);

// Returns `condition`; when it is false, shows the runtime-check box first.
inline bool runtimeCheck(bool condition, const char* conditionText, const char* file, long line,
                         const char* date = __DATE__, const char* time = __TIME__) {
  if (!condition) runtimeCheckFailed(conditionText, file, line, date, time);
  return condition;
}

}  // namespace tarn

// Expands in place: one comparison when the condition holds; otherwise the box
// names this file, line and compile time. Yields the condition's truth.
#define TARN_CHECK(condition)                                                         \
  ((condition) ? true                                                                 \
               : (::tarn::runtimeCheckFailed(#condition, __FILE__, __LINE__, __DATE__, \
                                             __TIME__),                               \
                  false))

namespace tarn {

// ===========================================================================
// Properties
// ===========================================================================

// A data-like member that reads through a getter and writes through a setter of
// its owner. A property is copied only as part of its owner (the copy
// operations are the owner's alone), and each copy is rebound to the new owner:
// the owner pointer moves with the property, so a copied or moved object never
// calls through the object it came from. Properties are not values of their
// own: to copy a value between objects, convert it: `a.width = int(b.width)`.
template <class Owner, class T>
class Property {
 public:
  using Setter = void (Owner::*)(T);
  using Getter = T (Owner::*)() const;

  Property() = default;

  void bindOwner(Owner* owner) { m_cObject = owner; }
  void bindSetter(Setter setter) { Set = setter; }
  void bindGetter(Getter getter) { Get = getter; }
  void bind(Owner* owner, Getter getter, Setter setter = nullptr) {
    m_cObject = owner;
    Get = getter;
    Set = setter;
  }

  // Read: after a failed check (Retry or Ignore) the value-initialised T.
  T value() const {
    bool owned = TARN_CHECK(m_cObject != NULL);
    bool readable = TARN_CHECK(Get != NULL);
    if (!owned || !readable) return T();
    return (m_cObject->*Get)();
  }
  operator T() const { return value(); }

  // Write: yields the value given, not a fresh read. After a failed check the
  // owner is left alone.
  T operator=(const T& newValue) {
    bool owned = TARN_CHECK(m_cObject != NULL);
    bool writable = TARN_CHECK(Set != NULL);
    if (owned && writable) (m_cObject->*Set)(newValue);
    return newValue;
  }

  Owner* owner() const { return m_cObject; }
  bool isBound() const { return m_cObject != nullptr; }

 private:
  friend Owner;

  // Copied as part of an owner: bound to the same place in the new owner.
  Property(const Property& other) noexcept
      : m_cObject(relocatedOwner(other)), Set(other.Set), Get(other.Get) {}
  // Assigned as part of an owner: a bound property stays bound to its owner.
  Property& operator=(const Property& other) noexcept {
    if (this != &other && m_cObject == nullptr) {
      m_cObject = relocatedOwner(other);
      Set = other.Set;
      Get = other.Get;
    }
    return *this;
  }

  Owner* relocatedOwner(const Property& other) const noexcept {
    if (other.m_cObject == nullptr) return nullptr;
    const char* from = reinterpret_cast<const char*>(&other);
    const char* owner = reinterpret_cast<const char*>(other.m_cObject);
    return reinterpret_cast<Owner*>(
        const_cast<char*>(reinterpret_cast<const char*>(this) - (from - owner)));
  }

  Owner* m_cObject = nullptr;
  Setter Set = nullptr;
  Getter Get = nullptr;
};

// ===========================================================================
// String and StringList
// ===========================================================================

class StringList;

// The toolkit's text value: 8-bit characters in the ANSI code page.
class String {
 public:
  String();
  String(const char* chars);
  String(const std::string& chars);
  String(const String& other);
  String(String&& other) noexcept;
  String(std::string&& chars) noexcept;
  String& operator=(const String& other);
  String& operator=(String&& other) noexcept;
  ~String();

  String operator=(const char* chars);
  String operator=(const std::string& chars);
  String operator=(char c);

  Property<String, int> length;

  friend String operator+(const String& a, const String& b);
  String& operator+=(const String& other);

  void clear();
  const char* c_str() const { return text.c_str(); }
  const std::string& str() const { return text; }
  char& operator[](int index) { return text[static_cast<std::size_t>(index)]; }
  char operator[](int index) const { return text[static_cast<std::size_t>(index)]; }

  // Positions past the end raise std::out_of_range ("basic_string::insert",
  // "basic_string::erase", "basic_string::substr").
  String& insert(int position, const String& chars);
  String& remove(int position, int count);
  String substr(int position, int count) const;

  int find(char c, int start = 0) const;
  int find(const String& chars, int start = 0) const;

  // Replaces every occurrence at or after `start`; text inserted by a
  // replacement is not searched again. An empty search text changes nothing.
  String& replaceAll(const String& search, const String& replacement, int start = 0);
  String& replaceAll(char search, const String& replacement, int start = 0);
  String& replaceAll(char search, char replacement, int start = 0);

  StringList split(const String& separator) const;

  int toInt() const;
  int toInteger() const;
  double toFloat() const;

  // Writes the characters to the standard output stream.
  void print() const;

  friend bool operator==(const String& a, const String& b) { return a.text == b.text; }
  friend bool operator!=(const String& a, const String& b) { return a.text != b.text; }
  friend bool operator==(const String& a, const char* b) { return a.text == (b ? b : ""); }
  friend bool operator!=(const String& a, const char* b) { return !(a == b); }

 private:
  int getLength() const;
  void bindProperties();

  std::string text;
};

// An ordered list of texts.
class StringList {
 public:
  StringList();
  StringList(const StringList& other);
  StringList(StringList&& other) noexcept;
  StringList& operator=(const StringList& other);
  StringList& operator=(StringList&& other) noexcept;
  ~StringList();

  Property<StringList, int> count;

  void add(const String& item);
  void append(const String& item) { add(item); }
  String& operator[](int index) { return items[static_cast<std::size_t>(index)]; }
  const String& operator[](int index) const { return items[static_cast<std::size_t>(index)]; }
  void removeAt(int index);
  void removeFirst();
  void removeLast();
  void clear();
  void assign(const StringList& other);
  void append(const StringList& other);
  String join(const String& separator) const;
  String implode(const String& separator) const { return join(separator); }
  int size() const { return static_cast<int>(items.size()); }

 private:
  int getCount() const;

  std::vector<String> items;
};

// Whole numbers in range print as "%ld"; anything else as "%.2f".
String toString(double number);

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
// <<< section: WINDOW OBJECT BASE, FORMS, EVENTS, TIMERS, IMAGE BOX (Control, TimerEntry, Form, procedures, ImageBox)

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
class Control {
 public:
  Control();
  explicit Control(HWND window);

  // Returns a plain object for the same window and parent.
  static Control wrap(const Control& other);

  int timerCounter;
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
  Property<Control, int> clientWidth;   // read-only
  Property<Control, int> clientHeight;  // read-only
  Property<Control, bool> clipChildren;  // write-only
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

 protected:
  void bindControlProperties();

 private:
  // Keeps the window's user-data slot pointing at a live object; see above.
  class ObjectLink {
   public:
    ObjectLink() = default;
    ObjectLink(const ObjectLink& other) : offset(other.offset) {}
    ObjectLink(ObjectLink&& other) noexcept;
    ObjectLink& operator=(const ObjectLink& other);
    ObjectLink& operator=(ObjectLink&& other) noexcept;
    ~ObjectLink();
    void place(const Control* owner);

   private:
    Control* owner() const;
    void takeOver(const ObjectLink& other);
    std::ptrdiff_t offset = 0;
  };

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
  void setClipChildren(bool value);
  RECT windowRect() const;
  POINT position() const;
  POINT parentClientOrigin() const;
  LONG changeStyle(int index, LONG style);

  std::size_t tooltipTextLength = 0;
  ObjectLink link;
};

// >>> end section: WINDOW OBJECT BASE, FORMS, EVENTS, TIMERS, IMAGE BOX

// ===========================================================================
// Pictures
// ===========================================================================
// <<< section: PICTURES (Icon, Bitmap, ImageList, drawBitmap, drawDib)

// One icon handle. The toolkit never destroys the icon it holds: copies share
// the handle, which lives until the process ends or the program frees it.
class Icon {
 public:
  Icon() : handle(NULL) {}
  Icon(HICON icon) : handle(icon) {}
  // The program's own icon resource; the number's low 16 bits name it.
  explicit Icon(unsigned resource);
  // One of the system's predefined icons (IDI_APPLICATION, IDI_WARNING, ...).
  explicit Icon(const char* name);
  // An icon file, loaded at 64 x 64 pixels.
  explicit Icon(const String& path);

  bool isNull() const { return handle == NULL; }

  HICON handle;  // 0 when empty or when the load failed
};

// One bitmap handle with its BITMAP record. Copies share the handle; nothing is
// freed. Building from a missing handle or resource raises the runtime check
// "this->bmp!=NULL"; reading the size of an empty bitmap raises "bmp!=NULL" and
// then reads 0.
class Bitmap {
 public:
  Bitmap();
  explicit Bitmap(HBITMAP handle);
  // The program's bitmap resource; the number's low 16 bits name it.
  explicit Bitmap(unsigned resource);
  // The program's bitmap resource by name.
  explicit Bitmap(const char* resourceName);

  Property<Bitmap, int> width;   // read-only, pixels
  Property<Bitmap, int> height;  // read-only, pixels
  HBITMAP bmp;
  BITMAP info;

  bool isNull() const { return bmp == NULL; }

 private:
  void bindProperties();
  void readInfo();
  int getWidth() const;
  int getHeight() const;
};

// A system image list of icons, created on the first addIcon, with the icon
// handles kept in `icons` in the order added (slot i holds the list's image i as
// long as every icon loaded). The table grows past its first 100 slots.
class ImageList {
 public:
  static constexpr int initialSlots = 100;

  ImageList();
  // Non-zero: the system's large icon size; 0: the small icon size.
  explicit ImageList(int large);

  // Append an icon; each returns the slot it took. A failed load still takes a
  // slot (holding 0).
  int addIcon(const Icon& icon);
  int addIcon(unsigned resource);
  // An icon of another module; warns with a message box when it cannot be loaded.
  int addIcon(const char* name, HINSTANCE instance);

  // The icon in slot `index`; an empty icon outside 0..count-1.
  Icon iconAt(int index) const;

  // A new system image list from a bitmap strip resource of this program, cut
  // into icons of this list's size. `list` is not changed.
  HIMAGELIST loadStrip(unsigned resource) const;

  std::vector<HICON> icons;
  int large;
  int count;
  HIMAGELIST list;  // 0 until the first icon is added

 private:
  void createList();
};

// Copies the whole bitmap, unscaled, onto the window's client area with its top
// left corner at (x, y). Returns the result of deleting the memory context;
// FALSE when the bitmap is empty (after its runtime check) or the window object
// has no window.
BOOL drawBitmap(const Control& window, Bitmap bitmap, int x, int y);

// Draws `height` rows of `width` device-independent pixels (bottom row first,
// each row padded to 4 bytes as in any DIB) at (x, y) of the window's client
// area. bitsPerPixel: 1, 4, 8 (drawn as grey levels), 16 (5-5-5), 24 or 32
// (blue, green, red, unused). Returns the result of ReleaseDC; 0 when nothing
// could be drawn (no window, no pixels, an unknown depth or an empty size).
int drawDib(HWND window, int x, int y, int width, int height, const void* pixels,
            int bitsPerPixel);
// The same, relative to the whole window including its frame.
int drawDibWindow(HWND window, int x, int y, int width, int height, const void* pixels,
                  int bitsPerPixel);

// >>> end section: PICTURES

// ===========================================================================
// Choosers And File Dialog
// ===========================================================================
// <<< section: CHOOSERS AND FILE DIALOG (chooseFolder, chooseColor, ..., FileDialog)
}  // namespace tarn
#include <commdlg.h>  // OPENFILENAMEA (left out by WIN32_LEAN_AND_MEAN)
namespace tarn {

// One-call common dialogs. Each returns true only when the user confirmed a
// choice; on cancel or failure the output argument keeps its value.

// The folder browser; `result` := the chosen folder's full path.
bool chooseFolder(HWND owner, String& result);
// The open dialog, starting with an empty name. `filter` is in the system's
// form: description, zero byte, patterns, zero byte, ...; two zero bytes are
// always added after it, so a list without its closing zeros still ends.
bool chooseOpenFile(HWND owner, String& result, const String& filter);
// The save dialog; `defaultExtension` (without the dot) is appended to names
// typed without one. Asks before replacing an existing file.
bool chooseSaveFile(HWND owner, String& result, const String& filter,
                    const String& defaultExtension);
// The colour dialog, starting from `colour`. The 16 custom colours are kept for
// the whole process.
bool chooseColor(HWND owner, COLORREF& colour);
// The process-wide table of the colour dialog's 16 custom colours.
COLORREF* customColors();

// The open and save dialogs with a list of file-type filters; remembers the
// last chosen path. Names are at most 259 characters: longer initial names are
// cut, and a chosen path that does not fit makes the dialog fail.
class FileDialog {
 public:
  static constexpr int maxName = 260;  // bytes of `fileName`, terminator included

  struct Filter {
    String description;
    String pattern;
  };

  FileDialog();
  explicit FileDialog(const Control& window);
  explicit FileDialog(HWND owner);
  // Copies share nothing: the copy builds its own filter block.
  FileDialog(const FileDialog& other);
  FileDialog& operator=(const FileDialog& other);
  // Moves take over the filter block (the source is left without one).
  FileDialog(FileDialog&& other) noexcept;
  FileDialog& operator=(FileDialog&& other) noexcept;
  ~FileDialog();

  // `pattern` may hold several patterns separated by "," or ";".
  void addFilter(const String& description, const String& pattern);
  // The open dialog (existing folders only); true and `path` := the chosen file.
  // While a dialog of this object is up (a call from a timer or another
  // window's handler), open and save return false at once and change nothing.
  bool open(const String& initialName = String());
  // The save dialog (asks before replacing a file); true and `path` := the name.
  bool save(const String& initialName = String());

  OPENFILENAMEA request;       // filled afresh for each dialog
  char fileName[maxName];      // initial name in, chosen name out
  std::vector<Filter> filters;  // in the order added
  char* filterBlock;           // GlobalAlloc block, rebuilt before each dialog
  HWND owner;
  String path;

 private:
  bool showing;  // a dialog of this object is up
  bool show(const String& initialName, bool saving);
  void rebuildFilterBlock();
};

// >>> end section: CHOOSERS AND FILE DIALOG

// ===========================================================================
// Forms, Events And Image Box
// ===========================================================================
// <<< section: FORMS, EVENTS, IMAGE BOX (Form, procedures, ImageBox)

// A form's procedure: the dialog procedure of its window. Returning 0 lets the
// dialog manager's default handling run.
using FormProcedure = DLGPROC;

// Procedures supplied by the toolkit. The default one ends the program on
// WM_CLOSE; the command-forwarding one passes WM_COMMAND to the parent window.
INT_PTR CALLBACK defaultFormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK commandForwardProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The form's frame for a kind (0 to 11; any other kind is the overlapped
// window), with WS_CLIPCHILDREN and, for child forms, WS_CHILD.
DWORD formStyle(int kind, bool child);
// The extended style passed to the system for a form of this kind.
DWORD formExStyle(int kind, DWORD exStyle);

// The top-level window: a window of the system dialog class.
class Form : public Control {
 public:
  Form();
  Form(const String& caption, int x, int y, int width, int height, int kind, bool enabled,
       bool visible, bool maximised, bool minimised, bool centred, const Control& parent,
       bool child, int exStyle);

  static Form wrapForm(const Control& other);

  bool attachedSet;
  Control attached;
  COLORREF colorValue;
  HICON iconHandle;
  NOTIFYICONDATAA trayIcon;  // the first, 88-byte layout
  bool trayIconShown;
  Property<Form, int> color;               // read-only
  Property<Form, FormProcedure> procedure;  // write-only
  Property<Form, Icon> icon;
  int kind;
  int exStyleArg;
  FileDialog fileDialog;
  String fileName;

  bool minimise();
  bool maximise();
  bool restore();
  bool isMinimised() const;
  bool isMaximised() const;
  void attach(const Control& control);
  void setIcon(HICON icon);
  void setIconResource(unsigned number);
  void setCursorResource(unsigned number);
  HCURSOR setCursor(HCURSOR cursor);
  bool openFileDialog(const String& initialName);
  bool saveFileDialog(const String& initialName);
  bool chooseFolder(String& path);
  bool chooseColor(COLORREF& colour);
  // The tip is cut to 63 characters. `a` and `b` are not used.
  bool addTrayIcon(HICON icon, int a, int b, const String& tip);
  bool updateTrayIcon(HICON icon, int a, int b, const String& tip);
  bool removeTrayIcon();

 private:
  void setUp();
  bool showAs(int command);
  void copyTip(const String& tip);
  int getColor() const { return static_cast<int>(colorValue); }
  void setProcedure(FormProcedure p) { setDialogProcedure(p); }
  Icon getIcon() const;
  void setIconValue(Icon value);
};

// A picture control: a list view with no items whose background is the picture.
class ImageBox : public Control {
 public:
  ImageBox();
  ImageBox(int id, const std::string& path, int x, int y, int width, int height,
           const Control& parent, int exStyle);
  ImageBox(int id, unsigned resourceId, int x, int y, int width, int height,
           const Control& parent, int exStyle);

  // Each returns true when the picture was accepted.
  bool setImage(const std::string& path, bool tile);
  bool setImageFromResource(unsigned resourceId, int kind);
  bool setImageFromModule(const std::string& modulePath, unsigned resourceId, int kind);

  // The URL of a module's bitmap (kind 1) or icon (any other kind) resource.
  static std::string resourceUrl(const std::string& modulePath, unsigned resourceId, int kind);

 private:
  void create(int id, int x, int y, int width, int height, const Control& parent, int exStyle);
};
// >>> end section: FORMS, EVENTS, IMAGE BOX

// ===========================================================================
// Markup To Rtf
// ===========================================================================
// <<< section: MARKUP TO RTF (rtf... functions, markupToRtf)

// RTF for the rich text box. A document is rtfHeader() + body + rtfEnd().
// The wrappers insert their text as given: pass literal text through
// markupToRtf first. Control words that text may follow end in their
// delimiter space ("\par ", "\fs32 "), so following letters and digits stay text.

// The fixed header: code page 1252, font f0 Arial, colours 1 red, 2 green,
// 3 blue, 10-point text; it ends in "\fs20 " with its delimiter.
String rtfHeader();
String rtfEnd();                      // "}"
String rtfNewLines(int count);        // "\par " count times; "" when count <= 0 or too many to hold
String rtfBold(const String& text);   // "\b " text "\b0 "
String rtfItalic(const String& text);
String rtfUnderline(const String& text);
String rtfRed(const String& text);    // colour 1, then back to the automatic colour
String rtfGreen(const String& text);  // colour 2
String rtfBlue(const String& text);   // colour 3
// "\fs" + points*2 + " " + text + "\fs20 ": afterwards the size is 10 points.
String rtfFontSize(const String& text, int points);
String rtfRight(const String& text);   // "\qr " text; stays in force
String rtfCenter(const String& text);  // "\qc " text; stays in force
// A hyperlink field to `target` showing `text` red and underlined.
String rtfLink(const String& text, const String& target);
// The RTF body for markup: backslashes doubled, braces escaped, line feeds
// (and CR LF pairs), <BR> as paragraphs; <B> <I> <U> <CENTER> <RIGHT> and
// their closing tags, in all upper or all lower case, as formatting. Other
// tags stay as text. Linear in the length of the text.
String markupToRtf(const String& text);

// >>> end section: MARKUP TO RTF

// ===========================================================================
// Buffers, Spreadsheets, Text Files
// ===========================================================================
// <<< section: BUFFERS, SPREADSHEETS, TEXT FILES (Buffer, Spreadsheet, fileSize, TextFile)

// A block of bytes in global memory (GlobalAlloc, zero-filled), exactly as long
// as its content: no spare capacity and no terminating zero. Copies own their
// own blocks. Positions and counts are signed 32-bit; a negative count is
// treated as 0. When a block cannot be allocated or grown, the content stays as
// it was and an operation with a result reports -1 (lengths) or false.
class Buffer {
 public:
  Buffer();
  Buffer(const Buffer& other);
  // A copy of the `count` bytes at `source`; empty when count <= 0 or source is null.
  Buffer(const void* source, int count);
  // `count` zero bytes; empty when count <= 0.
  explicit Buffer(int count);
  Buffer& operator=(const Buffer& other);
  ~Buffer();

  Property<Buffer, char*> data;  // read-only: the bytes, or null when empty
  Property<Buffer, int> length;  // read-only: the number of bytes

  // Replaces the content with a copy of `other`'s; returns the new length (0 for
  // an empty `other`), or -1 with the content unchanged when out of memory.
  int assign(const Buffer& other);
  // Frees the block; the buffer is empty afterwards.
  void release();
  // Adds `count` bytes copied from `source` (which may lie inside this buffer)
  // at the end; returns the new length, or -1 with the content unchanged when
  // the block cannot grow or `source` is null while count > 0.
  int append(const void* source, int count);
  // Adds one byte at the end (nothing changes when the block cannot grow).
  void push(unsigned char byte);
  // The byte at `position` (0 to 255), or 255 outside 0 .. length - 1.
  int byteAt(int position) const;
  // The `count` bytes from `start`; empty unless count > 0, start >= 0 and
  // start + count <= length.
  Buffer slice(int start, int count) const;
  // Replaces the content with the bytes of the file at `path`. False, with the
  // content unchanged, when the file cannot be opened or read; false, with the
  // buffer empty, when the file is empty.
  bool loadFile(const String& path);
  // Writes the bytes to `path` through a text-mode stream (each 0x0A is stored
  // as 0x0D 0x0A); false when the file cannot be opened or fully written.
  bool saveFile(const String& path) const;
  // The bytes up to the first zero byte, or all of them when there is none;
  // empty when the text cannot be held in memory.
  String text() const;
  // Copies all bytes to `destination`, which must have room for `length` bytes.
  void copyTo(void* destination) const;

 private:
  char* getData() const { return block; }
  int getLength() const { return byteCount; }
  void bindProperties();
  bool resize(int newCount);

  char* block;
  int byteCount;
};

// Text cells written as a spreadsheet file: a beginning-of-file record, one
// text-cell record per cell in the order added, an end-of-file record.
class Spreadsheet {
 public:
  struct Cell {
    short column = 0;
    short row = 0;
    String text;
  };

  // The longest text a cell is saved with; longer texts are cut to this.
  static constexpr int maxTextLength = 128;

  Spreadsheet();

  void add(const Cell& cell);
  // Column and row are kept as signed 16-bit numbers (their low 16 bits).
  void addCell(int column, int row, const String& text);
  // Writes the file; texts longer than maxTextLength are cut, in the file and
  // in the stored cells. False when the file cannot be created or fully written.
  bool save(const String& path);

  int size() const { return static_cast<int>(cells.size()); }
  // The cell at `index`; a default (empty) cell outside 0 .. size() - 1.
  Cell cellAt(int index) const;

 private:
  std::vector<Cell> cells;
};

// The size of the file at `path` in bytes; 0 when it cannot be opened.
int fileSize(const String& path);

// A text file read and written through a standard I/O stream, with the line
// ends of a text-mode stream (carriage-return/line-feed pairs on disk read as
// line feeds; line feeds are written as pairs) but exact positions, also in
// files with bare line feeds. Every operation on a
// closed object answers false, 0, an empty text or an empty list and touches no
// file. Objects are not copyable: each owns its stream.
class TextFile {
 public:
  // The longest piece one readLine returns; longer lines come in pieces.
  static constexpr int maxLineLength = 1023;

  TextFile();
  explicit TextFile(const String& path);
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;
  ~TextFile();

  Property<TextFile, bool> eof;     // read-only: the end-of-file indicator; false when closed
  Property<TextFile, bool> isOpen;  // read-only

  // Closes any open stream, remembers `path` and opens the existing file for
  // reading and writing; true when it opened.
  bool open(const String& path);
  // Closes the stream; the fclose result, 0 when already closed.
  int close();
  // Back to the start; always 0.
  int rewind();
  // The file's size in bytes (the read position is kept); 0 when closed.
  int size();
  // The next character, line ends included; 0 when closed or at the end.
  char readChar();
  // The next whitespace-separated decimal number; 0 when closed or when no
  // number stands at the position.
  int readInt();
  // The next line without its line end, at most maxLineLength characters;
  // empty when closed or at the end. Zero bytes come back as spaces.
  String readLine();
  // Lines read while the end is not reached, at most `maxLines` (0: no limit).
  // A file that ends with a line end gives a last, empty element.
  StringList readLines(unsigned maxLines = 0);
  // Up to `length` bytes from the position (only what was read; zero bytes
  // come back as spaces); empty when closed, when nothing was read, when
  // length <= 0, or when no block of that size or no text that long can be
  // held in memory (the stream then stays where it was).
  String read(int length);
  // The whole file, read from the start; the stream is left at the end. Empty,
  // with the stream where it was, when the text cannot be held in memory.
  String readAll();
  // Writes `text` at the position; false when closed or when not all of it
  // was written.
  bool write(const String& text);
  // Creates or empties the file last opened and writes `text` into it; the
  // stream stays open for writing.
  bool rewrite(const String& text);
  // Creates or empties the file last opened; the stream stays open for writing.
  bool create();

 private:
  enum class Access : unsigned char { none, reading, writing };

  bool getEof() const;
  bool getIsOpen() const { return stream != nullptr; }
  void bindProperties();
  // Reading and writing the same stream need a positioning call between them.
  void prepareFor(Access access);
  // One line into `line`; false when nothing could be read.
  bool readLineInto(String& line);
  String finishRead(HGLOBAL block, bool built, std::string& text, long start);

  String path;
  std::FILE* stream;
  Access lastAccess;
};

// >>> end section: BUFFERS, SPREADSHEETS, TEXT FILES

// ===========================================================================
// System Services And Language Tables
// ===========================================================================
// <<< section: SYSTEM SERVICES AND LANGUAGE TABLES (System, run, fileExists, playWaveResource, LanguageTable)

// Machine information, environment variables and ending the session. Every
// property is read from the system at each access; nothing is cached, so a
// program that wants a stable value (a start time from `uptime`) keeps a copy.
// Constructing the object makes no system call.
class System {
 public:
  System();

  Property<System, unsigned> uptime;              // milliseconds since start-up
  Property<System, String> windowsDirectory;      // read-only
  Property<System, String> systemDirectory;       // read-only
  Property<System, String> systemDrive;           // read-only: "C" for C:\...
  Property<System, String> computerName;          // empty when it cannot be read
  Property<System, String> currentDirectory;
  Property<System, String> userName;              // read-only; empty on failure
  Property<System, String> osVersion;             // read-only: "5.1.2600-Windows NT/2000/XP"
  Property<System, StringList> drives;            // read-only: "A", "C", ...
  Property<System, StringList> driveTypes;        // read-only: "Removable", "Fixed", ...

  // What writing `computerName` or `currentDirectory` does, with the system's
  // answer (true on success), which the property drops.
  bool setComputerName(const String& name);
  bool setCurrentDirectory(const String& path);

  bool setEnv(const String& name, const String& value);
  // The variable's value; "TRN_ERROR" for a missing or empty variable.
  String getEnv(const String& name) const;

  // End the session after enabling the shutdown privilege; false (and nothing
  // done) when the privilege cannot be enabled. `force` closes programs
  // without asking them.
  bool shutdown(bool force);
  bool restart(bool force);
  bool logOff(bool force);

 private:
  unsigned getUptime() const;
  String getWindowsDirectory() const;
  String getSystemDirectory() const;
  String getSystemDrive() const;
  String getComputerName() const;
  void putComputerName(String name);
  String getCurrentDirectory() const;
  void putCurrentDirectory(String path);
  String getUserName() const;
  String getOsVersion() const;
  StringList getDrives() const;
  StringList getDriveTypes() const;
};

// Opens `file` through the shell ("open" verb, shown normally) with
// `parameters`. Returns the shell's instance value: above 32 on success, an
// error code of 32 or less otherwise.
INT_PTR run(const String& file, const String& parameters, HWND window = NULL);

// True when the file can be opened for reading; false for a missing or
// unreadable file and for a directory.
bool fileExists(const String& path);

// Plays the program's own "WAVE" resource `resourceId` (low 16 bits) and
// returns when it has finished; false when there is no such resource or it
// could not be played. No default sound is played in its place.
bool playWaveResource(int resourceId);

class Buffer;

// A key-to-text table for a program's interface texts, filled from lines of
// key=value: from a file, from a "TRN_LANG" resource of the program, or from a
// buffer. The text ends at its first zero byte; carriage returns are dropped;
// empty lines, lines without "=" and lines starting with "=" store nothing;
// text after a second "=" is dropped; spaces are kept; a repeated key takes
// the later value. Entries are kept sorted by key in byte order.
class LanguageTable {
 public:
  LanguageTable();
  explicit LanguageTable(const String& path);
  explicit LanguageTable(int number);  // keeps `number` in resourceNumber
  explicit LanguageTable(const Buffer& buffer);

  // Each load returns true when the table holds at least one entry after it.
  // A load that finds no text (missing file or resource, nothing in it) keeps
  // the table as it was; a load that reads a text replaces all entries.
  bool loadFile(const String& path);
  bool loadResource(int number);
  bool loadText(const Buffer& buffer);

  // The value of `key`. A missing key is added with an empty value (so `count`
  // grows by one) and the empty text is returned.
  String get(const String& key);
  // Whether `key` has an entry (adds nothing).
  bool contains(const String& key) const;
  // The keys, in byte order.
  StringList keys() const;

  int resourceNumber;  // the resource read last; -1 when not from a resource
  Property<LanguageTable, int> count;  // read-only: number of entries

 private:
  bool loadBytes(const char* bytes, std::size_t size);
  int getCount() const;

  std::vector<std::pair<std::string, std::string>> entries;  // sorted, keys unique
};
// >>> end section: SYSTEM SERVICES AND LANGUAGE TABLES

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
// treeRoot takes its place here when the tree view lands.
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
