#pragma once
// A stand-in for the form the session and message layers serve: a converter
// with given code pages, a caption, and a switch for "Cancel has the focus".

#include <memory>
#include <string>

#include "src/environment/CodeConverter.h"
#include "src/framework/MessageHost.h"
#include "src/framework/MessageReporter.h"
#include "src/framework/ServerSession.h"
#include "src/framework/SessionContext.h"

namespace hemr_test {

class TSessionHost : public hemr::ISessionContext, public hemr::IMessageHost {
public:
    explicit TSessionHost(const std::string& uiCodePage = "936") { SetUICodePage(uiCodePage); }

    void SetUICodePage(const std::string& codePage) {
        hemr::TCodeConverter::TSettings settings;
        settings.UICodePage = codePage;
        converter = std::make_unique<hemr::TCodeConverter>(nullptr, settings);
    }

    const hemr::TCodeConverter& SessionConverter() const override { return *converter; }
    bool SessionConverted() const override { return converted; }
    std::string SessionCompanyID() const override { return "KWTest60"; }
    std::string SessionDbName() const override { return "KWDB"; }

    std::string MessageText(const std::string& type, const std::string& number) override {
        return session.GetMessageText(type, number);
    }
    const hemr::TCodeConverter& MessageConverter() const override { return *converter; }
    std::string MessageCaption() const override { return "员工年龄分布表[9.0]"; }
    bool CancelHasFocus() const override { return cancelFocused; }
    void MessageDialogClosed(rt::TMsgDlgType kind) override { closedKinds.push_back(kind); }

    std::unique_ptr<hemr::TCodeConverter> converter;
    bool converted = false;
    bool cancelFocused = false;
    std::vector<rt::TMsgDlgType> closedKinds;
    hemr::TServerSession session{*this};
    hemr::TMessageReporter reporter{*this};
};

}  // namespace hemr_test
