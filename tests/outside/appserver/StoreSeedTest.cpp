// First start of a server folder: the database is created and seeded once.

#include <gtest/gtest.h>

#include "outside/appserver/ServerStore.h"
#include "outside/appserver/SessionManager.h"
#include "tests/outside/appserver/TestHome.h"

namespace {

int Count(appserver::ServerStore& store, const std::string& table) {
    appserver::SqliteStatement q = store.Db().Prepare("SELECT COUNT(*) FROM " + table);
    return q.Step() ? static_cast<int>(q.Int(0)) : -1;
}

TEST(StoreSeed, TheFirstStartSeedsAndASecondStartAddsNothing) {
    outside_test::TestHome home;
    auto first = appserver::ServerStore::Open(home.Path() + "/new/folder");
    EXPECT_TRUE(first->SeededNow()) << "a missing folder is created and seeded";
    int messages = Count(*first, "MESSAGES");
    int employees = Count(*first, "EMPLOYEE");
    EXPECT_GT(messages, 20);
    EXPECT_EQ(employees, 96) << "the demo staff of the age report";

    auto second = appserver::ServerStore::Open(home.Path() + "/new/folder");
    EXPECT_FALSE(second->SeededNow()) << "the marker stops a second seeding";
    EXPECT_EQ(Count(*second, "MESSAGES"), messages);
    EXPECT_EQ(Count(*second, "EMPLOYEE"), employees);
}

TEST(StoreSeed, EveryMessageTheFormsShowHasACatalogueText) {
    outside_test::TestHome home;
    appserver::SessionManager session(appserver::ServerStore::Open(home.Path()));
    const char* codes[] = {"E;000001", "E;000005", "E;000006", "E;000013", "E;000015", "E;000016", "E;000030",
                           "E;000036", "E;000037", "E;000038", "E;100006", "E;100082", "I;000003", "I;000004",
                           "I;000005", "I;000008", "I;000009", "I;000010", "I;000011", "W;000002", "W;000003",
                           "W;000004", "W;000014", "R;100235", "R;100236", "R;200235"};
    for (const char* code : codes) {
        std::string text = session.GetMessage(std::string(code, 1), code + 2);
        EXPECT_EQ(text.find("未定义"), std::string::npos) << code << " has a text";
    }
    EXPECT_NE(session.GetMessage("E", "999999").find("[E;999999]"), std::string::npos) << "unknown codes name themselves";
    EXPECT_EQ(session.GetMessage("e", "1"), session.GetMessage("E", "000001")) << "short numbers are padded";
}

size_t Placeholders(const std::string& text) {
    size_t n = 0;
    for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) ++n;
    return n;
}

TEST(StoreSeed, AnEnglishSessionGetsEnglishTextsWithTheSamePlaceholders) {
    outside_test::TestHome home;
    appserver::StorePtr store = appserver::ServerStore::Open(home.Path());
    appserver::SessionManager chinese(store), english(store);
    english.SetLanguage(" eng ");
    appserver::SqliteStatement q = store->Db().Prepare("SELECT MSGTYPE, MSGNO FROM MESSAGES");
    while (q.Step()) {
        const std::string zh = chinese.GetMessage(q.Text(0), q.Text(1)), en = english.GetMessage(q.Text(0), q.Text(1));
        EXPECT_NE(en, zh) << q.Text(0) << ";" << q.Text(1) << " has an English text";
        EXPECT_EQ(Placeholders(en), Placeholders(zh)) << en;
    }
    EXPECT_EQ(english.GetMessage("E", "999999"), "Undefined message [E;999999]");

    // A catalogue seeded before the English texts gets them on the next start.
    store->Db().Exec("UPDATE MESSAGES SET MSGTEXT_EN = ''; UPDATE SEEDINFO SET VALUE = '2' WHERE NAME = 'seeded'");
    appserver::SessionManager reopened(appserver::ServerStore::Open(home.Path()));
    reopened.SetLanguage("ENG");
    EXPECT_EQ(reopened.GetMessage("E", "100006"), "%s may not be negative!");
    EXPECT_EQ(Count(*store, "MESSAGES"), Count(*store, "MESSAGES WHERE MSGTEXT_EN <> ''")) << "no message is left out";
}

TEST(StoreSeed, MessageTextsHavePlaceholdersForTheArgumentsTheirCallersPass) {
    outside_test::TestHome home;
    appserver::SessionManager session(appserver::ServerStore::Open(home.Path()));
    EXPECT_NE(session.GetMessage("I", "000004").find("%s"), std::string::npos) << "the job identifier";
    EXPECT_NE(session.GetMessage("E", "000013").find("%s"), std::string::npos) << "the server's reason";
    std::string twoCaptions = session.GetMessage("E", "100082");
    EXPECT_NE(twoCaptions.find("%s"), twoCaptions.rfind("%s")) << "two captions";
    EXPECT_NE(session.GetMessage("W", "000003").find("%d"), std::string::npos) << "counts are numbers";
    EXPECT_EQ(session.GetMessage("R", "200235").find('%'), std::string::npos) << "shown without arguments";
}

}  // namespace
