// Message boxes in their three forms: buttons, icon, default button, owner and
// the mapping of every answer, read from the real box as it opens.
#include <functional>
#include <string>
#include <vector>

#include "support/control_host.h"
#include "support/dialog_answerer.h"
#include "support/support.h"

using namespace tarn;
using namespace testing_support;

namespace {

// Every test reads the boxes it opens and answers them.
class Boxes : public ControlHost {
 protected:
  // Made after the form, which is of the dialog class too and so no box.
  BoxAnswerer answerer{BoxAnswerer::pressEnter};
  const std::vector<SeenBox>& seen() const { return answerer.boxes(); }
};

// One kind of box: its three forms, what it shows and how answers map.
struct Kind {
  const char* name;
  std::function<int(const Control& owner, const std::string& text, const std::string& caption)>
      forms[3];
  std::vector<int> buttons;  // in identifier order
  LPCSTR icon;       // a system icon, or NULL for none
  int enterButton;   // the default button
  std::function<int(int button)> result;
};

#define THREE_FORMS(call)                                                                        \
  {[](const Control& o, const std::string& t, const std::string& c) { return int(o.call(t, c)); }, \
   [](const Control& o, const std::string& t, const std::string& c) {                           \
     return int(call(o.hwnd, t, c));                                                             \
   },                                                                                            \
   [](const Control& o, const std::string& t, const std::string& c) {                           \
     return int(call(o, t.c_str(), c.c_str()));                                                  \
   }}

int same(int button) { return button; }

const std::vector<Kind>& kinds() {
  static const std::vector<Kind> all = {
      {"msgBox abort/retry/ignore",
       {[](const Control& o, const std::string& t, const std::string& c) {
          return o.msgBox(t, c, MB_ABORTRETRYIGNORE | MB_DEFBUTTON3 | MB_ICONERROR);
        },
        [](const Control& o, const std::string& t, const std::string& c) {
          return msgBox(o.hwnd, t, c, MB_ABORTRETRYIGNORE | MB_DEFBUTTON3 | MB_ICONERROR);
        },
        [](const Control& o, const std::string& t, const std::string& c) {
          return msgBox(o, t.c_str(), c.c_str(),
                        MB_ABORTRETRYIGNORE | MB_DEFBUTTON3 | MB_ICONERROR);
        }},
       {IDABORT, IDRETRY, IDIGNORE}, IDI_ERROR, IDIGNORE, same},
      {"infoBox", THREE_FORMS(infoBox), {IDOK}, IDI_INFORMATION, IDOK, same},
      {"warningBox", THREE_FORMS(warningBox), {IDOK}, IDI_WARNING, IDOK, same},
      {"errorBox", THREE_FORMS(errorBox), {IDOK}, IDI_ERROR, IDOK, same},
      {"yesNoBox", THREE_FORMS(yesNoBox), {IDYES, IDNO}, IDI_QUESTION, IDNO,
       [](int b) { return int(b == IDYES); }},
      {"okCancelBox", THREE_FORMS(okCancelBox), {IDOK, IDCANCEL}, IDI_QUESTION, IDCANCEL,
       [](int b) { return int(b == IDOK); }},
      {"yesNoCancelBox", THREE_FORMS(yesNoCancelBox), {IDCANCEL, IDYES, IDNO}, IDI_QUESTION,
       IDCANCEL, [](int b) { return b == IDYES ? 0 : b == IDNO ? 1 : 2; }},
  };
  return all;
}

}  // namespace

TEST_F(Boxes, EachKindShowsItsButtonsIconAndDefaultInAllThreeForms) {
  for (const Kind& kind : kinds())
    for (int form_ = 0; form_ < 3; ++form_) {
      SCOPED_TRACE(std::string(kind.name) + " form " + std::to_string(form_ + 1));
      answerer.clear();
      int got = kind.forms[form_](form, "The text", "The caption");
      ASSERT_EQ(1u, seen().size());
      const SeenBox& box = seen()[0];
      EXPECT_EQ("The caption", box.caption);
      EXPECT_EQ("The text", box.text);
      EXPECT_EQ(kind.buttons, box.buttons);
      EXPECT_EQ(LoadIconA(NULL, kind.icon), box.icon);
      EXPECT_EQ(form.hwnd, box.owner);
      EXPECT_EQ(kind.result(kind.enterButton), got);
    }
}

