// Times filling a list box and a combo box with N items (text and data) and
// reading them all back, through the toolkit and with plain SendMessageA
// doing the same messages. Both controls are filled side by side, alternating
// in chunks, so that the machine's load weighs on both alike; prints both
// times (best round), their toolkit/plain ratio and the median of the chunks'
// ratios, for N and 2N.
//
//   tarn_lists_bench [list items] [combo items] [rounds]
//   (defaults 50000, 2000, 3: about a minute under Wine, where the combo box is slow)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "clock.h"
#include <tarn/tarn.h>

using namespace tarn;

namespace {

constexpr DWORD listStyle =
    WS_CHILD | WS_TABSTOP | LBS_DISABLENOSCROLL | LBS_HASSTRINGS | LBS_NOTIFY;
constexpr DWORD comboStyle =
    WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DISABLENOSCROLL | CBS_DROPDOWN;
constexpr int chunks = 100;  // per control and pass: the samples of the median

// What the reads produced, so that no read can be left out.
std::size_t checksum = 0;

// The plain controls get the font the toolkit gives its controls: item
// heights and measuring depend on it.
HWND plainControl(const char* windowClass, const char* name, DWORD style, HWND host) {
  HWND window = CreateWindowExA(0, windowClass, name, style, 0, 0, 200, 200, host, NULL,
                                GetModuleHandleA(NULL), NULL);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return window;
}

// One way of doing the job: adds or reads items [from, to).
struct Way {
  virtual ~Way() = default;
  virtual void add(const std::vector<String>& texts, int from, int to) = 0;
  virtual void read(int from, int to) = 0;
};

struct ToolkitList : Way {
  ListBox list;
  explicit ToolkitList(const Control& host)
      : list("", 1, 0, 0, 200, 200, host, true, false, false, false, 0) {}
  ~ToolkitList() override { list.destroy(); }
  void add(const std::vector<String>& texts, int from, int to) override {
    for (int i = from; i < to; ++i) list.addItem(texts[static_cast<std::size_t>(i)], i);
  }
  void read(int from, int to) override {
    for (int i = from; i < to; ++i)
      checksum += list.itemText(i).str().size() + static_cast<std::size_t>(list.itemData(i));
  }
};

struct PlainList : Way {
  HWND list;
  std::vector<char> buffer;
  explicit PlainList(HWND host) : list(plainControl("LISTBOX", "ListBox", listStyle, host)) {}
  ~PlainList() override { DestroyWindow(list); }
  void add(const std::vector<String>& texts, int from, int to) override {
    for (int i = from; i < to; ++i) {
      LPARAM text = reinterpret_cast<LPARAM>(texts[static_cast<std::size_t>(i)].c_str());
      LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, text);
      SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), i);
    }
  }
  void read(int from, int to) override {
    for (int i = from; i < to; ++i) {
      LRESULT length = SendMessageA(list, LB_GETTEXTLEN, i, 0);
      buffer.assign(static_cast<std::size_t>(length) + 1, '\0');
      SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
      checksum += std::string(buffer.data()).size() +
                  static_cast<std::size_t>(SendMessageA(list, LB_GETITEMDATA, i, 0));
    }
  }
};

struct ToolkitCombo : Way {
  ComboBox combo;
  explicit ToolkitCombo(const Control& host)
      : combo("", 2, 0, 0, 200, 200, host, true, false, false, false, 0) {}
  ~ToolkitCombo() override { combo.destroy(); }
  void add(const std::vector<String>& texts, int from, int to) override {
    for (int i = from; i < to; ++i) combo.addItem(texts[static_cast<std::size_t>(i)], i, 0);
  }
  void read(int from, int to) override {
    for (int i = from; i < to; ++i)
      checksum += combo.itemText(i).str().size() + static_cast<std::size_t>(combo.itemData(i));
  }
};

struct PlainCombo : Way {
  HWND combo;
  std::vector<char> buffer;
  explicit PlainCombo(HWND host)
      : combo(plainControl(WC_COMBOBOXEXA, "ComboBox", comboStyle, host)) {}
  ~PlainCombo() override { DestroyWindow(combo); }
  void add(const std::vector<String>& texts, int from, int to) override {
    for (int i = from; i < to; ++i) {
      COMBOBOXEXITEMA item = {};
      item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
      item.iItem = i;
      item.pszText = const_cast<char*>(texts[static_cast<std::size_t>(i)].c_str());
      LRESULT index = SendMessageA(combo, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
      SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), i);
    }
  }
  void read(int from, int to) override {
    for (int i = from; i < to; ++i) {
      LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
      buffer.assign(static_cast<std::size_t>(length) + 1, '\0');
      COMBOBOXEXITEMA item = {};
      item.mask = CBEIF_TEXT;
      item.iItem = i;
      item.pszText = buffer.data();
      item.cchTextMax = static_cast<int>(buffer.size());
      SendMessageA(combo, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
      checksum += std::string(buffer.data()).size() +
                  static_cast<std::size_t>(SendMessageA(combo, CB_GETITEMDATA, i, 0));
    }
  }
};

