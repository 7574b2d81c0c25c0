// Tarn message boxes: the system's message box with a caption, a text, an icon
// and buttons, owned by a window handle or a window object.
//
// Functions in this file (sources):
//   msgBox, infoBox, warningBox, errorBox, yesNoBox, okCancelBox,
//   yesNoCancelBox                                    forms/message_box.cpp
#ifndef TARN_MESSAGE_BOX_H
#define TARN_MESSAGE_BOX_H

#include "core.h"

namespace tarn {

// ===========================================================================
// Message boxes
// ===========================================================================

/// The same boxes as Control's operations, owned by `owner` (0: no owner) ...
/// msgBox shows `type`'s buttons and icon and answers the system's result (IDOK ... IDNO; 0
/// or -1 when the box failed); info, warning and error boxes show OK with their icon; yesNoBox
/// is true for Yes, okCancelBox for OK; yesNoCancelBox answers 0 for Yes, 1 for No, 2 otherwise.
///@{
int msgBox(HWND owner, const std::string& text, const std::string& caption, UINT type);
int infoBox(HWND owner, const std::string& text, const std::string& caption);
int warningBox(HWND owner, const std::string& text, const std::string& caption);
int errorBox(HWND owner, const std::string& text, const std::string& caption);
bool yesNoBox(HWND owner, const std::string& text, const std::string& caption);
bool okCancelBox(HWND owner, const std::string& text, const std::string& caption);
int yesNoCancelBox(HWND owner, const std::string& text, const std::string& caption);
///@}

/// ... or by a window object's window, with character strings (a null pointer
/// is the empty text).
/// The boxes and their answers are those above.
///@{
int msgBox(const Control& owner, const char* text, const char* caption, UINT type);
int infoBox(const Control& owner, const char* text, const char* caption);
int warningBox(const Control& owner, const char* text, const char* caption);
int errorBox(const Control& owner, const char* text, const char* caption);
bool yesNoBox(const Control& owner, const char* text, const char* caption);
bool okCancelBox(const Control& owner, const char* text, const char* caption);
int yesNoCancelBox(const Control& owner, const char* text, const char* caption);
///@}

/// ... and the same with the toolkit's texts, or with character strings (a null
/// pointer is the empty text), so a String and a literal mix freely:
/// `infoBox(window, "Saved " + fileName, "Notepad")`.
/// The boxes and their answers are those above.
///@{
int msgBox(HWND owner, const String& text, const String& caption, UINT type);
int infoBox(HWND owner, const String& text, const String& caption);
int warningBox(HWND owner, const String& text, const String& caption);
int errorBox(HWND owner, const String& text, const String& caption);
bool yesNoBox(HWND owner, const String& text, const String& caption);
bool okCancelBox(HWND owner, const String& text, const String& caption);
int yesNoCancelBox(HWND owner, const String& text, const String& caption);
int msgBox(HWND owner, const char* text, const char* caption, UINT type);
int infoBox(HWND owner, const char* text, const char* caption);
int warningBox(HWND owner, const char* text, const char* caption);
int errorBox(HWND owner, const char* text, const char* caption);
bool yesNoBox(HWND owner, const char* text, const char* caption);
bool okCancelBox(HWND owner, const char* text, const char* caption);
int yesNoCancelBox(HWND owner, const char* text, const char* caption);
int msgBox(const Control& owner, const String& text, const String& caption, UINT type);
int infoBox(const Control& owner, const String& text, const String& caption);
int warningBox(const Control& owner, const String& text, const String& caption);
int errorBox(const Control& owner, const String& text, const String& caption);
bool yesNoBox(const Control& owner, const String& text, const String& caption);
bool okCancelBox(const Control& owner, const String& text, const String& caption);
int yesNoCancelBox(const Control& owner, const String& text, const String& caption);
///@}

}  // namespace tarn

#endif  // TARN_MESSAGE_BOX_H
