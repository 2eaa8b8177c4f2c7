#include "outside/portal/TPortalDirectory.h"

#include <pugixml.hpp>

#include <sstream>

namespace portal {

namespace {

constexpr const char* kGetAllUser = "PORTAL.getAllUser";

std::vector<TPortalOrganisation> SeededOrganisations() {
    return {{"KWTest60",
             {{"796", "王建国"}, {"P1001", "陈静怡"}, {"P1002", "刘志强"}, {"P1003", "赵雅婷"}, {"P1004", "孙明辉"}}},
            {"KWTest61", {{"P2001", "周晓燕"}, {"P2002", "吴俊杰"}}}};
}

struct TOutcome {
    TPortalStatus status = TPortalStatus::Ok;
    std::string description;
    const TPortalOrganisation* organisation = nullptr;
};

std::string Serialise(const pugi::xml_document& document) {
    std::ostringstream out;
    // The declaration, when wanted, is a node of the document itself.
    document.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return out.str();
}

}  // namespace

TPortalDirectory::TPortalDirectory() : TPortalDirectory(SeededOrganisations()) {}

TPortalDirectory::TPortalDirectory(std::vector<TPortalOrganisation> organisations)
    : organisations_(std::move(organisations)) {}

const TPortalOrganisation* TPortalDirectory::Find(const std::string& name) const {
    for (const TPortalOrganisation& o : organisations_)
        if (o.name == name) return &o;
    return nullptr;
}

std::string TPortalDirectory::Answer(const std::string& serviceName, const std::string& requestText,
                                     bool declaration) const {
    TOutcome outcome;
    pugi::xml_document request;
    if (serviceName != kGetAllUser) {
        outcome = {TPortalStatus::UnknownService, "Unknown service: " + serviceName};
    } else if (!request.load_string(requestText.c_str()) || !request.child("Request").child("Access")) {
        outcome = {TPortalStatus::BadRequest, "The request is not a portal request"};
    } else {
        const pugi::xml_node a = request.child("Request").child("Access");
        const std::string org = a.child("Organization").attribute("name").value();
        const std::string user = a.child("Authentication").attribute("user").value();
        outcome.organisation = Find(org);
        if (outcome.organisation == nullptr) {
            outcome = {TPortalStatus::UnknownOrganisation, "Unknown organization: " + org};
        } else {
            bool known = false;
            for (const TPortalUser& u : outcome.organisation->users) known = known || u.id == user;
            if (!known) outcome = {TPortalStatus::UnknownUser, "Unknown user " + user + " in " + org};
        }
    }

    pugi::xml_document answer;
    if (declaration) {
        pugi::xml_node decl = answer.append_child(pugi::node_declaration);
        decl.append_attribute("version") = "1.0";
        decl.append_attribute("encoding") = "UTF-8";
    }
    pugi::xml_node response = answer.append_child("Response");
    pugi::xml_node status = response.append_child("Status");
    status.append_attribute("code") = std::to_string(static_cast<int>(outcome.status)).c_str();
    if (outcome.status != TPortalStatus::Ok) {
        status.append_attribute("Description") = outcome.description.c_str();
        return Serialise(answer);
    }
    pugi::xml_node content = response.append_child("ResponseContent");
    for (const TPortalUser& u : outcome.organisation->users) {
        pugi::xml_node record = content.append_child("Record");
        pugi::xml_node id = record.append_child("Field");
        id.append_attribute("name") = "Id";
        id.append_attribute("value") = u.id.c_str();
        pugi::xml_node name = record.append_child("Field");
        name.append_attribute("name") = "Name";
        name.append_attribute("value") = u.name.c_str();
    }
    return Serialise(answer);
}

}  // namespace portal
