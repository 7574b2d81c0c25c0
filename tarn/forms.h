// Tarn forms: Form, the top-level window of the system dialog class (its
// frame kinds, procedures, tray icon and embedded file dialog), the toolkit's
// form procedures, and ImageBox, the picture control.
//
// Classes and functions in this file (sources):
//   Form, form procedures              forms/form.cpp
//   onCommand, onNotify, addShortcut,
//   onClose, onResize                  forms/form_events.cpp
//   messageLoop                        forms/message_loop.cpp
//   ImageBox                           forms/image_box.cpp
//   FormOptions, ImageBoxOptions       forms/form.cpp, forms/image_box.cpp
#ifndef TARN_FORMS_H
#define TARN_FORMS_H

#include <functional>

#include "graphics.h"
#include "system.h"

namespace tarn {

// ===========================================================================
// Forms, Events And Image Box
// ===========================================================================

/// A form's procedure: the dialog procedure of its window. Returning 0 lets the
/// dialog manager's default handling run.
using FormProcedure = DLGPROC;

/// Procedures supplied by the toolkit. The default one ends the program on
/// WM_CLOSE; the command-forwarding one passes WM_COMMAND to the parent window.
/// Ends the message loop (posts the quit message) on WM_CLOSE; answers 0 to everything.
INT_PTR CALLBACK defaultFormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/// Sends WM_COMMAND on to the window's parent, for child forms that serve as pages;
/// answers 0 to everything.
INT_PTR CALLBACK commandForwardProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/// The program's message loop: keyboard navigation among each form's controls
/// (the dialog manager's), the forms' shortcuts (Form::addShortcut), the MDI
/// children's window keys (Ctrl+F4, Ctrl+F6) in a window with an MDI client,
/// and every other message dispatched. Answers the quit code that ended it (-1 when the
/// system failed to deliver a message).
int messageLoop();

/// The form's frame for a kind (0 to 11; any other kind is the overlapped
/// window), with WS_CLIPCHILDREN and, for child forms, WS_CHILD.
DWORD formStyle(int kind, bool child);
/// The extended style passed to the system for a form of this kind.
/// WS_EX_ACCEPTFILES is always added, and WS_EX_TOOLWINDOW for kind 8.
DWORD formExStyle(int kind, DWORD exStyle);

/// The options of a Form, in its constructor's order, each with a default:
/// `Form window({.caption = "Hello", .width = 300, .height = 140});`.
struct FormOptions {
  /// The caption.
  String caption{};
  /// The left edge: on the screen, or in the parent's client area for a child form.
  int x = 0;
  /// The top edge, as `x` is measured.
  int y = 0;
  /// The width in 96-DPI units, frame included; 0 takes a default (480 units).
  int width = 0;
  /// The height in 96-DPI units, frame included; 0 takes a default (360 units).
  int height = 0;
  /// The frame kind (0 to 11; see formStyle); any other number is the overlapped window.
  int kind = 0;
  /// Whether the form takes input.
  bool enabled = true;
  /// Whether the form shows at once.
  bool visible = true;
  /// Whether the form starts maximised.
  bool maximised = false;
  /// Whether the form starts minimised.
  bool minimised = false;
  /// Whether the form is centred over its parent (a top-level form: see centreOnScreen).
  bool centred = false;
  /// The owner (a top-level form), or with `child` the parent window; none by default.
  Control parent{};
  /// Whether the form is a child window of `parent` (a page).
  bool child = false;
  /// Extended style bits added to the form's.
  int exStyle = 0;
};

/// The top-level window: a window of the system dialog class.
class Form : public Control {
 public:
  /// A form object with no window.
  Form();
  /// Makes a form with `caption` at (x, y) and `width` x `height` units. `kind` picks the frame
  /// (see formStyle and docs/guide.md); `parent` is the owner (a top-level form) or, with
  /// `child`, the parent window; `exStyle` adds extended style bits. The form starts with
  /// defaultFormProcedure and the system's application icon, then is disabled, centred over its
  /// parent, maximised, minimised and shown as the flags say.
  Form(const String& caption, int x, int y, int width, int height, int kind, bool enabled,
       bool visible, bool maximised, bool minimised, bool centred, const Control& parent,
       bool child, int exStyle);
  /// Makes a form from named options (the same window as the constructor above).
  explicit Form(const FormOptions& options);

