// Running an example program from a test: start it, find its windows and
// controls across the process boundary, wait for what it shows, and save a
// picture of its window as a PNG file.
#ifndef TARN_TESTS_EXAMPLE_PROCESS_H
#define TARN_TESTS_EXAMPLE_PROCESS_H

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

namespace examples_test {

// One running example. The process is ended when the object goes, unless it
// already ended.
class ExampleProcess {
 public:
  ExampleProcess() = default;
  ~ExampleProcess();
  ExampleProcess(const ExampleProcess&) = delete;
  ExampleProcess& operator=(const ExampleProcess&) = delete;

  // Starts `<examples folder>\name.exe arguments` and waits up to 30 s for a
  // visible top-level window of it captioned `caption`; false when none came.
  bool start(const std::string& name, const std::string& arguments, const std::string& caption);
  // Waits up to 30 s for the process to end; its exit code, or -1.
  long waitForExit();
  // A visible top-level window of this process with this caption (0: none).
  HWND findTopLevel(const std::string& caption) const;

  HWND window = NULL;
  PROCESS_INFORMATION process = {};
};

// The first descendant of `parent` with this class (case-insensitive) and,
// when `text` is given, this window text; 0 when there is none.
HWND findChild(HWND parent, const std::string& className, const char* text = nullptr);
// Every direct child of `parent` with this class.
std::vector<HWND> childrenOf(HWND parent, const std::string& className);

// Drops files on `target`, a window of `example`, as the shell hands a drop
// to another program: the drop (makeDrop's, with wide names and the client
// point `at`) is copied into a global memory block of the example's own heap
// and posted as WM_DROPFILES; the receiver reads and frees it. False when the
// block could not be made there.
bool dropFiles(const ExampleProcess& example, HWND target, const std::vector<std::wstring>& names,
               POINT at);

// The window's text as it answers WM_GETTEXT (a control's present text).
std::string textOf(HWND window);

// Waits up to `ms` for `done`, checking every 20 ms; true when it came.
bool waitFor(const std::function<bool()>& done, DWORD ms = 10000);
// Waits until `window`'s text is `expected`; false at the deadline.
bool waitForText(HWND window, const std::string& expected, DWORD ms = 10000);

// A list view of another process, through messages whose records must lie in
// that process's memory (a pointer means nothing across the boundary).
// Gives `row` the `state` bits of `mask` (LVM_SETITEMSTATE; row -1: every row);
// false when the record could not be placed or the view refused.
bool setListViewItemState(HWND list, int row, UINT state, UINT mask);
// The text of a cell (LVM_GETITEMTEXTA, at most 1,023 bytes); empty when there is none.
std::string listViewCellText(HWND list, int row, int column);

// The colour the screen shows at a client point of `window`.
COLORREF screenPixel(HWND window, int x, int y);

// Saves what the screen shows of `window` (frame included) as
// `<screenshot folder>\name.png`; false when it could not be taken or written.
bool saveScreenshot(HWND window, const std::string& name);

// PNG bytes of a w x h picture given as 0x00RRGGBB pixels, top row first.
std::string encodePng(int w, int h, const std::vector<unsigned>& pixels);

}  // namespace examples_test

#endif
