// What making and ending windows, and switching colour schemes, leave behind: each scenario runs N times
// after a warm-up round, and the program prints the growth of GDI objects,
// USER objects, kernel handles, the bytes the process heaps hold, and private
// bytes. Flat figures (around 0, whatever N) mean nothing leaks; a figure that
// grows with N is a leak of that size per round.
//
//   tarn_leaks_bench [rounds]   (default 1000)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tarn/core/dpi.h"
#include <tarn/tarn.h>

#include <psapi.h>
#include <shlobj.h>  // DROPFILES

using namespace tarn;

namespace {

struct Usage {
  long long gdi = 0;
  long long user = 0;
  long long handles = 0;
  long long heapBytes = 0;
  long long privateBytes = 0;
};

long long heapBytesInUse() {
  std::vector<HANDLE> heaps(64);
  DWORD n = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
  if (n > heaps.size()) {
    heaps.resize(n);
    n = GetProcessHeaps(n, heaps.data());
  }
  long long total = 0;
  for (DWORD i = 0; i < n && i < heaps.size(); ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry = {};
    while (HeapWalk(heaps[i], &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
    HeapUnlock(heaps[i]);
  }
  return total;
}

// Wine answers 0 for GetGuiResources; there its GDI objects are found by the
// index in the low word of their handles, and its USER objects counted as the
// thread's windows, the ones the toolkit makes and could leave behind.
long long gdiObjectsByIndex() {
  long long n = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++n;
  return n;
}

BOOL CALLBACK countWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<long long*>(count);
  EnumChildWindows(window, countWindow, count);
  return TRUE;
}

long long threadWindows() {
  long long n = 0;
  EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&n));
  return n;
}

Usage measure() {
  Usage u;
  u.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (u.gdi == 0) u.gdi = gdiObjectsByIndex();
  u.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (u.user == 0) u.user = threadWindows();
  DWORD handles = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handles);
  u.handles = handles;
  u.heapBytes = heapBytesInUse();
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(GetCurrentProcess(),
                           reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
    // Wine leaves PrivateUsage 0 and counts private memory as PagefileUsage.
    u.privateBytes = static_cast<long long>(
        memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage);
  return u;
}

// Lets the windows take the messages their changes posted.
void pump() {
  MSG message;
  while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

Form makeHost() {
  return Form("leaks", 0, 0, 500, 400, 0, true, true, false, false, false, Control(), false, 0);
}

template <class Round>
void scenario(const char* name, int rounds, Round round) {
  round();  // the first round makes what is made once (fonts, classes, caches)
  pump();
  Usage before = measure();
  for (int i = 0; i < rounds; ++i) round();
  pump();
  Usage after = measure();
  std::printf("%-44s %7lld %7lld %8lld %11lld %11lld\n", name, after.gdi - before.gdi,
              after.user - before.user, after.handles - before.handles,
              after.heapBytes - before.heapBytes, after.privateBytes - before.privateBytes);
  std::fflush(stdout);
}

// A 24-bit picture file for the image box, written once.
std::string writePicture() {
  char folder[MAX_PATH] = {0};
  GetTempPathA(MAX_PATH, folder);
  std::string path = std::string(folder) + "tarn_leaks_bench.bmp";
  const int w = 16, h = 16, row = w * 3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + row * h;
  std::vector<unsigned char> pixels(static_cast<std::size_t>(row * h), 0x80);
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
  }
  return path;
}

