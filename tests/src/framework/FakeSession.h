#pragma once
// Automation objects standing in for the shell's session and its services in
// the framework's tests: answers come from tables the test fills, and every
// call is recorded with its arguments.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/automation/Dispatch.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr_test {

struct TRecordedCall {
    std::string name;
    std::vector<rt::Variant> args;
};

class TRecordingObject : public rt::TAutoObject {
public:
    std::vector<TRecordedCall> calls;
    // Member names that raise instead of answering.
    std::vector<std::string> failing;

    const TRecordedCall* Last(const std::string& name) const {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (rt::SameText(it->name, name)) return &*it;
        return nullptr;
    }

protected:
    void Record(const std::string& name, rt::DispatchArgs& a) {
        TRecordedCall call{name, {}};
        for (int i = 0; i < a.Count(); ++i) call.args.push_back(a[i]);
        calls.push_back(call);
        for (const std::string& f : failing)
            if (rt::SameText(f, name)) throw rt::EOleException("the server refused " + name, rt::DISP_E_EXCEPTION, "Fake");
    }
};

class TFakeCounter : public TRecordingObject {
public:
    TFakeCounter() {
        DefineMethod("GetSysInfo", [this](rt::DispatchArgs& a) {
            Record("GetSysInfo", a);
            rt::Variant info = rt::Variant::CreateArray({{0, 1}, {0, static_cast<int>(settings.size()) - 1}});
            int i = 0;
            for (const auto& [name, value] : settings) {
                info.At(0, i) = rt::Variant(name);
                info.At(1, i++) = rt::Variant(value);
            }
            return info;
        });
        DefineMethod("GetCounter", [this](rt::DispatchArgs& a) {
            Record("GetCounter", a);
            if (counterAnswer) return counterAnswer(a);
            return rt::Variant(counterValue);
        });
    }
    std::vector<std::pair<std::string, std::string>> settings;
    std::string counterValue = "0001";
    // When set, answers GetCounter instead of counterValue.
    std::function<rt::Variant(rt::DispatchArgs&)> counterAnswer;
};

class TFakeValidator : public TRecordingObject {
public:
    TFakeValidator() {
        for (const char* name : {"CheckValue", "QueryData"}) {
            DefineMethod(name, [this, name](rt::DispatchArgs& a) {
                Record(name, a);
                const auto found = rows.find(rt::VarToStr(a[0]));
                if (found == rows.end()) return rt::Variant(false);
                a.SetOut(4, found->second);
                return rt::Variant(true);
            });
        }
        DefineProperty(
            "ProductID", [](rt::DispatchArgs&) { return rt::Variant(0); },
            [this](rt::DispatchArgs&, const rt::Variant& v) { productID = v.ToInt(); });
        DefineProperty(
            "BaseLimited", [](rt::DispatchArgs&) { return rt::Variant(""); },
            [this](rt::DispatchArgs&, const rt::Variant& v) { baseLimited = rt::VarToStr(v); });
    }
    // Entity -> the row its check answers.
    std::map<std::string, rt::Variant> rows;
    int productID = -1;
    std::string baseLimited;
};

class TFakeF2Window : public TRecordingObject {
public:
    TFakeF2Window() {
        DefineMethod("ShowInputDay", [this](rt::DispatchArgs& a) {
            Record("ShowInputDay", a);
            return rt::Variant(inputDay);
        });
        DefineMethod("F2GetData", [this](rt::DispatchArgs& a) {
            Record("F2GetData", a);
            return lookup;
        });
        DefineMethod("GetPhrase", [this](rt::DispatchArgs& a) {
            Record("GetPhrase", a);
            return rt::Variant(phrase);
        });
    }
    std::string inputDay;
    rt::Variant lookup;
    std::string phrase;
};

class TFakeSession : public TRecordingObject {
public:
    TFakeSession() {
        DefineProperty("ProductID", [this](rt::DispatchArgs& a) {
            Record("ProductID", a);
            return rt::Variant(productID);
        });
        DefineProperty("Com_Counter", [this](rt::DispatchArgs& a) {
            Record("Com_Counter", a);
            return rt::Variant(rt::DispatchPtr(counter));
        });
        DefineProperty("Com_Validator", [this](rt::DispatchArgs& a) {
            Record("Com_Validator", a);
            return rt::Variant(rt::DispatchPtr(validator));
        });
        DefineProperty("Com_F2Window", [this](rt::DispatchArgs& a) {
            Record("Com_F2Window", a);
            return rt::Variant(rt::DispatchPtr(f2Window));
        });
        DefineMethod("GetMessage", [this](rt::DispatchArgs& a) {
            Record("GetMessage", a);
            const auto found = messages.find(rt::VarToStr(a[0]) + ";" + rt::VarToStr(a[1]));
            return rt::Variant(found != messages.end() ? found->second : "msg " + rt::VarToStr(a[0]) + rt::VarToStr(a[1]));
        });
        DefineMethod("CallHelp", [this](rt::DispatchArgs& a) {
            Record("CallHelp", a);
            return rt::Variant();
        });
        DefineMethod("GetFileList", [this](rt::DispatchArgs& a) {
            Record("GetFileList", a);
            return rt::Variant(fileList);
        });
    }
    std::shared_ptr<TFakeCounter> counter = std::make_shared<TFakeCounter>();
    std::shared_ptr<TFakeValidator> validator = std::make_shared<TFakeValidator>();
    std::shared_ptr<TFakeF2Window> f2Window = std::make_shared<TFakeF2Window>();
    // "type;number" -> text.
    std::map<std::string, std::string> messages;
    int productID = 7;
    std::string fileList;
};

inline rt::Variant AsVariant(const std::shared_ptr<TFakeSession>& session) {
    return rt::Variant(rt::DispatchPtr(session));
}

}  // namespace hemr_test
