// Private to the toolkit: the colours of the standard controls' families in
// the colour schemes (controls/control_schemes.cpp), each given its window and
// whether the scheme is dark (the colours it had before when not). What they
// show against their parent's background (labels, check boxes, group boxes,
// text boxes, lists) takes its colours from the parent's WM_CTLCOLOR* answers;
// these set the rest: the system's dark themes and the status bar's own colours.
#ifndef TARN_CONTROLS_SCHEMES_H
#define TARN_CONTROLS_SCHEMES_H

#include "tarn/property.h"

namespace tarn {
namespace detail {

void buttonScheme(HWND button, bool dark);
void editScheme(HWND edit, bool dark);
void listBoxScheme(HWND list, bool dark);
void comboBoxScheme(HWND combo, bool dark);  // the combo box inside a ComboBoxEx32
void comboBoxExScheme(HWND box, bool dark);
void statusBarScheme(HWND bar, bool dark);

}  // namespace detail
}  // namespace tarn

#endif  // TARN_CONTROLS_SCHEMES_H
