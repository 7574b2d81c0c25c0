// Every control family made both ways, from positional arguments and from its
// options struct with the same values: the same window (class, style, extended
// style, text, place, identifier), also for a negative size, an unknown kind and
// a parent without a window. One typed test over the families.
#include <string>

#include "support/control_host.h"
#include "support/dialog_answerer.h"
#include "support/support.h"

using namespace tarn;
using namespace testing_support;

namespace {

// What a row of the test varies: the place and size, and the kind (a form's
// frame, a tab's type, a scroll bar's direction) for the families that have one.
struct Row {
  int x, y, width, height, kind;
};

const char* const sample = "Sample";
constexpr int ex = WS_EX_CLIENTEDGE;

// Family<T>::positional and ::named make the same control of class T.
template <class T>
struct Family;

template <>
struct Family<Button> {
  static Button positional(const Control& p, Row r) {
    return Button(sample, 41, r.x, r.y, r.width, r.height, p, false, true, false, true, ex, false,
                  Icon());
  }
  static Button named(const Control& p, Row r) {
    return Button(p, {.text = sample, .id = 41, .x = r.x, .y = r.y, .width = r.width,
                      .height = r.height, .enabled = false, .isDefault = true, .exStyle = ex});
  }
};
template <>
struct Family<CheckBox> {
  static CheckBox positional(const Control& p, Row r) {
    return CheckBox(sample, 41, r.x, r.y, r.width, r.height, p, true, false, true, false, ex);
  }
  static CheckBox named(const Control& p, Row r) {
    return CheckBox(p, {.text = sample, .id = 41, .x = r.x, .y = r.y, .width = r.width,
                        .height = r.height, .checked = true, .enabled = false, .exStyle = ex});
  }
};
// The families whose options are ControlOptions.
template <class T>
struct PlainFamily {
  static T positional(const Control& p, Row r) {
    return T(sample, 41, r.x, r.y, r.width, r.height, p, false, true, false, ex);
  }
  static T named(const Control& p, Row r) {
    return T(p, {.text = sample, .id = 41, .x = r.x, .y = r.y, .width = r.width,
                 .height = r.height, .enabled = false, .exStyle = ex});
  }
};
template <> struct Family<RadioButton> : PlainFamily<RadioButton> {};
template <> struct Family<GroupBox> : PlainFamily<GroupBox> {};
template <> struct Family<Frame> : PlainFamily<Frame> {};
template <> struct Family<spinBox> : PlainFamily<spinBox> {};
template <> struct Family<Label> : PlainFamily<Label> {};
template <> struct Family<MonthCalendar> : PlainFamily<MonthCalendar> {};
template <> struct Family<DatePicker> : PlainFamily<DatePicker> {};
template <> struct Family<ListView> : PlainFamily<ListView> {};
template <> struct Family<TreeView> : PlainFamily<TreeView> {};

// Text boxes: odd kinds make multi-line boxes.
template <class T>
struct TextFamily {
  static T positional(const Control& p, Row r) {
    return T(sample, 41, r.x, r.y, r.width, r.height, p, false, true, false, r.kind % 2 == 1, ex);
  }
  static T named(const Control& p, Row r) {
    return T(p, {.text = sample, .id = 41, .x = r.x, .y = r.y, .width = r.width,
                 .height = r.height, .enabled = false, .multiLine = r.kind % 2 == 1, .exStyle = ex});
  }
};
template <> struct Family<TextBox> : TextFamily<TextBox> {};
template <> struct Family<PasswordBox> : TextFamily<PasswordBox> {};
template <> struct Family<ReadOnlyBox> : TextFamily<ReadOnlyBox> {};

template <>
struct Family<IconBox> {
  static IconBox positional(const Control& p, Row r) {
    return IconBox(sample, 41, r.x, r.y, r.width, r.height, p, Icon(LoadIconA(NULL, IDI_ASTERISK)),
                   false, true, false, ex);
  }
  static IconBox named(const Control& p, Row r) {
    return IconBox(p, {.text = sample, .id = 41, .x = r.x, .y = r.y, .width = r.width,
                       .height = r.height, .icon = Icon(LoadIconA(NULL, IDI_ASTERISK)),
                       .enabled = false, .exStyle = ex});
  }
};
template <>
struct Family<BmpBox> {
  static BmpBox positional(const Control& p, Row r) {
    return BmpBox(sample, 41, r.x, r.y, r.width, r.height, p, Bitmap(), false, true, false, ex);
  }
  static BmpBox named(const Control& p, Row r) {
    return BmpBox(p, {.text = sample, .id = 41, .x = r.x, .y = r.y, .width = r.width,
                      .height = r.height, .enabled = false, .exStyle = ex});
  }
};
template <>
struct Family<SunkenFrame> {
  static SunkenFrame positional(const Control& p, Row r) {
    return SunkenFrame(r.x, r.y, r.width, r.height, p);
  }
  static SunkenFrame named(const Control& p, Row r) {
    return SunkenFrame(p, {.x = r.x, .y = r.y, .width = r.width, .height = r.height});
  }
};
template <>
struct Family<StatusBar> {
  static StatusBar positional(const Control& p, Row) {
    return StatusBar("a;b;c", 41, p, 3, false, true, ex);
  }
  static StatusBar named(const Control& p, Row) {
    return StatusBar(p, {.text = "a;b;c", .id = 41, .parts = 3, .enabled = false, .exStyle = ex});
  }
};
template <>
struct Family<ListBox> {
  static ListBox positional(const Control& p, Row r) {
    return ListBox(sample, 41, r.x, r.y, r.width, r.height, p, false, true, false, false, ex);
  }
  static ListBox named(const Control& p, Row r) {
    return ListBox(p, {.text = sample, .id = 41, .x = r.x, .y = r.y, .width = r.width,
                       .height = r.height, .enabled = false, .border = false, .exStyle = ex});
  }
};
template <>
struct Family<MCListBox> {
  static MCListBox positional(const Control& p, Row r) {
    return MCListBox(sample, 41, r.x, r.y, r.width, r.height, p, false, true, false, true, 33, ex);
  }
  static MCListBox named(const Control& p, Row r) {
    return MCListBox(p, {.text = sample, .id = 41, .x = r.x, .y = r.y, .width = r.width,
                         .height = r.height, .enabled = false, .columnWidth = 33, .exStyle = ex});
  }
};
template <>
struct Family<ComboBox> {
  static ComboBox positional(const Control& p, Row r) {
    return ComboBox(sample, 41, r.x, r.y, r.width, r.height, p, false, true, false, true, ex);
  }
  static ComboBox named(const Control& p, Row r) {
    return ComboBox(p, {.text = sample, .id = 41, .x = r.x, .y = r.y, .width = r.width,
                        .height = r.height, .enabled = false, .listOnly = true, .exStyle = ex});
  }
};
template <>
struct Family<Guage> {
  static Guage positional(const Control& p, Row r) {
    return Guage(41, r.x, r.y, r.width, r.height, p, false, false, true, false, true, ex);
  }
  static Guage named(const Control& p, Row r) {
    return Guage(p, {.id = 41, .x = r.x, .y = r.y, .width = r.width, .height = r.height,
                     .horizontal = false, .enabled = false, .smooth = true, .exStyle = ex});
  }
};
template <>
struct Family<Track> {
  static Track positional(const Control& p, Row r) {
    return Track(41, r.x, r.y, r.width, r.height, p, 50, false, true, false, true, ex);
  }
  static Track named(const Control& p, Row r) {
    return Track(p, {.id = 41, .x = r.x, .y = r.y, .width = r.width, .height = r.height,
                     .maximum = 50, .enabled = false, .vertical = true, .exStyle = ex});
  }
};
template <>
struct Family<ScrollBar> {
  static ScrollBar positional(const Control& p, Row r) {
    return ScrollBar(41, r.x, r.y, r.width, r.height, p, r.kind, false, true, false, ex);
  }
  static ScrollBar named(const Control& p, Row r) {
    return ScrollBar(p, {.id = 41, .x = r.x, .y = r.y, .width = r.width, .height = r.height,
                         .horizontal = r.kind, .enabled = false, .exStyle = ex});
  }
};
template <>
struct Family<Tab> {
  static Tab positional(const Control& p, Row r) {
    return Tab(sample, 41, r.x, r.y, r.width, r.height, p, r.kind, false, true, false, ex);
  }
  static Tab named(const Control& p, Row r) {
    return Tab(p, {.text = sample, .id = 41, .x = r.x, .y = r.y, .width = r.width,
                   .height = r.height, .type = r.kind, .enabled = false, .exStyle = ex});
  }
};
template <>
struct Family<TableView> {
  static TableView positional(const Control& p, Row r) {
    return TableView(sample, 41, r.x, r.y, r.width, r.height, p, true, false, true, false, ex);
  }
  static TableView named(const Control& p, Row r) {
    return TableView(p, {.text = sample, .id = 41, .x = r.x, .y = r.y, .width = r.width,
                         .height = r.height, .editable = true, .enabled = false, .exStyle = ex});
  }
};
template <>
struct Family<Toolbar> {
  static Toolbar positional(const Control& p, Row r) {
    return Toolbar(41, p, r.x, r.y, false, true, true, false, ex);
  }
  static Toolbar named(const Control& p, Row r) {
    return Toolbar(p, {.id = 41, .x = r.x, .y = r.y, .enabled = false, .flat = true,
                       .divider = false, .exStyle = ex});
  }
};
template <>
struct Family<CoolBar> {
  static CoolBar positional(const Control& p, Row r) {
    return CoolBar(41, p, r.x, r.y, false, true, false, true, ex);
  }
  static CoolBar named(const Control& p, Row r) {
    return CoolBar(p, {.id = 41, .x = r.x, .y = r.y, .enabled = false, .divider = false,
                       .vertical = true, .exStyle = ex});
  }
};
template <>
struct Family<RichTextBox> {
  static RichTextBox positional(const Control& p, Row r) {
    return RichTextBox(sample, 41, r.x, r.y, r.width, r.height, p, false, true, false,
                       ES_MULTILINE, ex);
  }
  static RichTextBox named(const Control& p, Row r) {
    return RichTextBox(p, {.text = sample, .id = 41, .x = r.x, .y = r.y, .width = r.width,
                           .height = r.height, .enabled = false, .style = ES_MULTILINE,
                           .exStyle = ex});
  }
};
// Forms are top-level: the row's parent is their owner.
template <class T>
struct FormFamily {
  static T positional(const Control& p, Row r) {
    return T(sample, r.x + 300, r.y + 200, r.width, r.height, r.kind, false, true, false, false,
             false, p, false, ex);
  }
  static T named(const Control& p, Row r) {
    return T({.caption = sample, .x = r.x + 300, .y = r.y + 200, .width = r.width,
              .height = r.height, .kind = r.kind, .enabled = false, .parent = p, .exStyle = ex});
  }
};
template <> struct Family<Form> : FormFamily<Form> {};
template <> struct Family<MDIForm> : FormFamily<MDIForm> {};
template <>
struct Family<TipsDialog> {
  static TipsDialog positional(const Control& p, Row) { return TipsDialog("", sample, p, true); }
  static TipsDialog named(const Control& p, Row) {
    return TipsDialog({.caption = sample, .parent = p});
  }
};
template <>
struct Family<ImageBox> {
  static ImageBox positional(const Control& p, Row r) {
    return ImageBox(41, 0u, r.x, r.y, r.width, r.height, p, ex);
  }
  static ImageBox named(const Control& p, Row r) {
    return ImageBox(p, {.id = 41, .x = r.x, .y = r.y, .width = r.width, .height = r.height,
                        .exStyle = ex});
  }
};
template <>
struct Family<Splitter> {
  static Splitter positional(const Control& p, Row r) {
    return Splitter(41, p, r.kind % 2 == 1, 6, true, ex);
  }
  static Splitter named(const Control& p, Row r) {
    return Splitter(p, {.id = 41, .horizontal = r.kind % 2 == 1, .thickness = 6, .exStyle = ex});
  }
};
template <>
struct Family<VideoControl> {
  static VideoControl positional(const Control& p, Row r) {
    return VideoControl(41, p, "", r.x, r.y, r.width, r.height, true, false, true, ex);
  }
  static VideoControl named(const Control& p, Row r) {
    return VideoControl(p, {.id = 41, .x = r.x, .y = r.y, .width = r.width, .height = r.height,
                            .centred = true, .exStyle = ex});
  }
};
template <>
struct Family<ColorButton> {
  static ColorButton positional(const Control& p, Row r) {
    return ColorButton(41, r.x, r.y, r.width, r.height, p, RGB(10, 20, 30));
  }
  static ColorButton named(const Control& p, Row r) {
    return ColorButton(p, {.id = 41, .x = r.x, .y = r.y, .width = r.width, .height = r.height,
                           .colour = RGB(10, 20, 30)});
  }
};

std::string describe(HWND window) {
  if (window == NULL) return "no window";
  RECT place = placeOf(window);
  char line[256];
  std::snprintf(line, sizeof line, "%s style %08lx ex %08lx id %d at %ld,%ld %ldx%ld text \"",
                classOf(window).c_str(), static_cast<unsigned long>(styleOf(window)),
                static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)),
                GetDlgCtrlID(window), place.left, place.top, place.right - place.left,
                place.bottom - place.top);
  return line + windowText(window) + "\"";
}

