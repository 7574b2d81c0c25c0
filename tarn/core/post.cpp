// Work posted to a window's thread: each thread that makes forms gets a
// mailbox, a queue behind one hidden message-only window of its own. A post
// puts the work in the queue and, when the queue was empty, posts one wake-up
// message; the thread takes the work out one item at a time, in order, from
// whatever message loop is running.
#include "tarn/post.h"

#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include "tarn/core/window_events.h"

namespace tarn {
namespace detail {

namespace {

struct Work {
  HWND target;
  std::function<void()> run;
};

// The queue of one thread. `sink` receives the wake-up; `closed` once the
// thread's sink has gone, after which nothing more is taken.
struct Mailbox {
  DWORD thread = 0;
  HWND sink = NULL;
  SRWLOCK lock = SRWLOCK_INIT;
  std::deque<Work> pending;
  bool wakePosted = false;
  bool closed = false;
};

class Locked {
 public:
  explicit Locked(SRWLOCK& lock) : lock(lock) { AcquireSRWLockExclusive(&lock); }
  ~Locked() { ReleaseSRWLockExclusive(&lock); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  SRWLOCK& lock;
};

// The mailboxes, by thread. Never destroyed: a worker may post while the
// process's statics go away.
SRWLOCK mailboxesLock = SRWLOCK_INIT;
std::vector<std::shared_ptr<Mailbox>>& mailboxes() {
  static auto* all = new std::vector<std::shared_ptr<Mailbox>>;
  return *all;
}

std::shared_ptr<Mailbox> mailboxOf(DWORD thread) {
  AcquireSRWLockShared(&mailboxesLock);
  std::shared_ptr<Mailbox> found;
  for (const auto& box : mailboxes())
    if (box->thread == thread) found = box;
  ReleaseSRWLockShared(&mailboxesLock);
  return found;
}

UINT wakeMessage() {
  static const UINT message = RegisterWindowMessageA("TarnPostedWork");
  return message;
}

// Takes the next item out, or answers false (and lets the next post wake the
// thread again) when there is none.
bool takeNext(Mailbox& box, Work& next) {
  Locked held(box.lock);
  if (box.pending.empty()) {
    box.wakePosted = false;
    return false;
  }
  next = std::move(box.pending.front());
  box.pending.pop_front();
  return true;
}

void runPending(Mailbox& box) {
  Work next;
  while (takeNext(box, next)) {
    Work item = std::move(next);
    // Work for a window that has gone is released without running.
    if (IsWindow(item.target) && GetWindowThreadProcessId(item.target, NULL) == box.thread)
      runHandler([&] { item.run(); });
  }
}

// The thread's mailbox closes with its sink: what waits is released here, on
// the thread, and nothing more is taken.
void closeMailbox(Mailbox* box) {
  std::deque<Work> left;
  {
    AcquireSRWLockExclusive(&mailboxesLock);
    auto& all = mailboxes();
    for (std::size_t i = 0; i < all.size(); ++i)
      if (all[i].get() == box) {
        all.erase(all.begin() + static_cast<std::ptrdiff_t>(i));
        break;
      }
    ReleaseSRWLockExclusive(&mailboxesLock);
    Locked held(box->lock);
    box->closed = true;
    left.swap(box->pending);
  }
}

LRESULT CALLBACK sinkProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* box = reinterpret_cast<Mailbox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (box != nullptr && message == wakeMessage()) {
    runPending(*box);
    return 0;
  }
  if (box != nullptr && message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    closeMailbox(box);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

constexpr const char* sinkClass = "TarnPostSink";

}  // namespace

void openMailbox() {
  DWORD thread = GetCurrentThreadId();
  if (mailboxOf(thread)) return;
  WNDCLASSA type = {};
  type.lpfnWndProc = sinkProcedure;
  type.hInstance = GetModuleHandleA(NULL);
  type.lpszClassName = sinkClass;
  RegisterClassA(&type);  // fails harmlessly when registered already
  auto box = std::make_shared<Mailbox>();
  box->thread = thread;
  // A message-only window: never shown, never enumerated, gets posted messages.
  box->sink = CreateWindowExA(0, sinkClass, NULL, 0, 0, 0, 0, 0, HWND_MESSAGE, NULL,
                              GetModuleHandleA(NULL), NULL);
  if (box->sink == NULL) return;
  SetWindowLongPtrA(box->sink, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box.get()));
  AcquireSRWLockExclusive(&mailboxesLock);
  mailboxes().push_back(box);
  ReleaseSRWLockExclusive(&mailboxesLock);
}

}  // namespace detail

bool post(const Control& target, std::function<void()> work) {
  HWND window = target.hwnd;
  DWORD process = 0;
  DWORD thread = window != NULL ? GetWindowThreadProcessId(window, &process) : 0;
  if (thread == 0 || process != GetCurrentProcessId() || !work) return false;
  std::shared_ptr<detail::Mailbox> box = detail::mailboxOf(thread);
  if (!box) return false;
  detail::Locked held(box->lock);
  if (box->closed) return false;
  box->pending.push_back(detail::Work{window, std::move(work)});
  if (!box->wakePosted) {
    if (!PostMessageA(box->sink, detail::wakeMessage(), 0, 0)) {
      box->pending.pop_back();
      return false;
    }
    box->wakePosted = true;
  }
  return true;
}

}  // namespace tarn
