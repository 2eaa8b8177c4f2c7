#include "outside/appserver/Notifier.h"

#include <cmath>

#include <pugixml.hpp>

#include "outside/appserver/Deliveries.h"
#include "outside/appserver/JobSchedule.h"
#include "outside/appserver/ServerValues.h"
#include "platform/core/Exceptions.h"
#include "platform/os/Files.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

const rt::Variant* ElementOf(const rt::Variant& array, int offset) {
    const rt::Variant& a = array.Deref();
    if (!a.IsArray() || a.LowBound() + offset > a.HighBound())
        return nullptr;
    return &a[a.LowBound() + offset].Deref();
}

std::string EnvItem(const rt::Variant& conditions, int position) {
    const rt::Variant* env = ElementOf(conditions, 0);
    const rt::Variant* item = env ? ElementOf(*env, position - 1) : nullptr;
    return item && !item->IsArray() ? ArgText(*item) : "";
}

std::string FileText(const std::string& file) {
    std::string bytes;
    return !file.empty() && rt::ReadFileToString(file, bytes) ? bytes : "";
}

std::string HtmlEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            default: out += c;
        }
    }
    return out;
}

// "caption=value" for every row a change-date rule moved, "; " between.
std::string DateConditions(const rt::Variant& conditions, const rt::Variant& values) {
    const rt::Variant* rules = ElementOf(conditions, 4);
    const rt::Variant* captions = ElementOf(conditions, 1);
    if (!rules || !captions || !values.IsArray())
        return "";
    std::string out;
    for (int i = rules->LowBound() + 1; i <= rules->HighBound(); ++i) {
        std::string rule = ArgText((*rules)[i]);
        size_t cut = rule.rfind('\x03');
        int row = cut == std::string::npos ? 0 : std::atoi(rule.c_str() + cut + 1);
        if (row < values.LowBound() || row > values.HighBound())
            continue;
        const rt::Variant& v = values[row].Deref();
        std::string value = v.IsArray() && v.ElementCount() >= 3
                                ? ArgText(v[v.LowBound() + 1]) + "-" + ArgText(v[v.LowBound() + 2])
                                : ArgText(v);
        const rt::Variant* caption = ElementOf(*captions, row - captions->LowBound());
        std::string name = caption && caption->IsArray() ? ArgText(*ElementOf(*caption, 0)) : "";
        out += (out.empty() ? "" : "; ") + name + "=" + value;
    }
    return out;
}

}  // namespace

std::string Notifier::Setting(const std::string& name) {
    SqliteStatement q = store_->Db().Prepare("SELECT MA003 FROM NVRINTMA WHERE MA001 = ?");
    q.Bind(1, name);
    return q.Step() ? rt::Trim(q.Text(0)) : "";
}

std::string Notifier::UserField(const std::string& user, int column) {
    SqliteStatement q = store_->Db().Prepare("SELECT MA003, MA004 FROM NVRMA WHERE MA001 = ?");
    q.Bind(1, user);
    return q.Step() ? rt::Trim(q.Text(column)) : "";
}

std::string Notifier::MessageText(const RunClaim& claim, const RunOutcome& outcome) {
    std::string program = EnvItem(claim.conditions, 1);
    SqliteStatement title = store_->Db().Prepare("SELECT MB002 FROM ADMMB WHERE MB001 = ?");
    title.Bind(1, program);
    std::string report = title.Step() ? title.Text(0) + " (" + program + ")" : program;
    std::string text = "报表 " + report + " 作业 " + claim.jobId + " 第 " + std::to_string(claim.runNumber) +
                       " 次运行 (" + outcome.runDate + ") " + outcome.status;
    std::string dates = DateConditions(claim.conditions, outcome.values);
    if (!dates.empty())
        text += "; 日期条件: " + dates;
    if (!outcome.error.empty())
        text += "; 原因: " + outcome.error;
    if (!outcome.textFile.empty())
        text += "; 报表: " + (outcome.htmlFile.empty() ? outcome.textFile : outcome.htmlFile);
    return text;
}

void Notifier::Queue(const RunClaim& claim, const std::string& channel, const std::string& receiver,
                     const std::string& address, const std::string& subject, const std::string& body,
                     const std::string& attachment) {
    store_->Db()
        .Prepare("INSERT INTO DELIVERIES (JOB_ID, RUN_NO, CHANNEL, RECEIVER, ADDRESS, SUBJECT, BODY, ATTACHMENT, "
                 "ATTEMPTS, STATUS, LAST_ERROR, NEXT_TRY) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, 'PENDING', '', ?)")
        .Bind(1, claim.jobId)
        .Bind(2, int64_t{claim.runNumber})
        .Bind(3, channel)
        .Bind(4, receiver)
        .Bind(5, address)
        .Bind(6, subject)
        .Bind(7, body)
        .Bind(8, attachment)
        .Bind(9, MomentText(clock_.Now()))
        .Run();
}

