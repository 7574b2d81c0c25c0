// setColorScheme: the families of every layer, by window class, handed to the
// core's scheme; and the MDI client, whose background the toolkit paints while
// the scheme is dark.
#include "tarn/commctl/schemes.h"
#include "tarn/controls/schemes.h"
#include "tarn/core/color_scheme.h"
#include "tarn/forms.h"

namespace tarn {

namespace detail {

namespace {

// The part of an MDI client's record while it is dark.
struct DarkClient {};

// The client's class brush is shared by every MDI client of the program (and
// is the program's colour once it sets one): while dark, this client erases
// itself in the scheme's colour instead.
bool eraseDark(WindowRecord& record, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_ERASEBKGND || record.findPart<DarkClient>() == nullptr) return false;
  const ProgramColours* own = record.findPart<ProgramColours>();
  if (own != nullptr && own->hasBack) return false;
  RECT client = {0, 0, 0, 0};
  GetClientRect(record.window, &client);
  FillRect(reinterpret_cast<HDC>(wParam), &client, schemeBrush(schemes::darkPalette.window));
  result = 1;
  return true;
}

void mdiClientScheme(HWND client, bool dark) {
  WindowRecord* r = record(client);
  if (r == nullptr) return;
  if (dark) {
    r->part<DarkClient>();
    r->addHook(eraseDark);
  } else {
    r->dropPart<DarkClient>();
  }
  InvalidateRect(client, NULL, TRUE);
}

// Window classes as GetClassName answers them (compared without case).
const SchemeFamily families[] = {
    {"Button", buttonScheme},
    {"Edit", editScheme},
    {"ListBox", listBoxScheme},
    {"ComboBox", comboBoxScheme},
    {"ComboBoxEx32", comboBoxExScheme},
    {"msctls_statusbar32", statusBarScheme},
    {"SysListView32", listViewScheme},
    {"SysHeader32", headerScheme},
    {"SysTreeView32", treeViewScheme},
    {"RichEdit", richTextScheme},  // riched32's class
    {"RichEdit20A", richTextScheme},
    {"RichEdit20W", richTextScheme},
    {"ScrollBar", scrollBarScheme},
    {"SysTabControl32", tabScheme},
    {"ToolbarWindow32", toolbarScheme},
    {"MDIClient", mdiClientScheme},
    // They ask their parent for a background but draw text and marks in the
    // system's colours: the parent gives them the system's background.
    {"SysDateTimePick32", nullptr},
    {"msctls_trackbar32", nullptr},
};

}  // namespace

}  // namespace detail

void setColorScheme(ColorScheme scheme) {
  int request = static_cast<int>(scheme);
  if (!runtimeCheck(schemes::isRequest(request), "scheme is system, light or dark", __FILE__,
                    __LINE__))
    return;
  detail::useSchemeFamilies(detail::families, sizeof detail::families / sizeof detail::families[0]);
  detail::chooseScheme(request);
}

}  // namespace tarn