  /// A form object for the window of `other` (nothing is created).
  static Form wrapForm(const Control& other);

  /// Whether attach() was called: `attached` is then redrawn whenever the form's state changes.
  bool attachedSet;
  /// The control attach() named.
  Control attached;
  /// The colour last chosen through chooseColor (white at first).
  COLORREF colorValue;
  /// The icon last given through setIcon; 0 before.
  HICON iconHandle;
  /// The tray icon record addTrayIcon and updateTrayIcon fill in (the first, 88-byte layout on
  /// 32-bit Windows, 104 bytes on 64-bit).
  NOTIFYICONDATAA trayIcon;  // filled in with the first layout (88 bytes on 32-bit)
  /// Whether the tray icon is shown.
  bool trayIconShown;
  /// Read-only: colorValue, the colour last chosen.
  Property<Form, int> color;  // read-only
  /// Write-only: installs a procedure as the form's dialog procedure (see FormProcedure).
  Property<Form, FormProcedure> procedure;  // write-only
  /// The form's big icon (the system's application icon when it has none); writing sets both
  /// icons.
  Property<Form, Icon> icon;
  /// The frame kind the form was made with.
  int kind;
  /// The extended style bits the constructor was given.
  int exStyleArg;
  /// The form's own file dialog (owned by the form; "All Files (*.*)" is its first filter).
  FileDialog fileDialog;
  /// The path last chosen through openFileDialog or saveFileDialog.
  String fileName;

  /// Minimises the window; true when it was visible before.
  bool minimise();
  /// Maximises and shows the window; true when it was visible before.
  bool maximise();
  /// Restores the window from minimised or maximised; true when it was visible before.
  bool restore();
  /// Whether the window is minimised.
  bool isMinimised() const;
  /// Whether the window is maximised.
  bool isMaximised() const;
  /// Names a control to redraw whenever the form is minimised, maximised or restored.
  void attach(const Control& control);
  /// Gives the window `icon` as its small and big icon.
  void setIcon(HICON icon);
  /// Gives the window the program's icon resource `number` (0 when there is none).
  void setIconResource(unsigned number);
  /// Sets the cursor to the program's cursor resource `number` and shows it.
  void setCursorResource(unsigned number);
  /// Sets the cursor; returns the one it replaces.
  HCURSOR setCursor(HCURSOR cursor);
  /// Shows the form's open dialog starting at `initialName`; true when a file was chosen (its
  /// path is then in `fileName`).
  bool openFileDialog(const String& initialName);
  /// Shows the form's save dialog starting at `initialName`; true when a name was chosen (it is
  /// then in `fileName`).
  bool saveFileDialog(const String& initialName);
  /// Shows the folder browser owned by the form; true and `path` set when a folder was chosen.
  bool chooseFolder(String& path);
  /// Shows the colour chooser owned by the form, starting at `colour`; true and `colour` (and
  /// colorValue) set when one was chosen.
  bool chooseColor(COLORREF& colour);
  /// The tip is cut to 63 characters. `a` and `b` are not used.
  /// Adds the tray icon; false when one is shown already.
  bool addTrayIcon(HICON icon, int a, int b, const String& tip);
  /// Changes the tray icon and its tip (adding it when it is not shown); false when the system
  /// refuses.
  bool updateTrayIcon(HICON icon, int a, int b, const String& tip);
  /// Removes the tray icon; false when none was shown.
  bool removeTrayIcon();

  /// Gives the window the system's application icon, small and big.
  void setStandardIcons();

  /// Runs `handler` for WM_COMMAND with this identifier (a control's, a menu
  /// entry's or a shortcut's) instead of the form's procedure, which still sees
  /// every other message. Setting a handler again replaces it; a null handler
  /// removes it. Handlers end with the window. Commands of controls on a child
  /// form or a tab page reach it too, unless a nearer form (the page itself,
  /// say) has a handler for the same identifier: the nearest runs, and the
  /// procedures of the forms between see nothing of the command.
  /// A control's or menu entry's own event for the command (Button::onClick,
  /// TextBox::onChange, MenuItem::onClick, ...) runs first, then this handler;
  /// a handler that destroyed the form ends the command there.
  void onCommand(int commandId, std::function<void()> handler);
  /// The same for WM_NOTIFY from control `controlId` with notification `code`;
  /// the handler's result is the message's result. Notifications of controls
  /// on child forms and tab pages reach it as commands do, after the
  /// control's own event (TableView::onSelectionChange, ...).
  void onNotify(int controlId, UINT code, std::function<LRESULT(NMHDR*)> handler);
  /// Makes `key` (a virtual-key code, 1 to 254) with `modifiers` (FCONTROL,
  /// FSHIFT, FALT, or 0) send the form WM_COMMAND with `command` (1 to 65535),
  /// like a menu entry, while the form or one of its controls is active and the
  /// program runs messageLoop(). Binding a key and modifiers again replaces the
  /// command they send; command 0 removes the binding. A key, modifiers or
  /// command out of range bind nothing and fail the runtime check. True when
  /// the binding was made (or removed).
  bool addShortcut(int modifiers, int key, int command);

