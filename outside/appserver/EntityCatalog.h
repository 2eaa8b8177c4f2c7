#pragma once
// The entities the validator checks and queries, with their key layouts and
// the row each one answers (fields numbered from 0). Every entity ignores the
// company code unless said otherwise.
//
//   ADMMB   program catalogue; key [program code] (any letter case); the
//           company code ("01" catalogue, "11" run options) does not change
//           the row: 0 name, 1 kind, 2 system, 3 direct query barred Y/N,
//           4 want-log Y/N, 5 server ProgID, 6 version, 7 English name
//   CMSMT   default footer and sign-off of a program; key [program code]:
//           0 footer code, 1 footer lookup allowed Y/N, 2 footer on every page
//           Y/N, 3..5 footer texts, 6 sign-off code, 7 sign-off lookup allowed,
//           8 sign-off on every page, 9..11 sign-off texts
//   CMSMS   footers ("1") and sign-offs ("2"); key [kind, code]:
//           0 code, 1..3 texts, 4 lookup allowed Y/N, 5 on every page Y/N
//   CMSMA   sites; the company code is the site kind ("02" web report), the
//           key is not used (the forms pass [""]): 0 address, 1 description
//   GENES   condition schemes; key [name, user, program], each trimmed as
//           the scheme store trims them: 0 name, 1 creator, 2 program,
//           3 creation date "YYYYMMDD"
//   TAXMA   companies; key [company]: 0 code, 1 name, 2 short name, 3 English name
//   CMSME   departments; key [department]: 0 code, 1 name, 2 company
//   NVRMA   users; key [user]: 0 code, 1 name, 2 mobile, 3 e-mail, 4 department
//   EMPLOYEE staff of the demo data; key [employee]: 0 code, 1 name, 2 company,
//           3 department, 4 birthday, 5 gender, 6 hired, 7 left

#include <string>
#include <vector>

namespace appserver {

struct EntityDef {
    const char* name;
    const char* select;                    // the row's columns and tables, no WHERE
    std::vector<const char*> keyTerms;     // one "COLUMN = ?" per key element
    const char* companyTerm;               // bound to the company code, or nullptr
    const char* orderBy;
    // The key texts are trimmed first, as the store trims what it keeps (scheme names).
    bool trimmedKeys = false;
};

// nullptr for an entity the server does not know (names compared without case).
const EntityDef* FindEntity(const std::string& name);

}  // namespace appserver
