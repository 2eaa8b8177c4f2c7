#pragma once
// The portal's user directory and its one service, "PORTAL.getAllUser":
// the request names the caller and the organisation; the answer lists the
// organisation's users as Record/Field elements under a Status of code "0",
// or carries a non-zero Status with a Description.

#include <string>
#include <vector>

namespace portal {

struct TPortalUser {
    std::string id;
    std::string name;
};

struct TPortalOrganisation {
    std::string name;
    std::vector<TPortalUser> users;
};

// Status codes of an answer.
enum class TPortalStatus { Ok = 0, BadRequest = 1, UnknownService = 2, UnknownOrganisation = 3, UnknownUser = 4 };

class TPortalDirectory {
public:
    // The seeded organisations: the shell's default company "KWTest60" and a
    // second one, users with Chinese names.
    TPortalDirectory();
    explicit TPortalDirectory(std::vector<TPortalOrganisation> organisations);

    // The answer document to `requestText` for `serviceName`; with
    // `declaration` false the XML declaration is left out.
    std::string Answer(const std::string& serviceName, const std::string& requestText, bool declaration) const;

    const std::vector<TPortalOrganisation>& Organisations() const { return organisations_; }

private:
    const TPortalOrganisation* Find(const std::string& name) const;

    std::vector<TPortalOrganisation> organisations_;
};

}  // namespace portal
