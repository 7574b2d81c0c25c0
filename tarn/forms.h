// Tarn forms: Form, the top-level window of the system dialog class (its
// frame kinds, procedures, tray icon and embedded file dialog), the toolkit's
// form procedures, and ImageBox, the picture control.
#ifndef TARN_FORMS_H
#define TARN_FORMS_H

#include <functional>

#include "graphics.h"
#include "system.h"

namespace tarn {

// ===========================================================================
// Forms, Events And Image Box
// ===========================================================================

// A form's procedure: the dialog procedure of its window. Returning 0 lets the
// dialog manager's default handling run.
using FormProcedure = DLGPROC;

// Procedures supplied by the toolkit. The default one ends the program on
// WM_CLOSE; the command-forwarding one passes WM_COMMAND to the parent window.
INT_PTR CALLBACK defaultFormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK commandForwardProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The program's message loop: keyboard navigation among each form's controls
// (the dialog manager's), the forms' shortcuts (Form::addShortcut), the MDI
// children's window keys (Ctrl+F4, Ctrl+F6) in a window with an MDI client, and every
// other message dispatched. Answers the quit code that ended it (-1 when the
// system failed to deliver a message).
int messageLoop();

// The form's frame for a kind (0 to 11; any other kind is the overlapped
// window), with WS_CLIPCHILDREN and, for child forms, WS_CHILD.
DWORD formStyle(int kind, bool child);
// The extended style passed to the system for a form of this kind.
DWORD formExStyle(int kind, DWORD exStyle);

// The top-level window: a window of the system dialog class.
class Form : public Control {
 public:
  Form();
  Form(const String& caption, int x, int y, int width, int height, int kind, bool enabled,
       bool visible, bool maximised, bool minimised, bool centred, const Control& parent,
       bool child, int exStyle);

  static Form wrapForm(const Control& other);

  bool attachedSet;
  Control attached;
  COLORREF colorValue;
  HICON iconHandle;
  NOTIFYICONDATAA trayIcon;  // filled in with the first layout (88 bytes on 32-bit)
  bool trayIconShown;
  Property<Form, int> color;                // read-only
  Property<Form, FormProcedure> procedure;  // write-only
  Property<Form, Icon> icon;
  int kind;
  int exStyleArg;
  FileDialog fileDialog;
  String fileName;

  bool minimise();
  bool maximise();
  bool restore();
  bool isMinimised() const;
  bool isMaximised() const;
  void attach(const Control& control);
  void setIcon(HICON icon);
  void setIconResource(unsigned number);
  void setCursorResource(unsigned number);
  HCURSOR setCursor(HCURSOR cursor);
  bool openFileDialog(const String& initialName);
  bool saveFileDialog(const String& initialName);
  bool chooseFolder(String& path);
  bool chooseColor(COLORREF& colour);
  // The tip is cut to 63 characters. `a` and `b` are not used.
  bool addTrayIcon(HICON icon, int a, int b, const String& tip);
  bool updateTrayIcon(HICON icon, int a, int b, const String& tip);
  bool removeTrayIcon();

  // Gives the window the system's application icon, small and big.
  void setStandardIcons();

  // Runs `handler` for WM_COMMAND with this identifier (a control's, a menu
  // entry's or a shortcut's) instead of the form's procedure, which still sees
  // every other message. Setting a handler again replaces it; a null handler
  // removes it. Handlers end with the window.
  void onCommand(int commandId, std::function<void()> handler);
  // The same for WM_NOTIFY from control `controlId` with notification `code`;
  // the handler's result is the message's result.
  void onNotify(int controlId, UINT code, std::function<LRESULT(NMHDR*)> handler);
  // Makes `key` (a virtual-key code) with `modifiers` (FCONTROL, FSHIFT, FALT,
  // or 0) send the form WM_COMMAND with `command`, like a menu entry, while the
  // form or one of its controls is active and the program runs messageLoop().
  void addShortcut(int modifiers, int key, int command);

 protected:
  // The last steps of creating a form's window: state, size, place and
  // visibility as the constructor's arguments say.
  void finishCreation(int x, int y, int width, int height, bool enabled, bool visible,
                      bool maximised, bool minimised, bool centred);

 private:
  void setUp();
  bool showAs(int command);
  void copyTip(const String& tip);
  int getColor() const { return static_cast<int>(colorValue); }
  void setProcedure(FormProcedure p) { setDialogProcedure(p); }
  Icon getIcon() const;
  void setIconValue(Icon value);
};

// A picture control: a list view with no items whose background is the picture.
// Pictures are drawn pixel for pixel: a DPI-aware program on a high-DPI screen
// gets them smaller, not stretched.
class ImageBox : public Control {
 public:
  ImageBox();
  ImageBox(int id, const std::string& path, int x, int y, int width, int height,
           const Control& parent, int exStyle);
  ImageBox(int id, unsigned resourceId, int x, int y, int width, int height, const Control& parent,
           int exStyle);

  // Each returns true when the picture was accepted.
  bool setImage(const std::string& path, bool tile);
  bool setImageFromResource(unsigned resourceId, int kind);
  bool setImageFromModule(const std::string& modulePath, unsigned resourceId, int kind);

  // The URL of a module's bitmap (kind 1) or icon (any other kind) resource.
  static std::string resourceUrl(const std::string& modulePath, unsigned resourceId, int kind);

 private:
  void create(int id, int x, int y, int width, int height, const Control& parent, int exStyle);
};

}  // namespace tarn

#endif  // TARN_FORMS_H
