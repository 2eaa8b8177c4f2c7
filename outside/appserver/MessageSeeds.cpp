// The message catalogue: one text for every message the condition forms show,
// in Simplified Chinese and in English (for sessions of English installations).
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
    const char* english;
};

constexpr MessageSeed kMessages[] = {
    {"E", "000001", "输入的资料不存在! %s",
     "The data entered does not exist! %s"},
    {"E", "000005", "日期格式不正确或不是有效的日期! %s%s",
     "The date is not in a valid format or is not a real date! %s%s"},
    {"E", "000006", "无法连接应用服务器, 程序即将关闭!",
     "Cannot reach the application server; the program will close."},
    {"E", "000013", "作业提交失败! 原因: %s",
     "The job could not be submitted. Reason: %s"},
    {"E", "000015", "读取注册表设置失败, 请检查安装设置!",
     "The registry settings could not be read; please check the installation."},
    {"E", "000016", "未设置应用服务器的计算机名称, 请检查客户端设置!",
     "No application server computer is set; please check the client settings."},
    {"E", "000030", "准备条件资料时发生错误! %s",
     "An error occurred while preparing the conditions. %s"},
    {"E", "000036", "程序窗口与程序代号不符, 程序即将关闭!",
     "The program window does not match the program code; the program will close."},
    {"E", "000037", "必须输入的栏位不可空白, 请输入后再继续!",
     "Required fields may not be left blank; please fill them in and try again."},
    {"E", "000038", "启动参数不足, 程序即将关闭!",
     "Not enough start parameters; the program will close."},
    {"E", "100006", "%s不可为负数!",
     "%s may not be negative!"},
    {"E", "100082", "%s不可早于%s!",
     "%s may not be earlier than %s!"},
    {"I", "000003", "没有可处理的条件, 无法提交作业! %s",
     "There are no conditions to process; the job cannot be submitted. %s"},
    {"I", "000004", "作业已提交, 作业编号: %s",
     "The job has been submitted. Job number: %s"},
    {"I", "000005", "请至少选择一种报表生成选项! %s",
     "Please choose at least one report output option. %s"},
    {"I", "000008", "请按 F2 键查询可用的资料。",
     "Press F2 to look up the available data."},
    {"I", "000009", "无法计算生成时间, ",
     "The run time cannot be worked out: "},
    {"I", "000010", "请检查生成日期与时、分、秒的设置。",
     "Please check the run date and the hour, minute and second."},
    {"I", "000011", "无法设置条件标题。",
     "The condition captions cannot be set."},
    {"W", "000002", "%s的数目不符: 应有 %d 项, 实际为 %d 项!",
     "The number of %s does not match: %d expected, %d found!"},
    {"W", "000003", "%s共 %d 项, 第 %d 项尚未设置!",
     "%s has %d items; item %d is not set!"},
    {"W", "000004", "输入的资料有误! %s",
     "The data entered is wrong! %s"},
    {"W", "000014", "传入的条件无法套用到本程序!",
     "The conditions passed in do not apply to this program!"},
    {"R", "100235", "查无此页脚编号!",
     "No such footer code!"},
    {"R", "100236", "查无此签核编号!",
     "No such sign-off code!"},
    {"R", "200235", "方案内容与目前的条件画面不符, 部分条件未能开启!",
     "The scheme does not match the present condition form; some conditions could not be restored!"},
    {"Q", "000001", "确定要继续吗?",
     "Do you want to continue?"},
    {"C", "000001", "资料已变更, 是否放弃变更?",
     "The data has changed. Discard the changes?"},
    {"D", "000001", "资料已变更, 是否保存?",
     "The data has changed. Save it?"},
};

}  // namespace

void SeedMessages(SqliteDb& db) {
    // A catalogue of an earlier edition gets the English texts beside its own.
    SqliteStatement insert = db.Prepare(
        "INSERT INTO MESSAGES (MSGTYPE, MSGNO, MSGTEXT, MSGTEXT_EN) VALUES (?, ?, ?, ?) "
        "ON CONFLICT (MSGTYPE, MSGNO) DO UPDATE SET MSGTEXT_EN = excluded.MSGTEXT_EN");
    for (const MessageSeed& m : kMessages) {
        insert.Bind(1, std::string(m.type)).Bind(2, std::string(m.number)).Bind(3, std::string(m.text));
        insert.Bind(4, std::string(m.english));
        insert.Run();
        insert.Reset();
    }
}

}  // namespace appserver
