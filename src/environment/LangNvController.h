#pragma once
// The language controller every form owns: it finds the pack of a package
// (a form class name) in the language folder of the configured interface
// code page.

#include "src/environment/LangDesignType.h"
#include "src/environment/LanguageController.h"

#include <string>

namespace hemr {

class TNvLangController : public TLanguageController {
    RT_CLASS(TNvLangController, TLanguageController)

public:
    explicit TNvLangController(rt::TComponent* owner);

    static void Publish(rt::TPublisher<TNvLangController>& p);

    const std::string& LangPackageName() const { return langPackageName_; }
    // A new name points FileName at its pack (which closes the controller);
    // FileName is empty when there is no language folder.
    void SetLangPackageName(const std::string& name);

    TDesignType DesignType() const { return designType_; }
    void SetDesignType(TDesignType designType) { designType_ = designType; }

private:
    std::string langPackageName_;
    TDesignType designType_ = dtClient;
};

}  // namespace hemr
