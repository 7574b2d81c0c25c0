// The colour scheme: the program's request, the user's app setting and high
// contrast; the colours parents answer their children's WM_CTLCOLOR* with;
// the title bars; and the switch of every window when any of them changes.
#include "tarn/core/color_scheme.h"

#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

#include "tarn/post.h"

namespace tarn {

namespace detail {

namespace {

using schemes::Shade;

std::atomic<int> requested{schemes::requestLight};
std::atomic<bool> paintsDark{false};  // dark, and high contrast off
std::atomic<bool> chosen{false};      // the program chose a scheme once
std::atomic<const SchemeFamily*> familyTable{nullptr};
std::atomic<std::size_t> familyCount{0};

// ---------------------------------------------------------------------------
// The system calls, loaded at the first need

template <class Function>
Function systemFunction(const char* library, const char* name) {
  HMODULE module = LoadLibraryA(library);
  FARPROC address = module != NULL ? GetProcAddress(module, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

HRESULT WINAPI systemSetWindowTheme(HWND window, LPCWSTR appName, LPCWSTR idList) {
  using Call = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  static const Call call = systemFunction<Call>("uxtheme.dll", "SetWindowTheme");
  return call != nullptr ? call(window, appName, idList) : E_NOTIMPL;
}

HRESULT WINAPI systemSetWindowAttribute(HWND window, DWORD attribute, LPCVOID value, DWORD size) {
  using Call = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  static const Call call = systemFunction<Call>("dwmapi.dll", "DwmSetWindowAttribute");
  return call != nullptr ? call(window, attribute, value, size) : E_NOTIMPL;
}

bool systemHighContrast() {
  HIGHCONTRASTA contrast = {};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// The immersive dark title bar: the attribute's number since Windows 10 20H1,
// and the one builds 1809 to 1909 answered to.
constexpr DWORD darkTitleBar = 20;
constexpr DWORD darkTitleBarBefore20H1 = 19;

// ---------------------------------------------------------------------------
// What the scheme comes to

Shade userChoice() {
  schemes::AppSetting setting = {false, 0, 0, 0};
  HKEY key = NULL;
  if (RegOpenKeyExA(HKEY_CURRENT_USER,
                    "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0,
                    KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
    DWORD type = 0, value = 0, size = sizeof value;
    LONG read = RegQueryValueExA(key, "AppsUseLightTheme", NULL, &type,
                                 reinterpret_cast<BYTE*>(&value), &size);
    // A value longer than a DWORD answers ERROR_MORE_DATA with its real size.
    if (read == ERROR_SUCCESS || read == ERROR_MORE_DATA)
      setting = {true, type, size, read == ERROR_SUCCESS ? value : 0};
    RegCloseKey(key);
  }
  return schemes::appSettingShade(setting);
}

// The scheme the request, the user's choice and high contrast come to.
Shade currentShade(bool contrast) {
  if (contrast) return schemes::highContrastShade(GetSysColor(COLOR_WINDOW));
  int request = requested.load();
  return schemes::requestedShade(request,
                                 request == schemes::requestSystem ? userChoice() : Shade::light);
}

// Works out the scheme again; true when what the toolkit paints changes.
bool evaluate() {
  bool contrast = schemeCalls().highContrast();
  bool dark = !contrast && currentShade(contrast) == Shade::dark;
  return paintsDark.exchange(dark) != dark;
}

// ---------------------------------------------------------------------------
// Brushes: one per colour, deleted at exit

struct Brushes {
  std::mutex lock;
  std::vector<std::pair<COLORREF, HBRUSH>> made;
  ~Brushes() {
    for (auto& brush : made) DeleteObject(brush.second);
  }
};

Brushes& brushes() {
  static Brushes all;
  return all;
}

// ---------------------------------------------------------------------------
// Answering WM_CTLCOLOR*

constexpr ATOM dialogClassAtom = 0x8002;  // "#32770"

bool isDialog(HWND window) {
  return static_cast<ATOM>(GetClassLongPtrA(window, GCW_ATOM)) == dialogClassAtom;
}

bool isChild(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0; }

SchemeApplier familyOf(HWND window, bool* listed = nullptr);

// A window of a class listed without an applier draws its text in the
// system's colour whatever its parent answers: it keeps the system's colours.
bool keepsSystemColours(HWND window) {
  bool listed = false;
  return familyOf(window, &listed) == nullptr && listed;
}

// A brush of the program's colour for a window, made at the first need and
// deleted with the window or when the colour changes.
struct ProgramBrush {
  COLORREF colour = 0;
  HBRUSH brush = NULL;
  ProgramBrush() = default;
  ProgramBrush(const ProgramBrush&) = delete;
  ProgramBrush& operator=(const ProgramBrush&) = delete;
  ~ProgramBrush() {
    if (brush != NULL) DeleteObject(brush);
  }
};

HBRUSH programBrush(HWND window, COLORREF colour) {
  WindowRecord* r = record(window);
  if (r == nullptr) return NULL;
  ProgramBrush& made = r->part<ProgramBrush>();
  if (made.brush != NULL && made.colour != colour) {
    DeleteObject(made.brush);
    made.brush = NULL;
  }
  if (made.brush == NULL) made.brush = CreateSolidBrush(colour);
  made.colour = colour;
  return made.brush;
}

struct Colours {
  COLORREF back;
  COLORREF text;
  HBRUSH brush;
};

// The colours `child` is painted in, inside `parent` (for a dialog's own
// background, the dialog twice): the program's own first, the child's or,
// for what shows its parent's background (labels, check boxes, read-only text
// boxes), the parent's; then the dark palette while the scheme is dark.
// False when the window's own procedure is to answer.
bool coloursOf(HWND parent, HWND child, UINT message, Colours& colours) {
  const ProgramColours* own = programColours(child);
  bool ownText = own != nullptr && own->hasText;
  bool showsParent = message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN;
  COLORREF back = 0;
  HWND source = programBack(child, back)                                      ? child
                : showsParent && parent != child && programBack(parent, back) ? parent
                                                                              : NULL;
  if (source != NULL) {
    colours = {back, ownText ? own->text : schemes::readableText(back), programBrush(source, back)};
    return colours.brush != NULL;
  }
  if (!schemeIsDark() || keepsSystemColours(child)) return false;
  const schemes::Palette& palette = schemes::darkPalette;
  bool field = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
  colours.back = field ? palette.field : palette.window;
  colours.text = ownText ? own->text : IsWindowEnabled(child) ? palette.text : palette.grayText;
  colours.brush = schemeBrush(colours.back);
  return colours.brush != NULL;
}

bool answerColours(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT& result) {
  HWND child = reinterpret_cast<HWND>(lParam);
  Colours colours;
  if (!coloursOf(record.window, child, message, colours)) return false;
  // A dialog procedure's own answer wins: it is asked first, as the dialog
  // manager would have asked it.
  if (isDialog(record.window)) {
    auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(record.window, DWLP_DLGPROC));
    if (own != nullptr) {
      KeepRecord keep(record);
      LRESULT theirs = CallWindowProcA(own, record.window, message, wParam, lParam);
      if (record.ended || theirs != 0) {
        result = record.ended ? 0 : theirs;
        return true;
      }
    }
  }
  HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, colours.text);
  SetBkColor(dc, colours.back);
  result = reinterpret_cast<LRESULT>(colours.brush);
  return true;
}

// Whether a WM_SETTINGCHANGE names the app colours. The text comes in the
// character set of the window's procedure: wide once the subclass made it a
// Unicode window (Windows), narrow where it stays ANSI (Wine).
bool namesColorSet(HWND window, LPARAM lParam) {
  if (lParam == 0) return false;
  if (IsWindowUnicode(window))
    return schemes::announcesColorSet(reinterpret_cast<const wchar_t*>(lParam));
  return schemes::announcesColorSet(reinterpret_cast<const char*>(lParam));
}

void switchWindows();

bool schemeHook(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return answerColours(record, message, wParam, lParam, result);
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETHIGHCONTRAST || namesColorSet(record.window, lParam))
        if (evaluate()) switchWindows();
      return false;          // the program's procedure sees it too
    case WM_SYSCOLORCHANGE:  // high contrast comes and goes with new system colours
      if (evaluate()) switchWindows();
      return false;
    default: return false;
  }
}

// ---------------------------------------------------------------------------
// Applying the scheme to windows

// The part of a top-level form's record: the shade its windows were last
// given (none until the first).
struct SchemeMark {
  bool given = false;
  bool dark = false;
};

// The applier of the window's class; null for a class not listed, or listed
// without one (`listed` says which).
SchemeApplier familyOf(HWND window, bool* listed) {
  const SchemeFamily* table = familyTable.load(std::memory_order_acquire);
  char name[64] = {};
  if (table == nullptr || GetClassNameA(window, name, sizeof name) <= 0) return nullptr;
  for (std::size_t i = 0, n = familyCount.load(); i < n; ++i)
    if (lstrcmpiA(name, table[i].className) == 0) {
      if (listed != nullptr) *listed = true;
      return table[i].apply;
    }
  return nullptr;
}

void titleBar(HWND form, bool dark) {
  BOOL value = dark ? TRUE : FALSE;
  auto set = schemeCalls().setWindowAttribute;
  if (FAILED(set(form, darkTitleBar, &value, sizeof value)))
    set(form, darkTitleBarBefore20H1, &value, sizeof value);
}

// A window inside a form: its parent answers its colours, a form answers its
// own, and its family (given the new shade unless the window was only made
// and is light like every new window) gets its colours.
struct ChildWalk {
  bool dark;
  bool apply;
  HWND lastParent;
};

void applyToChild(HWND child, ChildWalk& walk) {
  HWND parent = GetParent(child);
  if (parent != walk.lastParent) {
    answerChildColours(parent);
    walk.lastParent = parent;
  }
  if (isDialog(child)) answerChildColours(child);
  if (walk.apply)
    if (SchemeApplier apply = familyOf(child)) apply(child, walk.dark);
}

BOOL CALLBACK applyToEach(HWND child, LPARAM walk) {
  applyToChild(child, *reinterpret_cast<ChildWalk*>(walk));
  return TRUE;
}

// Gives a top-level form and everything in it the scheme's colours, unless
// they have them already; repaints what changed.
void applyToForm(HWND form) {
  WindowRecord* r = record(form);
  if (r == nullptr) return;
  r->addHook(schemeHook);
  bool dark = schemeIsDark();
  SchemeMark& mark = r->part<SchemeMark>();
  if (mark.given && mark.dark == dark) return;
  // A form never given the dark colours has the light ones already: only its
  // parents need to answer colours (the program's).
  bool apply = dark || mark.given;
  mark.given = true;
  mark.dark = dark;
  if (apply) titleBar(form, dark);
  ChildWalk walk = {dark, apply, NULL};
  EnumChildWindows(form, applyToEach, reinterpret_cast<LPARAM>(&walk));
  if (apply)
    RedrawWindow(form, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

struct TopLevel {
  DWORD thread;
  DWORD process;
  std::vector<HWND> mine;
  std::vector<HWND> others;
};

BOOL CALLBACK collectTopLevel(HWND window, LPARAM found) {
  TopLevel& all = *reinterpret_cast<TopLevel*>(found);
  DWORD process = 0;
  DWORD thread = GetWindowThreadProcessId(window, &process);
  if (process == all.process) (thread == all.thread ? all.mine : all.others).push_back(window);
  return TRUE;
}

TopLevel topLevelWindows() {
  TopLevel all = {GetCurrentThreadId(), GetCurrentProcessId(), {}, {}};
  EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&all));
  return all;
}

// This thread's forms: dialog-class windows with a record, which every form
// the toolkit makes has (message boxes and the system's dialogs have none, and
// keep their colours).
void applyToThreadForms(const std::vector<HWND>& windows) {
  for (HWND window : windows)
    if (findRecord(window) != nullptr && isDialog(window)) applyToForm(window);
}

void takeRequest() { applyToThreadForms(topLevelWindows().mine); }

// Every form of the program: this thread's now, each other thread's when it
// next reads its messages (the switch is posted to it, once).
void switchWindows() {
  TopLevel all = topLevelWindows();
  applyToThreadForms(all.mine);
  std::vector<DWORD> asked;
  for (HWND window : all.others) {
    DWORD thread = GetWindowThreadProcessId(window, NULL);
    if (std::find(asked.begin(), asked.end(), thread) != asked.end()) continue;
    if (post(Control(window), takeRequest)) asked.push_back(thread);
  }
}

void windowMade(HWND window) {
  if (GetWindowThreadProcessId(window, NULL) != GetCurrentThreadId()) return;
  if (!isChild(window)) {
    if (isDialog(window)) applyToForm(window);
    return;
  }
  ChildWalk walk = {schemeIsDark(), schemeIsDark(), NULL};
  applyToChild(window, walk);
  EnumChildWindows(window, applyToEach, reinterpret_cast<LPARAM>(&walk));
}

}  // namespace

// ---------------------------------------------------------------------------

SchemeCalls& schemeCalls() {
  static SchemeCalls calls = {systemSetWindowTheme, systemSetWindowAttribute, systemHighContrast};
  return calls;
}

void setTheme(HWND window, const wchar_t* appName, const wchar_t* idList) {
  schemeCalls().setWindowTheme(window, appName, idList);
}

void useSchemeFamilies(const SchemeFamily* families, std::size_t count) {
  familyCount.store(count);
  familyTable.store(families, std::memory_order_release);
}

void chooseScheme(int request) {
  requested = request;
  if (!chosen.exchange(true)) schemeWindowMade.store(windowMade, std::memory_order_release);
  evaluate();
  switchWindows();
}

bool schemeIsDark() { return paintsDark.load(); }

bool programBack(HWND window, COLORREF& colour) {
  if (const ProgramColours* own = programColours(window))
    if (own->hasBack) {
      colour = own->back;
      return true;
    }
  const Control* object = linkedObject(window, ObjectLink::userData);
  if (object == nullptr || !object->backColorSet) return false;
  colour = object->backColorValue;
  return true;
}

void answerChildColours(HWND parent) {
  if (WindowRecord* r = record(parent)) r->addHook(schemeHook);
}

HBRUSH schemeBrush(COLORREF colour) {
  Brushes& all = brushes();
  std::lock_guard<std::mutex> hold(all.lock);
  for (auto& brush : all.made)
    if (brush.first == colour) return brush.second;
  HBRUSH made = CreateSolidBrush(colour);
  if (made != NULL) all.made.emplace_back(colour, made);
  return made;
}

}  // namespace detail

// Read afresh: a program without windows hears no announcement.
ColorScheme colorScheme() {
  if (!detail::chosen.load()) return ColorScheme::light;
  bool contrast = detail::schemeCalls().highContrast();
  return detail::currentShade(contrast) == detail::Shade::dark ? ColorScheme::dark
                                                               : ColorScheme::light;
}

}  // namespace tarn
