#pragma once
// Catalogued messages of a condition form: a code "E;000038;arg;..." becomes
// the catalogue's text filled with its arguments and a dialog of the kind its
// type letter stands for; codes and texts are gathered for the derived forms
// to show or log.

#include <string>
#include <vector>

#include "platform/core/Variant.h"
#include "platform/forms/DialogTypes.h"

namespace hemr {

class IMessageHost;

class TMessageReporter {
public:
    explicit TMessageReporter(IMessageHost& host);

    // The catalogue text of type and number filled with `args`, shown in the
    // dialog of the type's kind; `buttons` replaces the type's own set unless
    // it is empty. Returns the dialog's result (0 when it was skipped).
    int ShowMessage(const std::string& type, const std::string& number, rt::TMsgDlgButtons buttons,
                    const std::vector<rt::Variant>& args);
    // Empty codes reset both lists; otherwise the code is gathered and, when
    // its number is numeric, its text is shown.
    void ReportMessage(const std::string& codes);
    // Gathers an exception text as "E;-1" without showing it.
    void ReportException(const std::string& text);
    void ResetErrors();

    // The standard dialog with the form's caption and, outside the English
    // interface, Chinese button captions. While ExitQuiet is set only errors are shown.
    int MessageDialog(const std::string& text, rt::TMsgDlgType kind, rt::TMsgDlgButtons buttons);

    const std::string& ErrorCodes() const { return errorCodes_; }
    const std::string& ErrorTexts() const { return errorTexts_; }
    bool ExitQuiet() const { return exitQuiet_; }
    void SetExitQuiet(bool quiet) { exitQuiet_ = quiet; }

    // The dialog kind and default buttons of a type letter.
    static rt::TMsgDlgType KindOfType(const std::string& type);
    static rt::TMsgDlgButtons ButtonsOfType(const std::string& type);

private:
    void GatherText(const std::string& text);

    IMessageHost& host_;
    std::string errorCodes_;
    std::string errorTexts_;
    bool exitQuiet_ = false;
};

// `text` filled with `args` (texts, or numbers for "%d"); false when the
// directives do not fit the arguments.
bool TryFormatMessage(const std::string& text, const std::vector<rt::Variant>& args, std::string& result);

}  // namespace hemr
