#include "src/environment/LangNvController.h"

#include "src/environment/LangCommon.h"

namespace hemr {

TNvLangController::TNvLangController(rt::TComponent* owner) : TLanguageController(owner) {}

void TNvLangController::Publish(rt::TPublisher<TNvLangController>& p) {
    p.Property("LangPackageName", &TNvLangController::LangPackageName, &TNvLangController::SetLangPackageName);
    p.Property("DesignType", &TNvLangController::DesignType, &TNvLangController::SetDesignType).Default(dtClient);
}

void TNvLangController::SetLangPackageName(const std::string& name) {
    if (name == langPackageName_) return;
    langPackageName_ = name;
    SetFileName(LangPackFileName(designType_, name));
}

}  // namespace hemr
