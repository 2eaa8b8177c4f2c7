#include "outside/appserver/EntityCatalog.h"

#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

const std::vector<EntityDef>& Entities() {
    static const std::vector<EntityDef> entities = {
        {"ADMMB", "SELECT MB002, MB003, MB004, MB005, MB006, MB007, MB008, MB009 FROM ADMMB",
         {"UPPER(MB001) = UPPER(?)"}, nullptr, "MB001"},
        {"CMSMT",
         "SELECT COALESCE(F.MS002, ''), COALESCE(F.MS006, 'N'), COALESCE(F.MS007, 'N'), COALESCE(F.MS003, ''), "
         "COALESCE(F.MS004, ''), COALESCE(F.MS005, ''), COALESCE(S.MS002, ''), COALESCE(S.MS006, 'N'), "
         "COALESCE(S.MS007, 'N'), COALESCE(S.MS003, ''), COALESCE(S.MS004, ''), COALESCE(S.MS005, '') "
         "FROM CMSMT T LEFT JOIN CMSMS F ON F.MS001 = '1' AND F.MS002 = T.MT002 "
         "LEFT JOIN CMSMS S ON S.MS001 = '2' AND S.MS002 = T.MT003",
         {"UPPER(T.MT001) = UPPER(?)"}, nullptr, "T.MT001"},
        {"CMSMS", "SELECT MS002, MS003, MS004, MS005, MS006, MS007 FROM CMSMS", {"MS001 = ?", "MS002 = ?"}, nullptr,
         "MS001, MS002"},
        {"CMSMA", "SELECT MA002, MA003 FROM CMSMA", {}, "MA001 = ?", "MA001"},
        {"GENES", "SELECT NCONDITION, CREATOR, PROGRAMME, CREATE_DATE FROM SCHEMES",
         {"NCONDITION = ?", "CREATOR = ?", "PROGRAMME = ?"}, nullptr, "NCONDITION", true},
        {"TAXMA", "SELECT MA001, MA002, MA003, MA004 FROM TAXMA", {"MA001 = ?"}, nullptr, "MA001"},
        {"CMSME", "SELECT ME001, ME002, ME003 FROM CMSME", {"ME001 = ?"}, nullptr, "ME001"},
        {"NVRMA", "SELECT MA001, MA002, MA003, MA004, MA005 FROM NVRMA", {"MA001 = ?"}, nullptr, "MA001"},
        {"EMPLOYEE",
         "SELECT EMP_ID, EMP_NAME, COMPANY, DEPT, BIRTHDAY, GENDER, HIRE_DATE, LEAVE_DATE FROM EMPLOYEE",
         {"EMP_ID = ?"}, nullptr, "EMP_ID"},
    };
    return entities;
}

}  // namespace

const EntityDef* FindEntity(const std::string& name) {
    for (const EntityDef& e : Entities())
        if (rt::SameText(e.name, name))
            return &e;
    return nullptr;
}

}  // namespace appserver