struct Times {
  double add[2] = {0, 0};  // toolkit, plain
  double read[2] = {0, 0};
  // toolkit/plain of each chunk: their median shrugs off the bursts of load
  // that a shared machine puts on single chunks.
  std::vector<double> addRatios, readRatios;
};

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  std::size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// Fills both controls chunk by chunk, alternating which goes first, then reads
// them back the same way.
Times race(Way& toolkit, Way& plain, const std::vector<String>& texts) {
  Way* ways[2] = {&toolkit, &plain};
  Times t;
  int n = static_cast<int>(texts.size());
  int chunk = std::max(1, n / chunks);
  for (int pass = 0; pass < 2; ++pass)
    for (int from = 0, turn = 0; from < n; from += chunk, ++turn) {
      int to = std::min(n, from + chunk);
      double took[2] = {0, 0};
      for (int k = 0; k < 2; ++k) {
        int w = (turn + k) % 2;
        double start = seconds();
        if (pass == 0)
          ways[w]->add(texts, from, to);
        else
          ways[w]->read(from, to);
        took[w] = seconds() - start;
        (pass == 0 ? t.add : t.read)[w] += took[w];
      }
      if (took[1] > 0) (pass == 0 ? t.addRatios : t.readRatios).push_back(took[0] / took[1]);
    }
  return t;
}

template <class Make>
void compare(const char* what, int n, int rounds, Make make) {
  std::vector<String> texts;
  texts.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) texts.push_back(String("item number " + std::to_string(i)));
  Times best;
  for (int w = 0; w < 2; ++w) best.add[w] = best.read[w] = 1e30;
  for (int r = 0; r < rounds; ++r) {
    Times t = make(texts);
    for (int w = 0; w < 2; ++w) {
      best.add[w] = std::min(best.add[w], t.add[w]);
      best.read[w] = std::min(best.read[w], t.read[w]);
    }
    best.addRatios.insert(best.addRatios.end(), t.addRatios.begin(), t.addRatios.end());
    best.readRatios.insert(best.readRatios.end(), t.readRatios.begin(), t.readRatios.end());
  }
  std::printf("%-9s N=%-7d add:  toolkit %8.3f s  plain %8.3f s  ratio %.3f  chunk median %.3f\n",
              what, n, best.add[0], best.add[1], best.add[0] / best.add[1],
              median(best.addRatios));
  std::printf("%-9s N=%-7d read: toolkit %8.3f s  plain %8.3f s  ratio %.3f  chunk median %.3f\n",
              what, n, best.read[0], best.read[1], best.read[0] / best.read[1],
              median(best.readRatios));
  std::fflush(stdout);
}

int positive(int argc, char** argv, int at, int fallback) {
  int value = argc > at ? std::atoi(argv[at]) : 0;
  return value > 0 ? value : fallback;
}

}  // namespace

int main(int argc, char** argv) {
  int listItems = positive(argc, argv, 1, 50000);
  int comboItems = positive(argc, argv, 2, 2000);
  int rounds = positive(argc, argv, 3, 3);
  Control host(CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 300, 300, NULL, NULL,
                               GetModuleHandleA(NULL), NULL));
  std::printf("best of %d rounds; toolkit and plain SendMessageA alternate in %d chunks\n",
              rounds, chunks);
  for (int n : {listItems, 2 * listItems})
    compare("ListBox", n, rounds, [&](const std::vector<String>& texts) {
      ToolkitList toolkit(host);
      PlainList plain(host.hwnd);
      return race(toolkit, plain, texts);
    });
  for (int n : {comboItems, 2 * comboItems})
    compare("ComboBox", n, rounds, [&](const std::vector<String>& texts) {
      ToolkitCombo toolkit(host);
      PlainCombo plain(host.hwnd);
      return race(toolkit, plain, texts);
    });
  std::printf("(checksum %lu)\n", static_cast<unsigned long>(checksum));
  DestroyWindow(host.hwnd);
  return 0;
}