  /// Runs `handler` when the form is asked to close (its close box, Alt+F4,
  /// the system menu, WM_CLOSE). True lets the close go on to the form's
  /// procedure as before (defaultFormProcedure ends the message loop; a
  /// program's procedure decides); false keeps the form open, and the
  /// procedure sees nothing. Without a handler the procedure decides alone. A
  /// handler that throws keeps the form open. Setting a handler again replaces
  /// it, a null one removes it; it ends with the window.
  void onClose(std::function<bool()> handler);
  /// Runs `handler` with the client area's width and height in units each
  /// time it changes size (not while the form is minimised) and when a
  /// program has it lay itself out (refreshLayout), after the anchored
  /// children and the bars have followed, before the form's procedure sees
  /// WM_SIZE. Setting a handler again replaces it, a null one removes it; it
  /// ends with the window.
  ///
  /// Form handlers, like the controls' events (controls.h), may destroy the
  /// form; an exception leaving one is caught and reported with the runtime
  /// check.
  void onResize(std::function<void(int width, int height)> handler);

 protected:
  /// The last steps of creating a form's window: state, size, place and
  /// visibility as the constructor's arguments say.
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

/// The options of an ImageBox, in its constructors' order: the picture is the
/// bitmap file `path`, or else the program's bitmap resource `resourceId`.
struct ImageBoxOptions {
  /// The control identifier; 0 takes an automatic one (firstAutomaticId ..).
  int id = 0;
  /// A bitmap file shown tiled; empty for none.
  std::string path{};
  /// The program's bitmap resource shown when `path` is empty; 0 for none.
  unsigned resourceId = 0;
  /// The left edge in the parent's client area, in 96-DPI units.
  int x = 0;
  /// The top edge in the parent's client area, in 96-DPI units.
  int y = 0;
  /// The width in 96-DPI units; 0 takes the natural width (Control::naturalSize).
  int width = 0;
  /// The height in 96-DPI units; 0 takes the natural height.
  int height = 0;
  /// Extended style bits added to the window's.
  int exStyle = 0;
};

/// A picture control: a list view with no items whose background is the picture.
/// Pictures are drawn pixel for pixel: a DPI-aware program on a high-DPI screen
/// gets them smaller, not stretched.
class ImageBox : public Control {
 public:
  /// An object with no window (hwnd 0).
  ImageBox();
  /// Makes a picture box showing the bitmap file at `path`, tiled.
  ImageBox(int id, const std::string& path, int x, int y, int width, int height,
           const Control& parent, int exStyle);
  /// Makes a picture box showing the program's bitmap resource `resourceId`.
  ImageBox(int id, unsigned resourceId, int x, int y, int width, int height, const Control& parent,
           int exStyle);
  /// Makes a picture box from named options.
  ImageBox(const Control& parent, const ImageBoxOptions& options);

  /// Each returns true when the picture was accepted.
  /// Shows the bitmap file at `path`, tiled across the box when `tile` is set.
  bool setImage(const std::string& path, bool tile);
  /// Shows the program's resource `resourceId`: a bitmap (kind 1) or an icon (any other kind).
  bool setImageFromResource(unsigned resourceId, int kind);
  /// Shows resource `resourceId` of the module at `modulePath`: a bitmap (kind 1) or an icon.
  bool setImageFromModule(const std::string& modulePath, unsigned resourceId, int kind);

  /// The URL of a module's bitmap (kind 1) or icon (any other kind) resource.
  static std::string resourceUrl(const std::string& modulePath, unsigned resourceId, int kind);

 private:
  void create(int id, int x, int y, int width, int height, const Control& parent, int exStyle);
};

}  // namespace tarn

#endif  // TARN_FORMS_H
