#pragma once
// A non-visual component holding one language document open while active and
// handing out the reader that applies it. The document comes from XMLText
// when that holds text, otherwise from FileName.

#include "platform/classes/Events.h"
#include "platform/classes/TComponent.h"
#include "platform/classes/TStringList.h"
#include "src/environment/Translator.h"

#include <pugixml.hpp>

#include <memory>
#include <string>

namespace hemr {

class TLanguageController : public rt::TComponent {
    RT_CLASS(TLanguageController, rt::TComponent)

public:
    explicit TLanguageController(rt::TComponent* owner);
    ~TLanguageController() override;

    static void Publish(rt::TPublisher<TLanguageController>& p);

    // True when a document with a document element is open.
    bool Active() const;
    // Opens or closes; while the component is loaded from a form resource the
    // value is only remembered and applied by Loaded. Opening raises
    // LanguageControllerError when there is no source or it does not parse,
    // and leaves the controller inactive then.
    void SetActive(bool active);

    const std::string& FileName() const { return fileName_; }
    // A new name clears XMLText and closes.
    void SetFileName(const std::string& fileName);
    // Changing it closes; text in it makes FileName empty.
    rt::TStringList* XMLText() const { return xmlText_.get(); }

    rt::TStrings* ExcludeControls() const { return excludeControls_.get(); }
    // Copies the names (null clears them), into the open reader as well.
    void SetExcludeControls(rt::TStrings* names);

    // Raises LanguageControllerError "No active LanguageController!" when inactive.
    TLangReader& Reader() const;
    // The open document, or null.
    const pugi::xml_document* Document() const { return document_.get(); }

    void Loaded() override;

    rt::TNotifyEvent BeforeOpen;
    rt::TNotifyEvent AfterOpen;
    rt::TNotifyEvent BeforeClose;
    rt::TNotifyEvent AfterClose;
    TLoadComponentEvent BeforeLoadComponent;
    TLoadComponentEvent AfterLoadComponent;

private:
    bool IsLoading() const { return ComponentState().Contains(rt::csLoading); }
    bool HasXMLText() const;
    void Open();
    void Close();
    void DropDocument();
    void XMLTextChanged(rt::TObject* sender);

    std::string fileName_;
    std::unique_ptr<rt::TStringList> xmlText_;
    std::unique_ptr<rt::TStringList> excludeControls_;
    std::unique_ptr<pugi::xml_document> document_;
    std::unique_ptr<TLangReader> reader_;
    bool requestedActive_ = false;
};

}  // namespace hemr
