// Files dropped on a form or a control: the handler gets every path whole and
// the point in units, and the drop is always finished.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/dialog_answerer.h"
#include "support/support.h"
#include <tarn/tarn.h>

using namespace tarn;
using testing_support::isFreed;
using testing_support::makeDrop;

namespace {

Form dropForm() {
  return Form("drops", 40, 40, 300, 200, 0, true, true, false, false, false, Control(), false, 0);
}

struct Seen {
  std::vector<std::string> paths;
  int x = -1, y = -1, calls = 0;
};

std::wstring longName() { return L"C:\\" + std::wstring(300, L'n') + L".txt"; }

}  // namespace

// One table of drops, as the system builds them, on a form and on a text box:
// ANSI and wide names, none, a name past MAX_PATH, ten thousand names.
TEST(Drops, ReachTheHandlerWholeAndAreFinished) {
  Form form = dropForm();
  TextBox box("", 0, 10, 10, 120, 24, form, true, true, false, false, 0);
  std::vector<std::wstring> many;
  for (int i = 0; i < 10000; ++i) many.push_back(L"C:\\d\\" + std::to_wstring(i));
  struct Case {
    const char* name;
    std::vector<std::wstring> files;
    bool wide;
  } cases[] = {
      {"ansi", {L"C:\\a.txt", L"C:\\b c\\d.txt"}, false},
      {"wide", {L"C:\\a.txt", L"C:\\b c\\d.txt"}, true},
      {"none", {}, true},
      {"long", {longName()}, true},
      {"many", many, false},
  };
  for (Control target : {Control::wrap(form), Control::wrap(box)}) {
    Seen seen;
    target.onDropFiles([&](const StringList& paths, int x, int y) {
      seen.paths.clear();
      for (int i = 0; i < paths.size(); ++i) seen.paths.push_back(paths[i].str());
      seen.x = x;
      seen.y = y;
      ++seen.calls;
    });
    EXPECT_TRUE(target.hasExStyle(WS_EX_ACCEPTFILES));
    for (const Case& c : cases) {
      HGLOBAL drop = makeDrop(c.files, POINT{target.scaled(20), target.scaled(30)}, c.wide);
      seen = Seen();
      SendMessageA(target.hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
      EXPECT_TRUE(isFreed(drop)) << c.name;
      ASSERT_EQ(1, seen.calls) << c.name;
      ASSERT_EQ(c.files.size(), seen.paths.size()) << c.name;
      for (std::size_t i = 0; i < c.files.size(); ++i)
        EXPECT_EQ(std::string(c.files[i].begin(), c.files[i].end()), seen.paths[i]) << c.name;
      EXPECT_EQ(20, seen.x) << c.name;
      EXPECT_EQ(30, seen.y) << c.name;
    }
  }
  // Without its handler the box no longer takes files; the form still
  // finishes what it is given.
  box.onDropFiles(nullptr);
  EXPECT_FALSE(box.hasExStyle(WS_EX_ACCEPTFILES));
  form.onDropFiles(nullptr);
  HGLOBAL drop = makeDrop({L"C:\\late.txt"}, POINT{0, 0}, false);
  SendMessageA(form.hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_TRUE(isFreed(drop));
  form.destroy();
}

// A handler that throws is reported and the drop still finished; a handler
// that destroys its own window ends it safely.
TEST(Drops, ThrowingAndDestroyingHandlers) {
  Form form = dropForm();
  {
    testing_support::BoxAnswerer answerer(IDIGNORE);
    form.onDropFiles([](const StringList&, int, int) { throw 1; });
    HGLOBAL drop = makeDrop({L"C:\\x"}, POINT{0, 0}, true);
    SendMessageA(form.hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_TRUE(isFreed(drop));
    EXPECT_EQ(1u, answerer.boxes().size());
  }
  form.onDropFiles([&](const StringList&, int, int) { form.destroy(); });
  HGLOBAL drop = makeDrop({L"C:\\y"}, POINT{0, 0}, true);
  SendMessageA(form.hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_TRUE(isFreed(drop));
  EXPECT_FALSE(IsWindow(form.hwnd));
}
