#pragma once
// A loopback SMTP server that accepts every mail and keeps it: the receiving
// end of the server's notification mails in tests and in the demo. It speaks
// just enough SMTP for a well-behaved client (HELO/EHLO, MAIL, RCPT, DATA,
// RSET, NOOP, QUIT), one connection after the other.

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace appserver {

struct ReceivedMail {
    std::string from;
    std::vector<std::string> to;
    std::string data;  // headers and body, dot-stuffing undone
};

class SmtpSink {
public:
    // Listens on 127.0.0.1 at a free port; raises rt::EOSError when it cannot.
    SmtpSink();
    ~SmtpSink();
    SmtpSink(const SmtpSink&) = delete;
    SmtpSink& operator=(const SmtpSink&) = delete;

    int Port() const { return port_; }
    std::string Address() const { return "smtp://127.0.0.1:" + std::to_string(port_); }
    std::vector<ReceivedMail> Mails() const;

private:
    void Serve();
    void Converse(int connection);

    int listener_ = -1;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::vector<ReceivedMail> mails_;
    std::thread thread_;
};

}  // namespace appserver
