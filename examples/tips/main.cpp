// A tip-of-the-day dialog: shows the tips of tips.tips beside the program (make
// one with `tarn-tips make tips.txt tips.tips`), or three built-in tips, until
// the user closes it. Saves the tip shown and exits with 1 when "Show tips on
// next startup" is checked, 0 otherwise.
#include <tarn/tarn.h>

using namespace tarn;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  String file = String(application.folder) + "\\tips.tips";
  bool haveFile = fileExists(file);
  TipsDialog tips({.tipsFile = haveFile ? file : String(), .caption = "Tip of the day"});
  if (int(tips.tipCount) == 0) {
    tips.addTip("Welcome", "Each time the program starts, it shows one <B>tip</B>.");
    tips.addTip("Stepping", "Use <I>Next</I> and <I>Previous</I> to read the other tips.");
    tips.addTip("Your own tips",
                "Write them as text:<BR># Title<BR>Body in markup<BR><BR>"
                "and turn them into a file with <U>tarn-tips</U>.");
  }

  // Closing the dialog (or Escape) arrives as the dialog's IDCANCEL command:
  // the dialog hides and the loop ends.
  tips.onCommand(IDCANCEL, [&] {
    tips.hide();
    quit();
  });
  messageLoop();
  if (haveFile) tips.saveTips(file, -1);
  return bool(tips.showOnStartup.checked) ? 1 : 0;
}
