// Times filling a list box and a combo box with N items (text and data) and
// reading them all back, through the toolkit and with plain SendMessageA
// doing the same messages, alternating in one run; prints both times and the
// toolkit/plain ratio, for N and 2N.
//
//   tarn_lists_bench [list items] [combo items] [rounds]
//   (defaults 100000, 10000, 3: the combo box is quadratic under Wine)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "clock.h"
#include "tarn.h"

using namespace tarn;

namespace {

constexpr DWORD listStyle = WS_CHILD | WS_TABSTOP | LBS_DISABLENOSCROLL | LBS_HASSTRINGS | LBS_NOTIFY;
constexpr DWORD comboStyle = WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DISABLENOSCROLL | CBS_DROPDOWN;

struct Times {
  double add = 0;
  double read = 0;
};

std::vector<std::string> itemTexts(int n) {
  std::vector<std::string> texts;
  texts.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) texts.push_back("item number " + std::to_string(i));
  return texts;
}

// What a read produced, so no read can be left out.
std::size_t checksum = 0;

Times toolkitList(const Control& host, const std::vector<std::string>& texts) {
  ListBox list("", 1, 0, 0, 200, 200, host, true, false, false, false, 0);
  Times t;
  double start = seconds();
  for (std::size_t i = 0; i < texts.size(); ++i) list.addItem(texts[i], static_cast<LPARAM>(i));
  t.add = seconds() - start;
  start = seconds();
  for (int i = 0; i < static_cast<int>(texts.size()); ++i)
    checksum += list.itemText(i).str().size() + static_cast<std::size_t>(list.itemData(i));
  t.read = seconds() - start;
  list.destroy();
  return t;
}

Times plainList(HWND host, const std::vector<std::string>& texts) {
  HWND list = CreateWindowExA(0, "LISTBOX", "ListBox", listStyle, 0, 0, 200, 200, host, NULL,
                              GetModuleHandleA(NULL), NULL);
  Times t;
  double start = seconds();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts[i].c_str()));
    SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(i));
  }
  t.add = seconds() - start;
  start = seconds();
  std::vector<char> buffer;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, i, 0);
    buffer.assign(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
    checksum += std::string(buffer.data()).size() +
                static_cast<std::size_t>(SendMessageA(list, LB_GETITEMDATA, i, 0));
  }
  t.read = seconds() - start;
  DestroyWindow(list);
  return t;
}

Times toolkitCombo(const Control& host, const std::vector<std::string>& texts) {
  ComboBox combo("", 2, 0, 0, 200, 200, host, true, false, false, false, 0);
  Times t;
  double start = seconds();
  for (std::size_t i = 0; i < texts.size(); ++i) combo.addItem(texts[i], static_cast<LPARAM>(i), 0);
  t.add = seconds() - start;
  start = seconds();
  for (int i = 0; i < static_cast<int>(texts.size()); ++i)
    checksum += combo.itemText(i).str().size() + static_cast<std::size_t>(combo.itemData(i));
  t.read = seconds() - start;
  combo.destroy();
  return t;
}

Times plainCombo(HWND host, const std::vector<std::string>& texts) {
  HWND combo = CreateWindowExA(0, WC_COMBOBOXEXA, "ComboBox", comboStyle, 0, 0, 200, 200, host,
                               NULL, GetModuleHandleA(NULL), NULL);
  Times t;
  double start = seconds();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = static_cast<INT_PTR>(i);
    item.pszText = const_cast<char*>(texts[i].c_str());
    LRESULT index = SendMessageA(combo, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(i));
  }
  t.add = seconds() - start;
  start = seconds();
  std::vector<char> buffer;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
    buffer.assign(static_cast<std::size_t>(length) + 1, '\0');
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT;
    item.iItem = static_cast<INT_PTR>(i);
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    SendMessageA(combo, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    checksum += std::string(buffer.data()).size() +
                static_cast<std::size_t>(SendMessageA(combo, CB_GETITEMDATA, i, 0));
  }
  t.read = seconds() - start;
  DestroyWindow(combo);
  return t;
}

// Runs both ways `rounds` times, alternating which goes first, and keeps each
// way's fastest round.
template <class Toolkit, class Plain>
void compare(const char* what, int n, int rounds, Toolkit toolkit, Plain plain) {
  std::vector<std::string> texts = itemTexts(n);
  Times best[2];
  for (Times& b : best) b.add = b.read = 1e30;
  for (int r = 0; r < rounds; ++r)
    for (int k = 0; k < 2; ++k) {
      bool toolkitTurn = ((r + k) % 2) == 0;
      Times t = toolkitTurn ? toolkit(texts) : plain(texts);
      Times& b = best[toolkitTurn ? 0 : 1];
      b.add = std::min(b.add, t.add);
      b.read = std::min(b.read, t.read);
    }
  std::printf("%-9s N=%-7d add:  toolkit %8.3f s  plain %8.3f s  ratio %.3f\n", what, n,
              best[0].add, best[1].add, best[0].add / best[1].add);
  std::printf("%-9s N=%-7d read: toolkit %8.3f s  plain %8.3f s  ratio %.3f\n", what, n,
              best[0].read, best[1].read, best[0].read / best[1].read);
  std::fflush(stdout);
}

int positive(int argc, char** argv, int at, int fallback) {
  int value = argc > at ? std::atoi(argv[at]) : 0;
  return value > 0 ? value : fallback;
}

}  // namespace

int main(int argc, char** argv) {
  int listItems = positive(argc, argv, 1, 100000);
  int comboItems = positive(argc, argv, 2, 10000);
  int rounds = positive(argc, argv, 3, 3);
  Control host(CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 300, 300, NULL, NULL,
                               GetModuleHandleA(NULL), NULL));
  std::printf("best of %d rounds, alternating toolkit and plain SendMessageA\n", rounds);
  for (int n : {listItems, 2 * listItems})
    compare("ListBox", n, rounds,
            [&](const std::vector<std::string>& t) { return toolkitList(host, t); },
            [&](const std::vector<std::string>& t) { return plainList(host.hwnd, t); });
  for (int n : {comboItems, 2 * comboItems})
    compare("ComboBox", n, rounds,
            [&](const std::vector<std::string>& t) { return toolkitCombo(host, t); },
            [&](const std::vector<std::string>& t) { return plainCombo(host.hwnd, t); });
  std::printf("(checksum %lu)\n", static_cast<unsigned long>(checksum));
  DestroyWindow(host.hwnd);
  return 0;
}