template <class T>
class BothWays : public ControlHost {};

using Families =
    ::testing::Types<Button, CheckBox, RadioButton, GroupBox, Frame, TextBox, PasswordBox,
                     ReadOnlyBox, spinBox, Label, IconBox, BmpBox, SunkenFrame, StatusBar, ListBox,
                     MCListBox, ComboBox, Guage, Track, MonthCalendar, DatePicker, ScrollBar, Tab,
                     ListView, TableView, TreeView, Toolbar, CoolBar, RichTextBox, Form, MDIForm,
                     TipsDialog, ImageBox, Splitter, VideoControl, ColorButton>;
TYPED_TEST_SUITE(BothWays, Families);

}  // namespace

TYPED_TEST(BothWays, MakeTheSameWindowForTheSameValues) {
  const Row rows[] = {{7, 9, 90, 40, 0}, {7, 9, 90, 40, 1}, {7, 9, -20, -5, 99}};
  for (const Row& row : rows) {
    SCOPED_TRACE("row " + std::to_string(row.width) + "x" + std::to_string(row.height) +
                 " kind " + std::to_string(row.kind));
    TypeParam positional = Family<TypeParam>::positional(this->form, row);
    TypeParam named = Family<TypeParam>::named(this->form, row);
    ASSERT_NE(HWND(NULL), positional.hwnd);
    EXPECT_EQ(describe(positional.hwnd), describe(named.hwnd));
    EXPECT_EQ(positional.id, named.id);
    positional.destroy();
    named.destroy();
  }
  // A parent without a window: what the positional constructor leaves (no
  // window for a control, a top-level window for a form), and the boxes some
  // families show for it answered alike.
  BoxAnswerer answerer(IDIGNORE);
  TypeParam positional = Family<TypeParam>::positional(Control(), rows[0]);
  std::size_t boxes = answerer.boxes().size();
  TypeParam named = Family<TypeParam>::named(Control(), rows[0]);
  EXPECT_EQ(boxes, answerer.boxes().size() - boxes);
  EXPECT_EQ(describe(positional.hwnd), describe(named.hwnd));
  EXPECT_EQ(positional.id, named.id);
  positional.destroy();
  named.destroy();
}
