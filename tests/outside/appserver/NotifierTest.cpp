// Notifying a finished run's receivers on each channel they asked for, with
// the loopback SMTP sink and SMS gateway stand-in at the other end.

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "outside/appserver/Notifier.h"
#include "outside/appserver/SmsGatewayStub.h"
#include "outside/appserver/SmtpSink.h"
#include "tests/outside/appserver/RunnerFixture.h"

using outside_test::At;

namespace {

// A loopback port nobody listens on.
int ClosedPort() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

const char* kThreeReceivers =
    R"(<?xml version="1.0" encoding="GB2312"?><Root>)"
    R"(<R1 ID="DS" Name="系统管理员" Type="1" Msg="YYY"/>)"
    R"(<R2 ID="U001" Name="张伟" Mob="13900000001" Mail="wei@example.org" Type="1" Msg="YYY"/>)"
    R"(<R4 ID="U002" Name="李娜" Type="1" Msg="YYY"/></Root>)";

class NotifierTest : public outside_test::RunnerFixture {
protected:
    std::vector<appserver::DeliveryRow> Deliveries(const std::string& id) {
        return appserver::Notifier(store_, clock_).Deliveries(id);
    }
};

TEST_F(NotifierTest, ThreeReceiversOnAllChannelsGetAMessageAMailWithTheCsvAndAnSms) {
    appserver::SmtpSink smtp;
    appserver::SmsGatewayStub sms;
    SetSetting("SMTP Server", smtp.Address());
    SetSetting("SMS Gateway", sms.Address());
    rt::TDateTime t0 = At(2024, 7, 1, 9, 0);
    std::string id = Submit(outside_test::Hemr07Job(1, t0, kThreeReceivers), t0);
    ASSERT_EQ(RunAt(t0), 1);
    appserver::Notifier notifier(store_, clock_);
    for (const char* user : {"DS", "U001", "U002"}) {
        std::vector<appserver::InboxRow> inbox = notifier.Inbox(user);
        ASSERT_EQ(inbox.size(), 1u) << user;
        EXPECT_NE(inbox[0].message.find(id), std::string::npos) << "the message names the job";
        EXPECT_NE(inbox[0].message.find("员工年龄分布表"), std::string::npos) << "and the report";
        EXPECT_NE(inbox[0].message.find("DONE"), std::string::npos) << "and the run's status";
        EXPECT_NE(inbox[0].message.find(id + ".html"), std::string::npos) << "and where the report is";
    }
    std::vector<appserver::ReceivedMail> mails = smtp.Mails();
    ASSERT_EQ(mails.size(), 3u);
    EXPECT_EQ(mails[0].to, std::vector<std::string>{"admin@example.com"}) << "no Mail attribute: the user table's";
    EXPECT_EQ(mails[1].to, std::vector<std::string>{"wei@example.org"}) << "the document's address first";
    for (const appserver::ReceivedMail& mail : mails) {
        EXPECT_NE(mail.data.find("Content-Type: text/html"), std::string::npos) << "the report page is the body";
        EXPECT_NE(mail.data.find("filename=\"" + id + ".csv\""), std::string::npos) << "the CSV is attached";
    }
    std::vector<appserver::ReceivedSms> texts = sms.Messages();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].to, "13800000000");
    EXPECT_EQ(texts[1].to, "13900000001");
    EXPECT_NE(texts[2].text.find(id), std::string::npos);
    for (const appserver::DeliveryRow& d : Deliveries(id))
        EXPECT_EQ(d.status, "SENT") << d.channel << " to " << d.receiver << ": " << d.lastError;
}

TEST_F(NotifierTest, ARefusedMailIsRetriedWithBackOffAndTheRunStaysDone) {
    SetSetting("SMTP Server", "smtp://127.0.0.1:" + std::to_string(ClosedPort()));
    const char* mailOnly = R"(<?xml version="1.0" encoding="GB2312"?><Root><R1 ID="DS" Name="" Msg="NNY"/></Root>)";
    rt::TDateTime t0 = At(2024, 7, 1, 9, 0);
    std::string id = Submit(outside_test::Hemr07Job(1, t0, mailOnly), t0);
    ASSERT_EQ(RunAt(t0), 1);
    EXPECT_EQ(Runs(id)[0].status, "DONE") << "a failed delivery never fails the run";
    std::vector<appserver::DeliveryRow> rows = Deliveries(id);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].attempts, 1);
    EXPECT_EQ(rows[0].status, "PENDING");
    EXPECT_NE(rows[0].lastError, "") << "the refusal is recorded";
    RunAt(At(2024, 7, 1, 9, 0) + 30.0 / 86400);
    EXPECT_EQ(Deliveries(id)[0].attempts, 1) << "not again before the pause is over";
    RunAt(At(2024, 7, 1, 9, 1));
    EXPECT_EQ(Deliveries(id)[0].attempts, 2) << "retried after a minute";
    RunAt(At(2024, 7, 1, 9, 3));
    RunAt(At(2024, 7, 1, 9, 7));
    RunAt(At(2024, 7, 1, 9, 15));
    rows = Deliveries(id);
    EXPECT_EQ(rows[0].attempts, appserver::Notifier::kMaxAttempts);
    EXPECT_EQ(rows[0].status, "FAILED") << "given up after the last attempt, and recorded";
}

}  // namespace
