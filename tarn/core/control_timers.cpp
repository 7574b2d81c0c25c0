// A window object's named timers: identifiers handed out from 1 per object and
// never reused.
#include "tarn/core.h"

namespace tarn {

int Control::timerIndex(const String& name) const {
  for (std::size_t i = 0; i < timers.size(); ++i)
    if (timers[i].name == name) return static_cast<int>(i);
  return -1;
}

int Control::timerId(const String& name) const {
  int index = timerIndex(name);
  return index < 0 ? 0 : timers[static_cast<std::size_t>(index)].id;
}

bool Control::startTimer(const String& name, int interval) {
  // Without a window the system would start a thread timer under an identifier
  // of its own choosing, which no tick could be matched to and nothing could stop.
  if (hwnd == NULL) return false;
  if (timerId(name) != 0) return false;
  TimerEntry entry;
  entry.name = name;
  entry.id = timerCounter++;
  entry.interval = interval;
  timers.push_back(entry);
  SetTimer(hwnd, static_cast<UINT_PTR>(entry.id), static_cast<UINT>(interval), NULL);
  return true;
}

bool Control::stopTimer(const String& name) {
  int id_ = timerId(name);
  if (id_ == 0) return false;
  timers.erase(timers.begin() + timerIndex(name));
  return KillTimer(hwnd, static_cast<UINT_PTR>(id_)) != 0;
}

}  // namespace tarn
