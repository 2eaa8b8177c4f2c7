#pragma once
// What the message system needs of the form that shows its messages: the
// catalogue texts, the converter that decides captions and fonts, the form's
// caption, whether the Cancel button holds the focus, and what to do after a
// dialog has closed.

#include <string>

#include "platform/forms/DialogTypes.h"

namespace hemr {

class TCodeConverter;

class IMessageHost {
public:
    virtual ~IMessageHost() = default;
    virtual std::string MessageText(const std::string& type, const std::string& number) = 0;
    virtual const TCodeConverter& MessageConverter() const = 0;
    virtual std::string MessageCaption() const = 0;
    // While the Cancel button has the focus nothing is reported.
    virtual bool CancelHasFocus() const = 0;
    virtual void MessageDialogClosed(rt::TMsgDlgType kind) = 0;
};

}  // namespace hemr