// A drop of `count` files as the shell hands it over: a DROPFILES record in
// global memory, then the names, each ended by a zero, and one more zero.
HGLOBAL makeDrop(int count) {
  std::string names;
  for (int i = 0; i < count; ++i) {
    names += "C:\\dropped\\file" + std::to_string(i) + ".txt";
    names.push_back('\0');
  }
  names.push_back('\0');
  HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
  if (block == NULL) return NULL;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt.x = 10;
  drop->pt.y = 20;
  drop->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
  GlobalUnlock(block);
  return block;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::atoi(argv[1]) : 1000;
  if (rounds <= 0) rounds = 1000;
  std::printf("%d rounds each; growth over the rounds (after a first round):\n", rounds);
  std::printf("%-44s %7s %7s %8s %11s %11s\n", "scenario", "GDI", "USER", "handles", "heap B",
              "private B");

  Form host = makeHost();
  HBITMAP picture = CreateBitmap(32, 32, 1, 32, NULL);

  detail::forceDpi(144);
  scenario("bitmap box at 144 DPI, made and destroyed", rounds, [&] {
    BmpBox box("", ++controlIdCounter, 10, 10, 64, 64, host, Bitmap(picture), true, true, false,
               0);
    box.destroy();
  });
  detail::forceDpi(0);

  scenario("anchored label, made and destroyed", rounds, [&] {
    Label label("anchored", ++controlIdCounter, 10, 10, 80, 20, host, true, true, false, 0);
    label.anchor = anchorLeft | anchorRight | anchorBottom;
    label.destroy();
  });

  scenario("status bar, made and destroyed", rounds, [&] {
    StatusBar bar("a;b", ++controlIdCounter, host, 2, true, true, 0);
    bar.destroy();
  });

  std::string path = writePicture();
  ImageBox images(++controlIdCounter, path, 10, 10, 200, 150, host, 0);
  scenario("image box picture requested", rounds, [&] { images.setImage(path, true); });
  images.destroy();

  scenario("file dropped on a form without a handler", rounds, [&] {
    if (HGLOBAL drop = makeDrop(1))
      SendMessageA(host.hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  });

  scenario("setVirtual on a table with a tooltip and a timer", rounds, [&] {
    TableView table("", ++controlIdCounter, 10, 10, 300, 200, host);
    table.addColumn("A");
    table.toolTip = "rows";
    table.startTimer("refresh", 60000);
    table.setVirtual(100, [](int row, int) { return String(toString(static_cast<double>(row))); });
    table.destroy();
  });

  // Each handler holds a string, so a handler kept past its window shows in
  // the heap figure.
  std::string payload(256, 'x');
  scenario("button, table and toolbar with events", rounds, [&] {
    Button button("Go", ++controlIdCounter, 10, 10, 80, 24, host, true, true, false, false, 0,
                  false, Icon());
    button.onClick([payload] {});
    TableView table("", ++controlIdCounter, 10, 40, 300, 200, host);
    table.addColumn("A");
    table.addRow("row", 0);
    table.onSelectionChange([payload](int) {});
    table.onActivate([payload](int) {});
    table.select(0);
    Toolbar bar(++controlIdCounter, host, 0, 0);
    bar.addButton("One", 0, ++controlIdCounter).onClick([payload] {});
    button.destroy();
    table.destroy();
    bar.destroy();
  });

  scenario("form with close, resize and menu events", rounds, [&] {
    Form form("events", 0, 0, 200, 150, 0, true, false, false, false, false, Control(), false, 0);
    Menu bar(form);
    bar.addPopup("&File", 0).add("&Open", 100).onClick([payload] {});
    form.onClose([payload] { return true; });
    form.onResize([payload](int, int) {});
    form.resize(220, 160);
    form.destroy();
    DestroyMenu(bar.menu);
  });

  scenario("virtual 10^7 rows: ranges, finder, typing", rounds, [&] {
    TableView table("", ++controlIdCounter, 10, 10, 300, 200, host);
    table.addColumn("A");
    table.setVirtual(10000000, [](int row, int) { return String(toString(static_cast<double>(row))); });
    table.setVirtualFind([](const String&, int from) { return from; });
    table.select(5);
    LVITEMA state = {};
    state.state = state.stateMask = LVIS_SELECTED;
    for (int row = 100; row < 500; row += 2)  // 200 ranges kept
      SendMessageA(table.hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&state));
    SendMessageA(table.hwnd, WM_CHAR, '1', 1);
    table.destroy();
  });

  // The colour schemes last: once chosen, a scheme stays chosen for the program.
  {
    Label label("label", ++controlIdCounter, 10, 10, 80, 20, host, true, true, false, 0);
    label.backColor = RGB(200, 0, 0);
    TableView table("", ++controlIdCounter, 10, 40, 200, 100, host);
    table.addColumn("A");
    RichTextBox rich("", ++controlIdCounter, 10, 150, 200, 60, host);
    // Set as RTF the text leaves nothing to undo, and switches add nothing: with
    // something to undo, each switch is one more step, up to the box's undo limit.
    rich.text = "text";
    StatusBar bar("a;b", ++controlIdCounter, host, 2, true, true, 0);
    Tab tabs("", ++controlIdCounter, 220, 10, 200, 150, host);
    tabs.addTab("tab");
    scenario("dark and light scheme, switched and painted", rounds, [&] {
      for (ColorScheme scheme : {ColorScheme::dark, ColorScheme::light}) {
        setColorScheme(scheme);
        RedrawWindow(host.hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      }
    });
    setColorScheme(ColorScheme::dark);
    scenario("controls made and destroyed while dark", rounds, [&] {
      TableView made("", ++controlIdCounter, 10, 40, 200, 100, host);
      Label painted("painted", ++controlIdCounter, 220, 170, 80, 20, host, true, true, false, 0);
      painted.backColor = RGB(0, 0, 120);
      UpdateWindow(host.hwnd);
      made.destroy();
      painted.destroy();
    });
    setColorScheme(ColorScheme::light);
  }

  DeleteObject(picture);
  DeleteFileA(path.c_str());
  host.destroy();
  return 0;
}
