// The form the scheme and creation benchmarks make: a top-level form holding
// `count` controls of ten families in turn (label, text box, check box, radio
// button, push button, list box, combo box, table view, tree view, rich text
// box), made through the toolkit or with plain CreateWindowExA and the GUI
// font. Nothing in it asks for a colour scheme, so it builds against any
// version of the toolkit.
#ifndef TARN_BENCH_MIXED_FORM_H
#define TARN_BENCH_MIXED_FORM_H

#include <memory>
#include <vector>

#include <tarn/tarn.h>

#include <commctrl.h>

namespace mixedform {

constexpr int families = 10;

// The toolkit's form; its objects go with the holder, its windows with the form.
struct ToolkitForm {
  explicit ToolkitForm(bool visible)
      : form("mixed", 0, 0, 800, 600, 0, true, visible, false, false, false, tarn::Control(),
             false, 0) {}
  tarn::Form form;
  std::vector<std::unique_ptr<tarn::Control>> controls;
};

inline std::unique_ptr<ToolkitForm> makeToolkit(int count, bool visible) {
  using namespace tarn;
  auto made = std::make_unique<ToolkitForm>(visible);
  const Form& f = made->form;
  for (int i = 0; i < count; ++i) {
    int x = (i % 8) * 98, y = (i / 8 % 25) * 23, id = 1000 + i;
    std::unique_ptr<Control> c;
    switch (i % families) {
      case 0: c.reset(new Label("Label", id, x, y, 90, 20, f, true, true, false, 0)); break;
      case 1: c.reset(new TextBox("Text", id, x, y, 90, 20, f, true, true, false, false, 0)); break;
      case 2: c.reset(new CheckBox("Check", id, x, y, 90, 20, f, false, true, true, false, 0)); break;
      case 3: c.reset(new RadioButton("Radio", id, x, y, 90, 20, f, true, true, false, 0)); break;
      case 4:
        c.reset(new Button("Push", id, x, y, 90, 20, f, true, true, false, false, 0, false, Icon()));
        break;
      case 5: c.reset(new ListBox("", id, x, y, 90, 20, f, true, true, false, true, 0)); break;
      case 6: c.reset(new ComboBox("", id, x, y, 90, 80, f, true, true, false, true, 0)); break;
      case 7: c.reset(new TableView("", id, x, y, 90, 20, f)); break;
      case 8: c.reset(new TreeView("", id, x, y, 90, 20, f)); break;
      default: c.reset(new RichTextBox("Rich", id, x, y, 90, 20, f)); break;
    }
    made->controls.push_back(std::move(c));
  }
  return made;
}

// The same windows made plainly; answers the form.
inline HWND makePlain(int count, bool visible) {
  HINSTANCE module = GetModuleHandleA(NULL);
  HWND form = CreateWindowExA(WS_EX_ACCEPTFILES, MAKEINTATOM(0x8002), "mixed",
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0),
                              0, 0, 800, 600, NULL, NULL, module, NULL);
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  for (int i = 0; i < count; ++i) {
    int x = (i % 8) * 98, y = (i / 8 % 25) * 23, id = 1000 + i;
    const char* cls = "STATIC";
    const char* text = "Label";
    DWORD style = WS_CHILD | WS_VISIBLE;
    int height = 20;
    switch (i % families) {
      case 0: break;
      case 1: cls = "EDIT", text = "Text", style |= ES_AUTOHSCROLL | WS_TABSTOP; break;
      case 2: cls = "BUTTON", text = "Check", style |= BS_AUTOCHECKBOX | WS_TABSTOP; break;
      case 3: cls = "BUTTON", text = "Radio", style |= BS_AUTORADIOBUTTON | WS_TABSTOP; break;
      case 4: cls = "BUTTON", text = "Push", style |= BS_PUSHBUTTON | WS_TABSTOP; break;
      case 5: cls = "LISTBOX", text = "", style |= WS_BORDER | WS_VSCROLL | LBS_NOTIFY; break;
      case 6: cls = WC_COMBOBOXEXA, text = "", style |= CBS_DROPDOWNLIST, height = 80; break;
      case 7: cls = WC_LISTVIEWA, text = "", style |= LVS_REPORT | LVS_SHAREIMAGELISTS; break;
      case 8: cls = WC_TREEVIEWA, text = "", style |= TVS_HASLINES; break;
      default: cls = "RICHEDIT", text = "Rich", style |= ES_MULTILINE; break;
    }
    HWND c = CreateWindowExA(0, cls, text, style, x, y, 90, height, form,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module, NULL);
    SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  }
  return form;
}

// Lets the windows take what their making posted (and paint, when shown).
inline void settle(HWND form) {
  UpdateWindow(form);
  MSG message;
  while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace mixedform

#endif  // TARN_BENCH_MIXED_FORM_H
