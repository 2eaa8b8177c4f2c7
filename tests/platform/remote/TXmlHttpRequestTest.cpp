// The XML-HTTP request object against a one-shot HTTP server on loopback:
// synchronous GET and POST, statuses, headers, and the failures that raise.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "platform/automation/ComObj.h"
#include "platform/core/Exceptions.h"
#include "platform/remote/TXmlHttpRequest.h"

namespace {

// Answers exactly one request with `reply` and keeps what it was sent; it
// gives up after a few seconds so that a failing test cannot hang.
class OneShotServer {
public:
    explicit OneShotServer(std::string reply) : reply_(std::move(reply)) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = 0;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(listener_, 1);
        socklen_t len = sizeof addr;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~OneShotServer() {
        thread_.join();
        ::close(listener_);
    }
    std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
    // What the client sent; complete once the request object has returned.
    const std::string& Request() const { return request_; }

private:
    void Serve() {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, 5000) <= 0) return;
        const int client = ::accept(listener_, nullptr, nullptr);
        if (client < 0) return;
        char buffer[4096];
        for (int rounds = 0; rounds < 100; ++rounds) {
            pollfd c{client, POLLIN, 0};
            if (::poll(&c, 1, 2000) <= 0) break;
            const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            request_.append(buffer, static_cast<size_t>(n));
            if (Complete()) break;
        }
        ::send(client, reply_.data(), reply_.size(), MSG_NOSIGNAL);
        ::close(client);
    }
    bool Complete() const {
        const size_t end = request_.find("\r\n\r\n");
        if (end == std::string::npos) return false;
        const size_t length = request_.find("Content-Length: ");
        if (length == std::string::npos || length > end) return true;
        return request_.size() >= end + 4 + std::stoul(request_.substr(length + 16));
    }

    std::string reply_;
    int listener_ = -1;
    int port_ = 0;
    std::thread thread_;
    std::string request_;
};

std::string Reply(const std::string& status, const std::string& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/html\r\nX-Report: ok\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

TEST(XmlHttpRequest, SynchronousGetThroughItsProgIdReturnsTheAnswer) {
    rt::RegisterXmlHttpRequest();
    OneShotServer server(Reply("200 OK", "<html>report</html>"));
    rt::Variant request = rt::CreateOleObject(rt::kXmlHttpProgId);
    EXPECT_EQ(request.Get("readyState").ToInt(), 0);
    const std::string url = server.Url("/Server/ReportView.aspx?UserID=796&IsPageBreak='N'");
    request.Call("open", {rt::Variant("Get"), rt::Variant(url), rt::Variant(false)});
    EXPECT_EQ(request.Get("readyState").ToInt(), 1);
    request.Call("send");
    EXPECT_EQ(request.Get("readyState").ToInt(), 4) << "done when send returns";
    EXPECT_EQ(request.Get("status").ToInt(), 200);
    EXPECT_EQ(rt::VarToStr(request.Get("statusText")), "OK");
    EXPECT_EQ(rt::VarToStr(request.Get("responseText")), "<html>report</html>");
    EXPECT_EQ(rt::VarToStr(request.Call("getResponseHeader", {rt::Variant("x-report")})), "ok");
    EXPECT_EQ(server.Request().rfind("GET /Server/ReportView.aspx?UserID=796&IsPageBreak='N' HTTP/1.1\r\n", 0), 0u)
        << "the method is upper-cased and the address sent as given: " << server.Request();
}

TEST(XmlHttpRequest, ErrorStatusCompletesTheRequest) {
    OneShotServer server(Reply("404 Not Found", "missing"));
    rt::TXmlHttpRequest request;
    request.Open("GET", server.Url("/nothing"), false);
    EXPECT_NO_THROW(request.Send()) << "an answer is no transport failure";
    EXPECT_EQ(request.Status(), 404);
    EXPECT_EQ(request.StatusText(), "Not Found");
    EXPECT_EQ(request.ResponseText(), "missing");
}

TEST(XmlHttpRequest, PostSendsTheBodyAndTheHeaders) {
    OneShotServer server(Reply("200 OK", "stored"));
    rt::TXmlHttpRequest request;
    request.Open("post", server.Url("/save"), false);
    request.SetRequestHeader("Content-Type", "text/xml");
    request.Send("<Root/>");
    EXPECT_EQ(request.Status(), 200);
    const std::string& sent = server.Request();
    EXPECT_EQ(sent.rfind("POST /save HTTP/1.1\r\n", 0), 0u) << sent;
    EXPECT_NE(sent.find("Content-Type: text/xml\r\n"), std::string::npos) << sent;
    EXPECT_EQ(sent.substr(sent.size() - 7), "<Root/>");
}

TEST(XmlHttpRequest, UnreachableAddressRaisesAndLeavesNoAnswer) {
    // Port 1 on loopback has no listener.
    rt::TXmlHttpRequest request;
    request.Open("GET", "http://127.0.0.1:1/x", false);
    EXPECT_THROW(request.Send(), rt::EOleException);
    EXPECT_EQ(request.ReadyState(), 0);
    EXPECT_EQ(request.Status(), 0);
    EXPECT_THROW(request.Send(), rt::EOleException) << "a failed request must be opened again";
}

TEST(XmlHttpRequest, MisuseIsRefused) {
    rt::TXmlHttpRequest request;
    EXPECT_THROW(request.Send(), rt::EOleException) << "send before open";
    EXPECT_THROW(request.Open("GET", "http://127.0.0.1:1/", true), rt::EOleException) << "asynchronous";
    EXPECT_EQ(request.ReadyState(), 0) << "a refused open opens nothing";
    EXPECT_THROW(request.Open("GET", " ", false), rt::EOleException);
    request.Open("GET", "http://127.0.0.1:1/", false);
    EXPECT_THROW(request.SetRequestHeader("Bad\r\nName", "x"), rt::EOleException);
    EXPECT_THROW(request.SetRequestHeader("X-Ok", "a\r\nInjected: 1"), rt::EOleException);
    EXPECT_THROW(request.Open("GET", "file:///etc/hostname", false), rt::EOleException)
        << "only web addresses are fetched";
}

}  // namespace
