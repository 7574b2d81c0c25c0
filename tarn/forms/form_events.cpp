// A form's command and notification handlers, its keyboard shortcuts, and its
// close and resize events (kept in the form's window record, seen through a
// hook).
#include "tarn/core/child_layout.h"
#include "tarn/core/dpi.h"
#include "tarn/core/window_events.h"
#include "tarn/forms.h"

namespace tarn {

namespace {

// The part of a form's record holding its close and resize handlers.
struct FormEvents {
  std::function<bool()> close;
  std::function<void(int, int)> resize;
};

// WM_CLOSE asks the close handler first; WM_SIZE tells the resize handler.
bool runFormEvents(detail::WindowRecord& record, UINT message, WPARAM wParam, LPARAM,
                   LRESULT& result) {
  if (message != WM_CLOSE && message != WM_SIZE) return false;
  const FormEvents* events = record.findPart<FormEvents>();
  if (events == nullptr) return false;
  detail::KeepRecord keep(record);
  if (message == WM_CLOSE) {
    std::function<bool()> close = events->close;  // it may replace itself or end the form
    if (!close) return false;
    bool closes = false;  // a handler that throws keeps the form
    detail::runHandler([&] { closes = close(); });
    result = 0;
    return !closes || record.ended;
  }
  std::function<void(int, int)> resize = events->resize;
  if (!resize || wParam == SIZE_MINIMIZED) return false;
  RECT client = {0, 0, 0, 0};
  GetClientRect(record.window, &client);
  int dpi = detail::dpiOf(record.window);
  detail::runHandler(resize, detail::unscale(client.right, dpi),
                     detail::unscale(client.bottom, dpi));
  result = 0;
  return record.ended;  // the procedure still sees the size
}

// Sets one of the form's handlers (`which`) and hooks the form when first
// needed, after the layout of its children, so that a resize handler sees them
// in place.
template <class Handler>
void setFormEvent(HWND form, Handler FormEvents::*which, Handler handler) {
  detail::WindowRecord* r = handler ? detail::record(form) : detail::findRecord(form);
  if (r == nullptr) return;
  if (handler) detail::layOutChildrenFirst(form);
  r->part<FormEvents>().*which = std::move(handler);
  r->addHook(runFormEvents);
}

}  // namespace

void Form::onCommand(int commandId, std::function<void()> handler) {
  handler = detail::sharedHandler(std::move(handler));
  std::function<LRESULT(NMHDR*)> run;
  if (handler) run = [handler](NMHDR*) -> LRESULT { return handler(), 0; };
  detail::setHandler(hwnd, WM_COMMAND, commandId, 0, std::move(run));
}

void Form::onNotify(int controlId, UINT code, std::function<LRESULT(NMHDR*)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  detail::setHandler(hwnd, WM_NOTIFY, controlId, code, std::move(handler));
}

bool Form::addShortcut(int modifiers, int key, int command) {
  return detail::setShortcut(hwnd, modifiers, key, command);
}

void Form::onClose(std::function<bool()> handler) {
  handler = detail::sharedHandler(std::move(handler));
  setFormEvent(hwnd, &FormEvents::close, std::move(handler));
}

void Form::onResize(std::function<void(int width, int height)> handler) {
  handler = detail::sharedHandler(std::move(handler));
  setFormEvent(hwnd, &FormEvents::resize, std::move(handler));
}

}  // namespace tarn
