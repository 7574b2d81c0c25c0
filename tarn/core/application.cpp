// The application, screen and cursor objects (the program's globals of these
// classes are made in forms/startup.cpp, with the application's destructor).
#include "tarn/core.h"

namespace tarn {

// ---------------------------------------------------------------------------
// Application

Application::Application(const char* date, const char* time)
    : startTick(GetTickCount()), buildDate(date), buildTime(time) {
  elapsed.bind(this, &Application::getElapsed);
  exePath.bind(this, &Application::getExePath);
  folder.bind(this, &Application::getFolder);
  compileDate.bind(this, &Application::getCompileDate);
  compileTime.bind(this, &Application::getCompileTime);

  char buffer[MAX_PATH + 1] = {0};
  GetModuleFileNameA(GetModuleHandleA(NULL), buffer, MAX_PATH);
  path = buffer;
  dir = folderOf(path);
}

String Application::folderOf(const String& modulePath) {
  const std::string& p = modulePath.str();
  std::size_t cut = p.find_last_of("\\/");
  if (cut == std::string::npos) return modulePath;
  return String(p.substr(0, cut));
}

unsigned Application::getElapsed() const { return GetTickCount() - startTick; }

void Application::setCommandLine(const char* line) {
  args = String(line ? line : "").split("\t");
  for (int i = 0; i < args.size(); ++i) args[i].replaceAll('"', String(""));
}

void Application::quit() { PostQuitMessage(0); }

void quit() { PostQuitMessage(0); }

// ---------------------------------------------------------------------------
// Screen

Screen::Screen() : desktop(GetDesktopWindow()) {
  width.bind(this, &Screen::getWidth);
  height.bind(this, &Screen::getHeight);
}

int Screen::getWidth() const { return GetSystemMetrics(SM_CXSCREEN); }
int Screen::getHeight() const { return GetSystemMetrics(SM_CYSCREEN); }

// ---------------------------------------------------------------------------
// Cursor

Cursor::Cursor() {
  visible.bind(this, nullptr, &Cursor::setVisible);
  x.bind(this, &Cursor::getX, &Cursor::setX);
  y.bind(this, &Cursor::getY, &Cursor::setY);
}

void Cursor::setVisible(bool show) { ShowCursor(show ? TRUE : FALSE); }

int Cursor::getX() const {
  POINT p;
  return GetCursorPos(&p) ? static_cast<int>(p.x) : -1;
}

int Cursor::getY() const {
  POINT p;
  return GetCursorPos(&p) ? static_cast<int>(p.y) : -1;
}

void Cursor::setX(int value) { SetCursorPos(value, getY()); }
void Cursor::setY(int value) { SetCursorPos(getX(), value); }

int Cursor::show() { return ShowCursor(TRUE); }
int Cursor::hide() { return ShowCursor(FALSE); }
BOOL Cursor::moveTo(int newX, int newY) { return SetCursorPos(newX, newY); }

}  // namespace tarn
