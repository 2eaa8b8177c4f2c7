#include "src/environment/LanguageController.h"

#include "platform/sysutils/Format.h"
#include "platform/sysutils/StrUtils.h"
#include "src/environment/LangCommon.h"
#include "src/environment/LangDocument.h"

namespace hemr {

TLanguageController::TLanguageController(rt::TComponent* owner)
    : rt::TComponent(owner),
      xmlText_(std::make_unique<rt::TStringList>()),
      excludeControls_(std::make_unique<rt::TStringList>()) {
    xmlText_->OnChange = rt::TNotifyEvent::Of<&TLanguageController::XMLTextChanged>(this);
}

// Handlers may belong to objects already gone: no events while destroying.
TLanguageController::~TLanguageController() { DropDocument(); }

void TLanguageController::Publish(rt::TPublisher<TLanguageController>& p) {
    p.Property("Active", &TLanguageController::Active, &TLanguageController::SetActive).Default(false);
    p.Property("AfterClose", &TLanguageController::AfterClose);
    p.Property("AfterOpen", &TLanguageController::AfterOpen);
    p.Property("BeforeClose", &TLanguageController::BeforeClose);
    p.Property("BeforeOpen", &TLanguageController::BeforeOpen);
    p.Property("AfterLoadComponent", &TLanguageController::AfterLoadComponent);
    p.Property("BeforeLoadComponent", &TLanguageController::BeforeLoadComponent);
    p.Property("ExcludeControls", &TLanguageController::ExcludeControls, &TLanguageController::SetExcludeControls);
}

bool TLanguageController::Active() const { return document_ != nullptr && document_->document_element(); }

void TLanguageController::SetActive(bool active) {
    if (IsLoading()) {
        requestedActive_ = active;
        return;
    }
    if (active == Active()) return;
    if (active) {
        Open();
    } else {
        Close();
    }
}

void TLanguageController::SetFileName(const std::string& fileName) {
    if (fileName == fileName_) return;
    fileName_ = fileName;
    xmlText_->Clear();
    Close();
}

bool TLanguageController::HasXMLText() const { return !rt::Trim(xmlText_->Text()).empty(); }

void TLanguageController::XMLTextChanged(rt::TObject*) {
    if (IsLoading()) return;
    if (HasXMLText()) fileName_.clear();
    Close();
}

void TLanguageController::SetExcludeControls(rt::TStrings* names) {
    excludeControls_->Clear();
    if (names != nullptr) excludeControls_->AddStrings(*names);
    if (reader_) reader_->SetExcludeControls(excludeControls_.get());
}

TLangReader& TLanguageController::Reader() const {
    if (!Active() || !reader_) throw LanguageControllerError(SLangNoActiveController);
    return *reader_;
}

void TLanguageController::Loaded() {
    rt::TComponent::Loaded();
    if (requestedActive_) {
        requestedActive_ = false;
        SetActive(true);
    }
}

void TLanguageController::DropDocument() {
    reader_.reset();
    document_.reset();
}

void TLanguageController::Open() {
    BeforeOpen(this);
    DropDocument();
    auto document = std::make_unique<pugi::xml_document>();
    TLangLoadResult loaded;
    if (HasXMLText()) {
        loaded = ParseLangDocument(*document, xmlText_->Text());
    } else if (fileName_.empty()) {
        throw LanguageControllerError(rt::Format(SLangCannotFindFile, {fileName_}));
    } else {
        loaded = LoadLangDocument(*document, fileName_);
    }
    if (!loaded.Ok) throw LanguageControllerError(loaded.Reason);
    document_ = std::move(document);
    reader_ = std::make_unique<TLangReader>(*document_);
    reader_->SetExcludeControls(excludeControls_.get());
    reader_->BeforeLoadComponent = BeforeLoadComponent;
    reader_->AfterLoadComponent = AfterLoadComponent;
    AfterOpen(this);
}

void TLanguageController::Close() {
    if (!Active()) {
        DropDocument();
        return;
    }
    BeforeClose(this);
    DropDocument();
    AfterClose(this);
}

}  // namespace hemr
