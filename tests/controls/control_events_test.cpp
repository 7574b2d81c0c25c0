// The standard controls' events: each fired the way the user fires it (the
// control's own input messages), once per change, replaced, removed, run
// before the form's command handler, ended with the window; a handler that
// throws or destroys its own form.
#include <memory>
#include <string>
#include <vector>

#include "support/control_host.h"
#include "support/dialog_answerer.h"
#include "support/support.h"

using namespace tarn;
using namespace testing_support;

namespace {

using Log = std::function<void(const std::string&)>;

// One control with its event wired: `set` gives the event a handler that
// writes what `say` makes of the event to a log (a null log removes it),
// `fire` does once what the user does, and `told` is what the handler writes.
struct Wired {
  HWND window;
  std::function<void(Log)> set;
  std::function<void()> fire;
  std::string told;
};

struct EventRow {
  const char* name;
  std::function<Wired(const Control& parent, int id)> make;
};

// The handler that logs what `say` makes of its arguments; none for no log.
template <class... Args, class Say>
std::function<void(Args...)> logger(const Log& log, Say say) {
  if (!log) return nullptr;
  return [log, say](Args... args) { log(say(args...)); };
}

template <class C>
std::shared_ptr<C> keep(C&& control) {
  return std::make_shared<C>(std::move(control));
}

// A click as the control receives it from the mouse (twice: a double-click).
void clickAt(HWND window, int x, int y, bool twice = false) {
  for (UINT press : {UINT(WM_LBUTTONDOWN), UINT(twice ? WM_LBUTTONDBLCLK : 0)}) {
    if (press == 0) continue;
    SendMessageA(window, press, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
}

// Typing `c` over everything the box holds: one change.
void typeOver(HWND box, char c) {
  SendMessageA(box, EM_SETSEL, 0, -1);
  SendMessageA(box, WM_CHAR, static_cast<WPARAM>(c), 1);
}

std::string textOf(const Control& c) { return String(c.text).str(); }
std::string number(int n) { return std::to_string(n); }

template <class Box>
Wired typing(std::shared_ptr<Box> t, char c) {
  return Wired{t->hwnd, [t](Log log) { t->onChange(logger<>(log, [t] { return textOf(*t); })); },
               [t, c] { typeOver(t->hwnd, c); }, std::string(1, c)};
}

// An `onSelectionChange(index)` or `onActivate(index)` of `list` (given as `on`).
template <class List, class On>
Wired indexEvent(std::shared_ptr<List> l, On on, std::function<void()> fire, int told) {
  return Wired{l->hwnd, [l, on](Log log) { ((*l).*on)(logger<int>(log, number)); }, fire,
               number(told)};
}

std::vector<EventRow> eventRows() {
  return {
      {"Button::onClick",
       [](const Control& p, int id) {
         auto b = keep(Button("Go", id, 10, 10, 80, 24, p, true, true, false, false, 0, false,
                              Icon()));
         return Wired{b->hwnd, [b](Log log) { b->onClick(logger<>(log, [] { return "click"; })); },
                      [b] { SendMessageA(b->hwnd, BM_CLICK, 0, 0); }, "click"};
       }},
      {"CheckBox::onClick",  // the handler reads the state the click left
       [](const Control& p, int id) {
         auto c = keep(CheckBox("Tick", id, 10, 10, 80, 24, p, false, true, true, false, 0));
         return Wired{c->hwnd,
                      [c](Log log) { c->onClick(logger<>(log, [c] { return number(c->checked); })); },
                      [c] { c->checked = false, SendMessageA(c->hwnd, BM_CLICK, 0, 0); }, "1"};
       }},
      {"RadioButton::onClick",
       [](const Control& p, int id) {
         auto r = keep(RadioButton("One", id, 10, 10, 80, 24, p, true, true, false, 0));
         return Wired{r->hwnd,
                      [r](Log log) { r->onClick(logger<>(log, [r] { return number(r->checked); })); },
                      [r] { r->checked = false, SendMessageA(r->hwnd, BM_CLICK, 0, 0); }, "1"};
       }},
      {"TextBox::onChange",
       [](const Control& p, int id) {
         return typing(keep(TextBox("", id, 10, 10, 120, 24, p, true, true, false, false, 0)), 'a');
       }},
      {"PasswordBox::onChange",
       [](const Control& p, int id) {
         return typing(keep(PasswordBox("", id, 10, 10, 120, 24, p, true, true, false, false, 0)),
                       'p');
       }},
      {"ReadOnlyBox::onChange",  // the program's change: the user's typing is refused
       [](const Control& p, int id) {
         auto t = keep(ReadOnlyBox("", id, 10, 10, 120, 24, p, true, true, false, false, 0));
         Wired w = typing(t, 'r');
         w.fire = [t] {
           SendMessageA(t->hwnd, EM_SETSEL, 0, -1);
           SendMessageA(t->hwnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("r"));
         };
         return w;
       }},
      {"spinBox::onChange",  // each click on the upper arrow steps the number
       [](const Control& p, int id) {
         auto s = keep(spinBox("50", id, 10, 10, 80, 24, p, true, true, false, 0));
         auto last = std::make_shared<std::string>("50");
         return Wired{s->hwnd,
                      [s, last](Log log) {
                        s->onChange(logger<>(log, [s, last] {
                          bool stepped = textOf(*s) != *last;
                          *last = textOf(*s);
                          return stepped ? "stepped" : "same";
                        }));
                      },
                      [s] {
                        RECT r = {};
                        GetClientRect(s->spinHandle, &r);
                        clickAt(s->spinHandle, r.right / 2, 2);
                      },
                      "stepped"};
       }},
      {"ListBox::onSelectionChange",  // the Down key
       [](const Control& p, int id) {
         auto l = keep(ListBox("", id, 10, 10, 120, 100, p, true, true, false, true, 0));
         for (const char* item : {"a", "b", "c"}) l->addItem(item, 0);
         return indexEvent(l, &ListBox::onSelectionChange, [l] {
           l->setSelectedIndex(0);
           SendMessageA(l->hwnd, WM_KEYDOWN, VK_DOWN, 0);
         }, 1);
       }},
      {"ListBox::onActivate",  // a double-click on the third item
       [](const Control& p, int id) {
         auto l = keep(ListBox("", id, 10, 10, 120, 100, p, true, true, false, true, 0));
         for (const char* item : {"a", "b", "c"}) l->addItem(item, 0);
         return indexEvent(l, &ListBox::onActivate, [l] {
           RECT r = {};
           SendMessageA(l->hwnd, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
           clickAt(l->hwnd, (r.left + r.right) / 2, (r.top + r.bottom) / 2, true);
         }, 2);
       }},
      {"ComboBox::onSelectionChange",  // the Down key, in the combo box inside the extended one
       [](const Control& p, int id) {
         auto c = keep(ComboBox("", id, 10, 10, 150, 120, p, true, true, false, true, 0));
         for (const char* item : {"a", "b", "c"}) c->addItem(item, 0, 0);
         HWND inner = reinterpret_cast<HWND>(SendMessageA(c->hwnd, CBEM_GETCOMBOCONTROL, 0, 0));
         return indexEvent(c, &ComboBox::onSelectionChange, [c, inner] {
           c->setSelectedIndex(0);
           SendMessageA(inner, WM_KEYDOWN, VK_DOWN, 0);
         }, 1);
       }},
  };
}

// The handler's entries of a log, each with the entry after it: the form's
// command handler hears every notification of the control (EN_UPDATE before
// EN_CHANGE, say), so only what follows the handler tells the order.
std::vector<std::string> handlerRuns(const std::vector<std::string>& log) {
  std::vector<std::string> runs;
  for (std::size_t i = 0; i < log.size(); ++i)
    if (log[i] != "command") runs.push_back(log[i] + " > " + (i + 1 < log.size() ? log[i + 1] : ""));
  return runs;
}

}  // namespace

// For every event: the handler runs once per user action, with what the
// control holds then, just before the form's command handler for the
// control's identifier; a second handler replaces the first; a null one
// removes it and leaves the command to the form.
TEST_F(ControlHost, EachEventRunsOncePerActionBeforeTheFormsCommand) {
  int id = 3100;
  for (const EventRow& row : eventRows()) {
    Wired wired = row.make(form, ++id);
    ASSERT_NE(HWND(NULL), wired.window) << row.name;
    std::vector<std::string> log;
    form.onCommand(id, [&log] { log.push_back("command"); });

    wired.set([&log](const std::string& told) { log.push_back("first " + told); });
    wired.fire();
    EXPECT_EQ((std::vector<std::string>{"first " + wired.told + " > command"}), handlerRuns(log))
        << row.name;

    log.clear();
    wired.set([&log](const std::string& told) { log.push_back("second " + told); });
    wired.fire();
    EXPECT_EQ((std::vector<std::string>{"second " + wired.told + " > command"}), handlerRuns(log))
        << row.name;

    log.clear();
    wired.set(nullptr);
    wired.fire();
    EXPECT_TRUE(handlerRuns(log).empty()) << row.name;
    EXPECT_FALSE(log.empty()) << row.name;
    form.onCommand(id, nullptr);
    DestroyWindow(wired.window);
  }
}

// What a handler holds goes when its window goes, not before.
TEST_F(ControlHost, HandlersEndWithTheirWindow) {
  int id = 3200;
  for (const EventRow& row : eventRows()) {
    Wired wired = row.make(form, ++id);
    auto token = std::make_shared<int>(0);
    wired.set([token](const std::string&) { ++*token; });
    wired.fire();
    EXPECT_EQ(1, *token) << row.name;
    EXPECT_EQ(2, token.use_count()) << row.name;
    DestroyWindow(wired.window);
    EXPECT_EQ(1, token.use_count()) << row.name;
  }
}

// A handler may destroy its own form (and so its control) while it runs; the
// rest of the message finds nothing to touch.
TEST(ControlEvents, AHandlerMayDestroyItsOwnForm) {
  int id = 3300;
  for (const EventRow& row : eventRows()) {
    Form form("mine", 40, 40, 300, 200, 10, true, true, false, false, false, Control(), false, 0);
    Wired wired = row.make(form, ++id);
    bool destroyed = false, commandAfter = false;
    form.onCommand(id, [&] { commandAfter = destroyed; });
    wired.set([&](const std::string&) { destroyed = form.destroy(); });
    wired.fire();
    EXPECT_TRUE(destroyed) << row.name;
    EXPECT_FALSE(IsWindow(form.hwnd)) << row.name;
    EXPECT_FALSE(commandAfter) << row.name;
  }
}

// A handler keeps its own state between calls, as a stored std::function does:
// a mutable lambda counts every click, also when a form's command handler for
// the same identifier runs after it.
TEST_F(ControlHost, AMutableHandlerKeepsItsStateFromOneCallToTheNext) {
  Button button("Go", 3300, 10, 10, 80, 24, form, true, true, false, false, 0, false, Icon());
  std::vector<int> seen;
  button.onClick([&seen, clicks = 0]() mutable { seen.push_back(++clicks); });
  form.onCommand(3300, [&seen, commands = 100]() mutable { seen.push_back(++commands); });
  for (int i = 0; i < 3; ++i) SendMessageA(button.hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ((std::vector<int>{1, 101, 2, 102, 3, 103}), seen);
}

// An exception leaving a handler stops at the window procedure: the runtime
// check names it, the form's command still runs, and the next click works.
TEST_F(ControlHost, AHandlerThatThrowsIsReportedAndTheProgramGoesOn) {
  Button button("Go", 3400, 10, 10, 80, 24, form, true, true, false, false, 0, false, Icon());
  int clicks = 0, commands = 0;
  form.onCommand(3400, [&] { ++commands; });
  button.onClick([&] {
    if (++clicks == 1) throw std::runtime_error("the disk is full");
  });
  BoxAnswerer answerer(IDIGNORE);
  SendMessageA(button.hwnd, BM_CLICK, 0, 0);
  SendMessageA(button.hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(2, clicks);
  EXPECT_EQ(2, commands);
  ASSERT_EQ(1u, answerer.boxes().size());
  EXPECT_EQ(runtimeCheckCaption, answerer.boxes()[0].caption);
  EXPECT_NE(std::string::npos, answerer.boxes()[0].text.find("the disk is full"));

  // Something thrown that is not a standard exception is reported too.
  button.onClick([] { throw 42; });
  SendMessageA(button.hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(2u, answerer.boxes().size());
  EXPECT_EQ(3, commands);
}

// Every copy of an object names the same window, so the same events.
TEST_F(ControlHost, ACopySetsTheSameWindowsEvent) {
  Button button("Go", 3500, 10, 10, 80, 24, form, true, true, false, false, 0, false, Icon());
  Button copy = button;
  std::string seen;
  button.onClick([&] { seen += "a"; });
  copy.onClick([&] { seen += "b"; });
  SendMessageA(button.hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ("b", seen);
  Button none;  // no window: setting and removing do nothing
  none.onClick([&] { seen += "c"; });
  none.onClick(nullptr);
  EXPECT_EQ("b", seen);
}
