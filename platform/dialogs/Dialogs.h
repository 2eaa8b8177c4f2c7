#pragma once
// Message dialogs. Everything shown goes through the application's dialog
// driver, which records it and answers it (queued answers, a callback, or
// the default button).

#include <string>

#include "platform/forms/DialogTypes.h"
#include "platform/forms/FormTypes.h"

namespace rt {

class TForm;

// Button name ("Yes", "NoToAll" ...), default caption and modal result of a dialog button.
const char* MsgDlgButtonName(TMsgDlgBtn button);
const char* MsgDlgButtonCaption(TMsgDlgBtn button);
TModalResult MsgDlgButtonResult(TMsgDlgBtn button);
// "Warning", "Error", "Information", "Confirmation"; the application title for mtCustom.
std::string MsgDlgCaption(TMsgDlgType type);

// A dialog form owned by the application: a label "Message" and the buttons
// in the order Yes, No, OK, Cancel, Abort, Retry, Ignore, All, NoToAll,
// YesToAll, Help. The default button is OK, else Yes, else the first; the
// cancel button is Cancel, else No, else OK. The caller frees the form.
// Raises EInvalidOperation when no button is given.
TForm* CreateMessageDialog(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons);

TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
// As MessageDlg, with the dialog's top left corner at x, y (a negative value keeps it centred).
TModalResult MessageDlgPos(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                           int x, int y);
// A plain dialog with an OK button, titled with the application title.
void ShowMessage(const std::string& message);

}  // namespace rt