TEST_F(Boxes, EveryButtonMapsToItsResult) {
  for (const Kind& kind : kinds())
    for (int form_ = 0; form_ < 3; ++form_)
      for (int button = IDOK; button <= IDNO; ++button) {
        SCOPED_TRACE(std::string(kind.name) + " form " + std::to_string(form_ + 1) + " button " +
                     std::to_string(button));
        answerer.setAnswer(button);
        EXPECT_EQ(kind.result(button), kind.forms[form_](form, "t", "c"));
      }
}

// The toolkit's own texts go to every box as they are, mixed with literals and
// standard strings, through the free functions (window object or handle) and
// the window object's own.
TEST_F(Boxes, TakeTheToolkitsTextsMixedWithLiterals) {
  String name = "notes.txt";
  std::string standard = "Standard";
  infoBox(form, "Saved " + name, "Notepad");
  warningBox(form.hwnd, name, String("Handle"));
  form.errorBox(name + " is gone", standard);
  form.yesNoBox("Replace " + name + "?", "Member");
  yesNoCancelBox(form.hwnd, "literal", "only");
  form.okCancelBox(standard, "mixed");
  msgBox(form, name, name, MB_OK);
  const char* const expected[][2] = {
      {"Saved notes.txt", "Notepad"},  {"notes.txt", "Handle"},  {"notes.txt is gone", "Standard"},
      {"Replace notes.txt?", "Member"}, {"literal", "only"},      {"Standard", "mixed"},
      {"notes.txt", "notes.txt"}};
  ASSERT_EQ(std::size(expected), seen().size());
  for (std::size_t i = 0; i < seen().size(); ++i) {
    EXPECT_EQ(expected[i][0], seen()[i].text) << i;
    EXPECT_EQ(expected[i][1], seen()[i].caption) << i;
    EXPECT_EQ(form.hwnd, seen()[i].owner) << i;
  }
}

TEST_F(Boxes, EscapeAndTheCloseBoxCancelTheBoxesThatOfferCancel) {
  for (int how : {BoxAnswerer::pressEscape, BoxAnswerer::closeBox}) {
    SCOPED_TRACE(how == BoxAnswerer::pressEscape ? "Escape" : "close box");
    answerer.setAnswer(how);
    EXPECT_EQ(2, yesNoCancelBox(form, "closed", "c"));
    EXPECT_FALSE(okCancelBox(form, "closed", "c"));
    EXPECT_EQ(IDCANCEL, form.msgBox("closed", "c", MB_OKCANCEL));
  }
  EXPECT_EQ(6u, seen().size());
}

TEST_F(Boxes, OwnerlessBoxesAndNullTexts) {
  answerer.setAnswer(IDOK);
  EXPECT_EQ(IDOK, infoBox(HWND(NULL), "no owner", "c"));
  ASSERT_EQ(1u, seen().size());
  EXPECT_EQ(HWND(NULL), seen()[0].owner);
  EXPECT_EQ("no owner", seen()[0].text);

  EXPECT_EQ(IDOK, warningBox(form, nullptr, nullptr));
  ASSERT_EQ(2u, seen().size());
  EXPECT_EQ("", seen()[1].text);
  EXPECT_EQ(form.hwnd, seen()[1].owner);
  answerer.setAnswer(IDYES);
  EXPECT_TRUE(yesNoBox(form, "yes?", nullptr));
}

TEST_F(Boxes, AFailedBoxIsNeitherYesNorOk) {
  HWND invalid = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0));
  ASSERT_FALSE(IsWindow(invalid));
  answerer.setAnswer(IDOK);
  int raw = MessageBoxA(invalid, "t", "c", MB_OK);
  ASSERT_TRUE(raw == 0 || raw == -1) << raw;  // 0 on Windows; Wine answers -1
  EXPECT_TRUE(seen().empty());
  EXPECT_EQ(raw, msgBox(invalid, "t", "c", MB_YESNO));
  EXPECT_EQ(raw, infoBox(invalid, "t", "c"));
  EXPECT_EQ(raw, errorBox(invalid, "t", "c"));
  EXPECT_FALSE(yesNoBox(invalid, "t", "c"));
  EXPECT_FALSE(okCancelBox(invalid, "t", "c"));
  EXPECT_EQ(2, yesNoCancelBox(invalid, "t", "c"));
  EXPECT_EQ(2, Control(invalid).yesNoCancelBox("t", "c"));
  EXPECT_TRUE(seen().empty());
}
