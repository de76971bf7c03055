// The program's message box: the system's message box with a caption and an icon that follow
// from the kind of message, owned by the application, every other window of the program disabled
// while it is open. A position can be asked for; the window skinning that catches the box as it
// opens moves it there (MessageBoxPosition).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace sundrel {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn : unsigned {
  mbYes = 1,
  mbNo = 2,
  mbOK = 4,
  mbCancel = 8,
  mbAbort = 16,
  mbRetry = 32,
  mbIgnore = 64,
  mbHelp = 128,
};
using TMsgDlgButtons = unsigned;

// "Warning", "Error", "Information", "Confirm", or nothing for a custom message.
std::string DefaultMessageCaption(TMsgDlgType type);

// The system message box's style for the kind and the buttons: the buttons are picked from the
// set in a fixed order of preference (OK, then Abort/Retry/Ignore, then Yes/No, then Retry), so
// any set shows a box the system can make.
unsigned MessageBoxStyle(TMsgDlgType type, TMsgDlgButtons buttons);

// Shows the box and answers the system's code of the button that closed it (IDOK, IDYES, ...).
// Without a caption the kind's default caption is used; a position of -1 leaves the placing to
// the system.
int ShowMessageBox(const std::optional<std::string>& caption, const std::string& text, TMsgDlgType type,
                   TMsgDlgButtons buttons, int x = -1, int y = -1);
// The short form: the kind's own caption, the system's placing. The help context names the help
// topic of the Help button; the program has no help, so it is only passed along.
int ShowMessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
void ShowWarningBox(const std::string& text);
void ShowErrorBox(const std::string& text);

// Where the box being opened now was asked to appear; -1 for a coordinate left to the system.
// Outside ShowMessageBox both are -1.
POINT MessageBoxPosition();

}  // namespace sundrel
