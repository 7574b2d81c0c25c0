// Files dropped on a window: the program's handler gets their paths and the
// point, and every drop is finished, so its memory never stays behind.
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "tarn/core/dpi.h"
#include "tarn/core/shell_dlls.h"
#include "tarn/core/window_events.h"

namespace tarn {
namespace detail {

namespace {

constexpr ATOM dialogClassAtom = 0x8002;  // "#32770"

// The part of a window's record: the program's drop handler.
struct DropHandler {
  std::function<void(const StringList&, int, int)> run;
};

// A name as the program's code page writes it (UTF-8 in a UTF-8 program):
// wide names are turned narrow here, whole, so no name is cut at MAX_PATH or
// mangled by a narrower code page on the way.
String narrowName(const std::wstring& wide) {
  if (wide.empty()) return String();
  int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), NULL, 0, NULL,
                              NULL);
  std::string name(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &name[0], n, NULL,
                        NULL);
  return String(name);
}

// The drop's names, read from its memory block as the system lays it out (a
// DROPFILES header, then the names, each ended by a zero, and one zero more;
// UTF-16 when fWide), never past the block's end: a malformed or empty drop
// gives the names it holds whole and no others. The system's own reader
// takes an empty list's one zero for a name's end and reads on (Wine's does).
StringList droppedPaths(HDROP drop, POINT& at) {
  StringList paths;
  SIZE_T size = GlobalSize(drop);
  const char* block = static_cast<const char*>(GlobalLock(drop));
  if (block == nullptr) return paths;
  DROPFILES header = {};
  if (size >= sizeof header) {
    std::memcpy(&header, block, sizeof header);
    at = header.pt;
  }
  if (size >= sizeof header && header.pFiles >= sizeof header && header.pFiles < size) {
    const char* names = block + header.pFiles;
    std::size_t length = size - header.pFiles;
    if (header.fWide) {
      std::size_t units = length / sizeof(wchar_t);
      std::wstring name;
      for (std::size_t i = 0; i < units;) {
        wchar_t c;
        std::memcpy(&c, names + i * sizeof(wchar_t), sizeof c);
        ++i;
        if (c != L'\0') {
          name.push_back(c);
          continue;
        }
        if (name.empty()) break;  // the list's end
        paths.add(narrowName(name));
        name.clear();
      }
    } else {
      std::string name;
      for (std::size_t i = 0; i < length; ++i) {
        if (names[i] != '\0') {
          name.push_back(names[i]);
          continue;
        }
        if (name.empty()) break;
        paths.add(String(name));
        name.clear();
      }
    }
  }
  GlobalUnlock(drop);
  return paths;
}

bool isDialog(HWND window) {
  return static_cast<ATOM>(GetClassLongPtrA(window, GCW_ATOM)) == dialogClassAtom;
}

bool receiveDrop(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam,
                 LRESULT& result) {
  if (message != WM_DROPFILES) return false;
  HDROP drop = reinterpret_cast<HDROP>(wParam);
  const DropHandler* handler = record.findPart<DropHandler>();
  if (handler != nullptr && handler->run) {
    auto run = handler->run;  // it may replace itself, or end the window
    POINT at = {0, 0};
    StringList paths = droppedPaths(drop, at);
    int dpi = dpiOf(record.window);
    // Finished before the handler runs: the handler may destroy the window or throw.
    shell::dragFinish(drop);
    runHandler([&] { run(paths, unscale(at.x, dpi), unscale(at.y, dpi)); });
    result = 0;
    return true;
  }
  // A control without a handler of ours leaves the drop to its own procedure.
  if (!isDialog(record.window)) return false;
  // A form's procedure may take the drop (answer nonzero), and then finishes
  // it itself; a drop it leaves alone is finished here. The procedure is asked
  // directly, as the dialog manager would, to learn which it did.
  auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(record.window, DWLP_DLGPROC));
  if (procedure != nullptr) {
    KeepRecord keep(record);
    if (CallWindowProcA(procedure, record.window, message, wParam, lParam) != 0) {
      result = record.ended ? 0 : GetWindowLongPtrA(record.window, DWLP_MSGRESULT);
      return true;
    }
  }
  if (drop != NULL) shell::dragFinish(drop);
  result = 0;
  return true;
}

}  // namespace

void receiveDrops(HWND window) {
  if (WindowRecord* r = record(window)) r->addHook(receiveDrop);
}

}  // namespace detail

void Control::onDropFiles(std::function<void(const StringList& paths, int x, int y)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  detail::WindowRecord* r = handler ? detail::record(hwnd) : detail::findRecord(hwnd);
  if (r == nullptr) return;
  if (!handler) {
    r->dropPart<detail::DropHandler>();
    // A form keeps accepting files (and finishing what it is given).
    if (!detail::isDialog(hwnd)) shell::dragAcceptFiles(hwnd, FALSE);
    return;
  }
  r->part<detail::DropHandler>().run = std::move(handler);
  detail::receiveDrops(hwnd);
  shell::dragAcceptFiles(hwnd, TRUE);
}

}  // namespace tarn
