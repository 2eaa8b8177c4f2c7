#pragma once
// What the shipped language packs must hold: every text of every form
// resource (by component and property path) and every message key the code
// looks up, each in the pack of its form class.

#include <string>
#include <vector>

namespace hemr_test {

struct TLangEntry {
    std::string Form;       // pack (form class) name
    std::string Element;    // component or message name; empty for the form itself
    std::string Attribute;  // property path, or "Msg"
};

class LangPackAudit {
public:
    explicit LangPackAudit(std::string sourceFolder);

    const std::vector<TLangEntry>& Expected() const { return expected_; }
    // "TfrmHemr07: lbl03.Caption" for each entry the packs in `packFolder` lack.
    std::vector<std::string> Missing(const std::string& packFolder) const;

private:
    void AddFormResource(const std::string& fileName);
    void AddMessageKeys(const std::string& fileName);

    std::string source_;
    std::vector<TLangEntry> expected_;
};

}  // namespace hemr_test
