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
// its owner. Copying an owner object copies its properties as part of it: each
// copy is rebound to the copy (the owner pointer moves with the property), so a
// copy never calls through the object it was copied from. Assigning one
// property to another keeps each bound to its own owner; to copy a value
// between objects, convert it: `a.width = int(b.width)`.
template <class Owner, class T>
class Property {
 public:
  using Setter = void (Owner::*)(T);
  using Getter = T (Owner::*)() const;

  Property() = default;
  Property(const Property& other)
      : m_cObject(relocatedOwner(other)), Set(other.Set), Get(other.Get) {}
  Property& operator=(const Property& other) {
    if (this != &other && m_cObject == nullptr) {
      m_cObject = relocatedOwner(other);
      Set = other.Set;
      Get = other.Get;
    }
    return *this;
  }

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
  // Where `other`'s owner lies relative to `other`, applied to this property.
  // A property copied as part of its owner thus names the new owner. A property
  // copied on its own (not inside an Owner) keeps the original owner.
  const Owner* shifted(const Property& other) const {
    const char* from = reinterpret_cast<const char*>(&other);
    const char* to = reinterpret_cast<const char*>(this);
    const char* owner = reinterpret_cast<const char*>(other.m_cObject);
    return reinterpret_cast<const Owner*>(to - (from - owner));
  }
  Owner* relocatedOwner(const Property& other) const {
    if (other.m_cObject == nullptr) return nullptr;
    const char* from = reinterpret_cast<const char*>(&other);
    const char* owner = reinterpret_cast<const char*>(other.m_cObject);
    if (from < owner || from >= owner + sizeof(Owner)) return other.m_cObject;
    return const_cast<Owner*>(shifted(other));
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
  String& operator=(const String& other);
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
  StringList& operator=(const StringList& other);
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
// >>> end section: WINDOW OBJECT BASE, FORMS, EVENTS, TIMERS, IMAGE BOX

// ===========================================================================
// Pictures
// ===========================================================================
// <<< section: PICTURES (Icon, Bitmap, ImageList, drawBitmap, drawDib)
// >>> end section: PICTURES

// ===========================================================================
// Choosers And File Dialog
// ===========================================================================
// <<< section: CHOOSERS AND FILE DIALOG (chooseFolder, chooseColor, ..., FileDialog)
// >>> end section: CHOOSERS AND FILE DIALOG

// ===========================================================================
// Markup To Rtf
// ===========================================================================
// <<< section: MARKUP TO RTF (rtf... functions, markupToRtf)
// >>> end section: MARKUP TO RTF

// ===========================================================================
// Buffers, Spreadsheets, Text Files
// ===========================================================================
// <<< section: BUFFERS, SPREADSHEETS, TEXT FILES (Buffer, Spreadsheet, fileSize, TextFile)
// >>> end section: BUFFERS, SPREADSHEETS, TEXT FILES

// ===========================================================================
// System Services And Language Tables
// ===========================================================================
// <<< section: SYSTEM SERVICES AND LANGUAGE TABLES (System, run, fileExists, playWaveResource, LanguageTable)
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
// The System object takes its place here when the system services land.
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
