#include "outside/appserver/SmtpSink.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "platform/core/Exceptions.h"

namespace appserver {

namespace {

// Reads one CRLF-ended line; false when the peer went away.
bool ReadLine(int fd, std::string& buffer, std::string& line) {
    for (;;) {
        size_t end = buffer.find("\r\n");
        if (end != std::string::npos) {
            line = buffer.substr(0, end);
            buffer.erase(0, end + 2);
            return true;
        }
        char chunk[4096];
        ssize_t n = recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0)
            return false;
        buffer.append(chunk, static_cast<size_t>(n));
    }
}

void Say(int fd, const std::string& line) {
    std::string text = line + "\r\n";
    (void)!send(fd, text.data(), text.size(), MSG_NOSIGNAL);
}

// The address inside "MAIL FROM:<a@b>" or "RCPT TO:<a@b>".
std::string AddressOf(const std::string& line) {
    size_t open = line.find('<'), close = line.rfind('>');
    return open != std::string::npos && close != std::string::npos && close > open
               ? line.substr(open + 1, close - open - 1)
               : "";
}

bool Starts(const std::string& line, const char* verb) {
    size_t n = std::char_traits<char>::length(verb);
    if (line.size() < n)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (std::toupper(static_cast<unsigned char>(line[i])) != verb[i])
            return false;
    return true;
}

}  // namespace

SmtpSink::SmtpSink() {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 8) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        int error = errno;
        if (listener_ >= 0)
            close(listener_);
        throw rt::EOSError("Cannot start the SMTP sink", static_cast<uint32_t>(error));
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

SmtpSink::~SmtpSink() {
    shutdown(listener_, SHUT_RDWR);  // wakes the accept
    thread_.join();
    close(listener_);
}

std::vector<ReceivedMail> SmtpSink::Mails() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return mails_;
}

void SmtpSink::Serve() {
    for (;;) {
        int connection = accept(listener_, nullptr, nullptr);
        if (connection < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        Converse(connection);
        close(connection);
    }
}

void SmtpSink::Converse(int fd) {
    std::string buffer, line;
    ReceivedMail mail;
    Say(fd, "220 localhost sink ready");
    while (ReadLine(fd, buffer, line)) {
        if (Starts(line, "EHLO") || Starts(line, "HELO")) {
            Say(fd, "250 localhost");
        } else if (Starts(line, "MAIL FROM:")) {
            mail = ReceivedMail{AddressOf(line), {}, ""};
            Say(fd, "250 OK");
        } else if (Starts(line, "RCPT TO:")) {
            mail.to.push_back(AddressOf(line));
            Say(fd, "250 OK");
        } else if (Starts(line, "DATA")) {
            Say(fd, "354 End data with <CR><LF>.<CR><LF>");
            while (ReadLine(fd, buffer, line) && line != ".")
                mail.data += (line.rfind("..", 0) == 0 ? line.substr(1) : line) + "\r\n";
            {
                std::lock_guard<std::mutex> lock(mutex_);
                mails_.push_back(mail);
            }
            Say(fd, "250 OK queued");
        } else if (Starts(line, "QUIT")) {
            Say(fd, "221 Bye");
            return;
        } else if (Starts(line, "RSET") || Starts(line, "NOOP")) {
            Say(fd, "250 OK");
        } else {
            Say(fd, "502 Command not implemented");
        }
    }
}

}  // namespace appserver
