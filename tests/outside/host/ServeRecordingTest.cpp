// What the served page records and how it shares the forms: answers land
// where a replay needs them, typing joins, one page holds the forms at a time.

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "outside/host/serve/PageChannel.h"
#include "outside/host/serve/StepRecorder.h"

namespace {

using host::serve::PageChannel;
using host::serve::StepRecorder;
using nlohmann::json;
using namespace std::chrono_literals;

TEST(StepRecorder, AnswersGoBeforeTheStepThatBroughtUpTheDialogAndTypingJoinsUpToThem) {
    StepRecorder recorder;
    recorder.Begin({{"type", "2"}});
    recorder.Begin({{"type", "5"}});
    recorder.Begin({{"key", "Tab"}});
    recorder.Answer("OK");
    recorder.Answer("No");
    recorder.Begin({{"type", "3"}});
    recorder.Answer("Yes");
    recorder.Begin({{"type", "0"}});
    const json expected = json::parse(R"([{"type": "25"}, {"answer": "OK"}, {"answer": "No"}, {"key": "Tab"},
        {"answer": "Yes"}, {"type": "3"}, {"type": "0"}])");
    EXPECT_EQ(recorder.Scenario()["steps"], expected)
        << "a replay queues each answer before the step whose dialog takes it; typing after an answer starts anew";
}

TEST(PageChannel, OnePageHoldsTheFormsUntilItLetsGoOrStopsAsking) {
    PageChannel channel(300ms);
    channel.Publish({{"windows", json::array()}}, json::object());
    EXPECT_TRUE(channel.WaitState("page-aaaa-1", 0, 0ms)["holding"]) << "the first page to ask holds the forms";
    EXPECT_FALSE(channel.WaitState("page-bbbb-2", 0, 0ms)["holding"]) << "a second page only watches";
    EXPECT_EQ(channel.Submit("page-bbbb-2", {{"key", "Tab"}}, 0ms).Error, "another page is using the form");

    channel.Release("page-aaaa-1");
    EXPECT_TRUE(channel.WaitState("page-bbbb-2", 0, 0ms)["holding"]) << "a page that lets go frees the forms";

    std::this_thread::sleep_for(400ms);
    EXPECT_TRUE(channel.WaitState("page-aaaa-1", 0, 0ms)["holding"]) << "a page that stopped asking lost its hold";
}

TEST(PageChannel, ASubmittedEventIsAnsweredWithTheStateAfterItOrWithWhyItWasRefused) {
    PageChannel channel;
    std::thread forms([&channel] {
        std::optional<host::serve::PageEvent> first = channel.Take();
        channel.Publish({{"typed", first->Event["type"]}}, json::object());
        std::optional<host::serve::PageEvent> second = channel.Take();
        channel.Refuse(second->Seq, "no form is open");
    });
    const PageChannel::Outcome taken = channel.Submit("page-aaaa-1", {{"type", "7"}}, 5s);
    EXPECT_EQ(taken.Error, "");
    EXPECT_EQ(taken.State["typed"], "7") << "the answer shows the forms after the event";
    const PageChannel::Outcome refused = channel.Submit("page-aaaa-1", {{"key", "Tab"}}, 5s);
    EXPECT_EQ(refused.Error, "no form is open");
    EXPECT_EQ(refused.State["version"], taken.State["version"]) << "a refused event changed nothing";
    forms.join();
    channel.Close();
    EXPECT_FALSE(channel.Take().has_value()) << "a closed channel gives no more events";
}

}  // namespace