void Notifier::Notify(const RunClaim& claim, const RunOutcome& outcome) {
    std::string xml = EnvItem(claim.conditions, 12);
    pugi::xml_document doc;
    if (xml.empty() || xml == "N" || !doc.load_string(xml.c_str()))
        return;
    std::string text = MessageText(claim, outcome);
    std::string now = MomentText(clock_.Now());
    SqliteTransaction tx(store_->Db());
    // Every receiver element counts, whatever gaps its numbering has.
    for (pugi::xml_node r : doc.child("Root").children()) {
        if (r.type() != pugi::node_element)
            continue;
        std::string id = rt::Trim(r.attribute("ID").value());
        std::string msg = r.attribute("Msg").value();
        if (id.empty())
            continue;
        if (msg.size() > 0 && msg[0] == 'Y')
            store_->Db()
                .Prepare("INSERT INTO INBOX (USER_ID, CREATED, JOB_ID, RUN_NO, MESSAGE) VALUES (?, ?, ?, ?, ?)")
                .Bind(1, id)
                .Bind(2, now)
                .Bind(3, claim.jobId)
                .Bind(4, int64_t{claim.runNumber})
                .Bind(5, text)
                .Run();
        if (msg.size() > 1 && msg[1] == 'Y') {
            std::string mobile = rt::Trim(r.attribute("Mob").value());
            Queue(claim, "SMS", id, mobile.empty() ? UserField(id, 0) : mobile, "", text, "");
        }
        if (msg.size() > 2 && msg[2] == 'Y') {
            std::string mail = rt::Trim(r.attribute("Mail").value());
            Queue(claim, "MAIL", id, mail.empty() ? UserField(id, 1) : mail, text, outcome.htmlFile, outcome.csvFile);
        }
    }
    tx.Commit();
    DeliverDue();
}

std::string Notifier::Attempt(const Pending& d) {
    if (d.channel == "SMS")
        return SendSms(Setting("SMS Gateway"), d.address, d.body);
    MailMessage mail;
    mail.from = Setting("SMTP From");
    if (mail.from.empty())
        mail.from = "hemr07@localhost";
    mail.to = d.address;
    mail.subject = d.subject;
    mail.html = FileText(d.body);
    if (mail.html.empty())
        mail.html = "<html><body><p>" + HtmlEscaped(d.subject) + "</p></body></html>";
    if (!d.attachment.empty()) {
        mail.attachment = FileText(d.attachment);
        mail.attachmentName = d.attachment.substr(d.attachment.find_last_of('/') + 1);
    }
    return SendMail(Setting("SMTP Server"), mail);
}

int Notifier::DeliverDue() {
    rt::TDateTime now = clock_.Now();
    std::vector<Pending> due;
    {
        SqliteStatement q = store_->Db().Prepare(
            "SELECT ID, CHANNEL, ADDRESS, SUBJECT, BODY, ATTACHMENT, ATTEMPTS FROM DELIVERIES "
            "WHERE STATUS = 'PENDING' AND NEXT_TRY <= ? ORDER BY ID");
        q.Bind(1, MomentText(now));
        while (q.Step())
            due.push_back({q.Int(0), q.Text(1), q.Text(2), q.Text(3), q.Text(4), q.Text(5), static_cast<int>(q.Int(6))});
    }
    int sent = 0;
    for (const Pending& d : due) {
        std::string error = Attempt(d);
        int attempts = d.attempts + 1;
        // Waits of 1, 2, 4, 8 minutes between the attempts, then it gives up.
        std::string status = error.empty() ? "SENT" : attempts >= kMaxAttempts ? "FAILED" : "PENDING";
        rt::TDateTime next = now + std::pow(2.0, attempts - 1) / (24.0 * 60.0);
        SqliteStatement u = store_->Db().Prepare(
            "UPDATE DELIVERIES SET ATTEMPTS = ?, STATUS = ?, LAST_ERROR = ?, NEXT_TRY = ? WHERE ID = ?");
        u.Bind(1, int64_t{attempts}).Bind(2, status).Bind(3, error);
        if (status == "PENDING")
            u.Bind(4, MomentText(next));
        else
            u.BindNull(4);
        u.Bind(5, d.id).Run();
        sent += error.empty();
    }
    return sent;
}

std::vector<InboxRow> Notifier::ReadInbox(SqliteStatement& q) {
    std::vector<InboxRow> rows;
    while (q.Step())
        rows.push_back({q.Int(0), q.Text(1), q.Text(2), q.Text(3), q.Text(4), static_cast<int>(q.Int(5))});
    return rows;
}

std::vector<InboxRow> Notifier::Inbox(const std::string& user) {
    SqliteStatement q = store_->Db().Prepare(
        "SELECT ID, USER_ID, CREATED, JOB_ID, MESSAGE, RUN_NO FROM INBOX WHERE USER_ID = ? ORDER BY ID");
    q.Bind(1, user);
    return ReadInbox(q);
}

bool Notifier::DeleteInboxRow(int64_t id, const std::string& user) {
    store_->Db().Prepare("DELETE FROM INBOX WHERE ID = ? AND USER_ID = ?").Bind(1, id).Bind(2, user).Run();
    return store_->Db().Changes() > 0;
}

std::vector<InboxRow> Notifier::InboxSince(int64_t id) {
    SqliteStatement q = store_->Db().Prepare(
        "SELECT ID, USER_ID, CREATED, JOB_ID, MESSAGE, RUN_NO FROM INBOX WHERE ID > ? ORDER BY ID");
    q.Bind(1, id);
    return ReadInbox(q);
}

int64_t Notifier::LastInboxId() {
    SqliteStatement q = store_->Db().Prepare("SELECT IFNULL(MAX(ID), 0) FROM INBOX");
    return q.Step() ? q.Int(0) : 0;
}

std::vector<DeliveryRow> Notifier::Deliveries(const std::string& jobId) {
    SqliteStatement q = store_->Db().Prepare(
        "SELECT CHANNEL, RECEIVER, ADDRESS, STATUS, LAST_ERROR, IFNULL(NEXT_TRY, ''), ATTEMPTS FROM DELIVERIES "
        "WHERE JOB_ID = ? ORDER BY ID");
    q.Bind(1, jobId);
    std::vector<DeliveryRow> rows;
    while (q.Step())
        rows.push_back({q.Text(0), q.Text(1), q.Text(2), q.Text(3), q.Text(4), q.Text(5), static_cast<int>(q.Int(6))});
    return rows;
}

}  // namespace appserver
