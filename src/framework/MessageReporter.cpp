#include "src/framework/MessageReporter.h"

#include <memory>

#include "platform/core/Exceptions.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/forms/TForm.h"
#include "platform/sysutils/Format.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"
#include "src/environment/CodeConverter.h"
#include "src/environment/LibStrs.h"
#include "src/framework/MessageHost.h"

namespace hemr {

namespace {

constexpr size_t kMaxArguments = 10;
constexpr const char* kListSeparator = "; ";

// The code's fields after type and number, ten places as the original keeps them.
std::vector<rt::Variant> CodeArguments(const std::vector<std::string>& fields) {
    std::vector<rt::Variant> args;
    for (size_t i = 2; i < fields.size() && args.size() < kMaxArguments; ++i) args.emplace_back(fields[i]);
    args.resize(kMaxArguments, rt::Variant(std::string()));
    return args;
}

std::vector<std::string> SplitCode(const std::string& codes) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t at = codes.find(';', start);
        fields.push_back(codes.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) break;
        start = at + 1;
    }
    // A code that ends with ";" carries one empty argument, not two.
    if (fields.size() > 2 && fields.back().empty()) fields.pop_back();
    return fields;
}

bool IsNumericNumber(const std::string& number) {
    int value = 0;
    return rt::TryStrToInt(number, value) && value > 0;
}

}  // namespace

bool TryFormatMessage(const std::string& text, const std::vector<rt::Variant>& args, std::string& result) {
    std::vector<std::string> texts;
    texts.reserve(args.size());
    std::vector<rt::FormatArg> formatArgs;
    for (const rt::Variant& arg : args) {
        const rt::Variant& v = arg.Deref();
        if (v.IsOrdinal() && !v.IsBoolean()) {
            formatArgs.emplace_back(v.ToInt64());
        } else if (v.IsFloat()) {
            formatArgs.emplace_back(v.ToDouble());
        } else {
            texts.push_back(rt::VarToStr(v));
            formatArgs.emplace_back(texts.back());
        }
    }
    try {
        result = rt::Format(text, formatArgs);
        return true;
    } catch (const rt::Exception&) {
        return false;
    }
}

TMessageReporter::TMessageReporter(IMessageHost& host) : host_(host) {}

rt::TMsgDlgType TMessageReporter::KindOfType(const std::string& type) {
    if (type == "C" || type == "D" || type == "W") return rt::mtWarning;
    if (type == "E") return rt::mtError;
    if (type == "I") return rt::mtInformation;
    if (type == "Q") return rt::mtConfirmation;
    return rt::mtCustom;
}

rt::TMsgDlgButtons TMessageReporter::ButtonsOfType(const std::string& type) {
    if (type == "C" || type == "Q" || type == "W") return rt::mbOKCancel;
    if (type == "D") return rt::mbYesNoCancel;
    return rt::TMsgDlgButtons{rt::mbOK};
}

int TMessageReporter::ShowMessage(const std::string& type, const std::string& number, rt::TMsgDlgButtons buttons,
                                  const std::vector<rt::Variant>& args) {
    const std::string raw = host_.MessageText(type, number);
    std::string text;
    if (!TryFormatMessage(raw, args, text)) text = raw;
    return MessageDialog(text, KindOfType(type), buttons.Empty() ? ButtonsOfType(type) : buttons);
}

int TMessageReporter::MessageDialog(const std::string& text, rt::TMsgDlgType kind, rt::TMsgDlgButtons buttons) {
    if (exitQuiet_ && kind != rt::mtError) return 0;
    const TCodeConverter& converter = host_.MessageConverter();
    std::unique_ptr<rt::TForm, void (*)(rt::TForm*)> dialog(rt::CreateMessageDialog(text, kind, buttons),
                                                            [](rt::TForm* f) { f->Free(); });
    dialog->SetCaption(host_.MessageCaption());
    if (converter.UICodePage() != "437") {
        for (int b = 0; b <= static_cast<int>(rt::mbHelp); ++b) {
            const auto button = static_cast<rt::TMsgDlgBtn>(b);
            if (!buttons.Contains(button)) continue;
            const std::string name = rt::MsgDlgButtonName(button);
            if (auto* control = dynamic_cast<rt::TControl*>(dialog->FindComponent(name)))
                control->SetCaption(rt::VarToStr(converter.DesignToUI(rt::Variant(ButtonCaption(name)))));
        }
    }
    TCodeConverter::ApplyFontRule(dialog->Font(), converter.UIConvertMode());
    const int result = static_cast<int>(dialog->ShowModal());
    dialog.reset();
    host_.MessageDialogClosed(kind);
    return result;
}

void TMessageReporter::ResetErrors() {
    errorCodes_.clear();
    errorTexts_.clear();
}

void TMessageReporter::GatherText(const std::string& text) {
    if (errorTexts_.find(text) == std::string::npos) errorTexts_ += text + kListSeparator;
}

void TMessageReporter::ReportMessage(const std::string& codes) {
    if (host_.CancelHasFocus()) return;
    if (codes.empty()) {
        ResetErrors();
        return;
    }
    errorCodes_ += codes + kListSeparator;
    const std::vector<std::string> fields = SplitCode(codes);
    const std::string type = fields[0];
    std::string number = fields.size() > 1 ? fields[1] : std::string();
    const bool numeric = IsNumericNumber(number);
    if (!numeric && !number.empty()) number.erase(0, 1);
    const std::vector<rt::Variant> args = CodeArguments(fields);
    const std::string raw = host_.MessageText(type, number);
    std::string text;
    if (!TryFormatMessage(raw, args, text)) {
        text = raw + "\r";
        for (const rt::Variant& arg : args) text += rt::VarToStr(arg) + ";";
    }
    GatherText(text);
    if (numeric) MessageDialog(text, KindOfType(type), rt::TMsgDlgButtons{rt::mbOK});
}

void TMessageReporter::ReportException(const std::string& message) {
    if (host_.CancelHasFocus()) return;
    const std::string text = rt::Trim(message);
    if (text.empty()) {
        ResetErrors();
        return;
    }
    errorCodes_ += std::string("E;-1") + kListSeparator;
    GatherText(text);
}

}  // namespace hemr
