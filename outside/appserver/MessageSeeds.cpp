// The message catalogue: one text for every message the condition forms show.
// Placeholders follow the arguments of the call sites: texts are "%s"; the
// counts passed by the condition-array checks (W 000002, W 000003) are "%d".
// Messages raised through ReportMessage always get ten text arguments, so a
// text may use fewer "%s" than that.

#include "outside/appserver/Seeder.h"
#include "outside/appserver/SqliteDb.h"

namespace appserver {

namespace {

struct MessageSeed {
    const char* type;
    const char* number;
    const char* text;
};

constexpr MessageSeed kMessages[] = {
    {"E", "000001", "输入的资料不存在! %s"},
    {"E", "000005", "日期格式不正确或不是有效的日期! %s%s"},
    {"E", "000006", "无法连接应用服务器, 程序即将关闭!"},
    {"E", "000013", "作业提交失败! 原因: %s"},
    {"E", "000015", "读取注册表设置失败, 请检查安装设置!"},
    {"E", "000016", "未设置应用服务器的计算机名称, 请检查客户端设置!"},
    {"E", "000030", "准备条件资料时发生错误! %s"},
    {"E", "000036", "程序窗口与程序代号不符, 程序即将关闭!"},
    {"E", "000037", "必须输入的栏位不可空白, 请输入后再继续!"},
    {"E", "000038", "启动参数不足, 程序即将关闭!"},
    {"E", "100006", "%s不可为负数!"},
    {"E", "100082", "%s不可早于%s!"},
    {"I", "000003", "没有可处理的条件, 无法提交作业! %s"},
    {"I", "000004", "作业已提交, 作业编号: %s"},
    {"I", "000005", "请至少选择一种报表生成选项! %s"},
    {"I", "000008", "请按 F2 键查询可用的资料。"},
    {"I", "000009", "无法计算生成时间, "},
    {"I", "000010", "请检查生成日期与时、分、秒的设置。"},
    {"I", "000011", "无法设置条件标题。"},
    {"W", "000002", "%s的数目不符: 应有 %d 项, 实际为 %d 项!"},
    {"W", "000003", "%s共 %d 项, 第 %d 项尚未设置!"},
    {"W", "000004", "输入的资料有误! %s"},
    {"W", "000014", "传入的条件无法套用到本程序!"},
    {"R", "100235", "查无此页脚编号!"},
    {"R", "100236", "查无此签核编号!"},
    {"R", "200235", "方案内容与目前的条件画面不符, 部分条件未能开启!"},
    {"Q", "000001", "确定要继续吗?"},
    {"C", "000001", "资料已变更, 是否放弃变更?"},
    {"D", "000001", "资料已变更, 是否保存?"},
};

}  // namespace

void SeedMessages(SqliteDb& db) {
    SqliteStatement insert = db.Prepare("INSERT INTO MESSAGES (MSGTYPE, MSGNO, MSGTEXT) VALUES (?, ?, ?)");
    for (const MessageSeed& m : kMessages) {
        insert.Bind(1, std::string(m.type)).Bind(2, std::string(m.number)).Bind(3, std::string(m.text));
        insert.Run();
        insert.Reset();
    }
}

}  // namespace appserver
