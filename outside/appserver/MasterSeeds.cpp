// Program catalogue, settings and master tables seeded on first start.

#include <initializer_list>
#include <string>
#include <vector>

#include "outside/appserver/Seeder.h"
#include "outside/appserver/SqliteDb.h"

namespace appserver {

namespace {

using Row = std::vector<std::string>;

// `table` is always one of the constant names below, never outside input.
void InsertRows(SqliteDb& db, const std::string& table, std::initializer_list<Row> rows) {
    for (const Row& row : rows) {
        std::string marks;
        for (size_t i = 0; i < row.size(); ++i)
            marks += i ? ", ?" : "?";
        SqliteStatement insert = db.Prepare("INSERT INTO " + table + " VALUES (" + marks + ")");
        for (size_t i = 0; i < row.size(); ++i)
            insert.Bind(static_cast<int>(i) + 1, row[i]);
        insert.Run();
    }
}

}  // namespace

void SeedMasters(SqliteDb& db) {
    InsertRows(db, "ADMMB",
               {{"HEMR07", "员工年龄分布表", "R", "HEM", "N", "Y", "HEMR07S.Class1", "890901",
                 "Employee Age Distribution"}});
    InsertRows(db, "SYSSET",
               {{"", "Sys001", "1"},
                {"", "Sys002", "/"},
                {"", "NVR002", "V9.0 Build 890901"},
                {"", "SYS026", "1"},
                {"", "SYS181", "Y"},
                {"", "StartupPortal", "N"},
                {"", "Portal WS", ""},
                {"02", "Sys002", "-"}});
    InsertRows(db, "NVRINTMA",
               {{"StartupPortal", "企业门户是否启用", "N"},
                {"Portal WS", "企业门户网络服务地址", ""},
                {"ProductID", "产品代号", "3"}});
    InsertRows(db, "TAXMA",
               {{"01", "星岚实业股份有限公司", "星岚总公司", "Xinglan Industrial Co."},
                {"02", "星岚实业华南分公司", "华南分公司", "Xinglan South China Branch"},
                {"03", "星岚实业华东分公司", "华东分公司", "Xinglan East China Branch"}});
    InsertRows(db, "CMSME",
               {{"A01", "总经理室", "01"},
                {"A02", "财务部", "01"},
                {"B01", "人力资源部", "01"},
                {"B02", "信息部", "01"},
                {"C01", "生产部", "02"},
                {"C02", "品管部", "02"},
                {"D01", "业务部", "03"},
                {"D02", "仓储部", "03"}});
    InsertRows(db, "NVRMA",
               {{"DS", "系统管理员", "13800000000", "admin@example.com", "B02", "YYYYYYYY"},
                {"U001", "张伟", "13800000001", "zhangwei@example.com", "B01", "YYYYYYNN"},
                {"U002", "李娜", "13800000002", "lina@example.com", "A02", "YNNNYNNN"}});
    InsertRows(db, "CMSMS",
               {{"1", "F01", "本报表仅供内部使用", "如有疑问请洽人力资源部", "", "Y", "Y"},
                {"1", "F02", "机密资料 请勿外传", "", "", "Y", "N"},
                {"2", "S01", "制表:", "审核:", "核准:", "Y", "N"},
                {"2", "S02", "经办人:", "主管:", "", "Y", "N"}});
    InsertRows(db, "CMSMT", {{"HEMR07", "F01", "S01"}});
    InsertRows(db, "PHRASES", {{"DS", "本月人事统计"}});
    InsertRows(db, "CMSMA", {{"02", "http://127.0.0.1:8080/WebReport", "网页报表站点"}});
}

}  // namespace appserver
