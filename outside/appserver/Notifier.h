#pragma once
// Telling a job's receivers that a run has finished. The receiver document
// (environment item 12: a Root element with one element per receiver, its
// Msg three letters Y/N for system message, SMS, e-mail) decides who hears
// of it and how. A system message is a row of the inbox; mails and SMS are
// queued as deliveries and sent at once, a failed one again later with a
// growing pause, every attempt recorded. A delivery never changes the run.

#include <string>
#include <vector>

#include "outside/appserver/JobClock.h"
#include "outside/appserver/RunStore.h"
#include "outside/appserver/ServerStore.h"

namespace appserver {

struct RunOutcome {
    std::string status, error, runDate;
    std::string textFile, csvFile, htmlFile;  // "" when the run wrote none
    rt::Variant values;                       // the values array the run received
};

struct InboxRow {
    int64_t id = 0;
    std::string user, created, jobId, message;
    int runNumber = 0;
};

struct DeliveryRow {
    std::string channel, receiver, address, status, lastError, nextTry;
    int attempts = 0;
};

class Notifier {
public:
    static constexpr int kMaxAttempts = 5;

    Notifier(StorePtr store, const JobClock& clock) : store_(std::move(store)), clock_(clock) {}

    void Notify(const RunClaim& claim, const RunOutcome& outcome);
    // Sends the pending deliveries that are due; answers how many went out.
    int DeliverDue();

    std::vector<InboxRow> Inbox(const std::string& user);
    // Removes message `id` of `user`; false when that user has no such message.
    bool DeleteInboxRow(int64_t id, const std::string& user);
    // Every user's messages after the one numbered `id`, and the last number.
    std::vector<InboxRow> InboxSince(int64_t id);
    int64_t LastInboxId();
    std::vector<DeliveryRow> Deliveries(const std::string& jobId);

    // The message every channel carries for a run.
    std::string MessageText(const RunClaim& claim, const RunOutcome& outcome);

private:
    struct Pending {
        int64_t id;
        std::string channel, address, subject, body, attachment;
        int attempts;
    };
    std::string Setting(const std::string& name);
    std::string UserField(const std::string& user, int column);
    std::string Attempt(const Pending& delivery);
    std::vector<InboxRow> ReadInbox(SqliteStatement& q);
    void Queue(const RunClaim& claim, const std::string& channel, const std::string& receiver,
               const std::string& address, const std::string& subject, const std::string& body,
               const std::string& attachment);

    StorePtr store_;
    const JobClock& clock_;
};

}  // namespace appserver
