#pragma once
// Sending one notification out of the server: an e-mail by SMTP and a short
// message to an HTTP SMS gateway, both through libcurl. Each answers "" when
// the message went out, else why it did not.

#include <string>
#include <vector>

namespace appserver {

struct MailMessage {
    std::string from, to, subject, html;
    std::string attachmentName, attachment;  // no attachment when the name is empty
};

// The whole message as it goes over the wire (headers, HTML body, the CSV
// attached), lines ended by CRLF.
std::string MailText(const MailMessage& mail);

// `server` is an address such as "smtp://127.0.0.1:2525".
std::string SendMail(const std::string& server, const MailMessage& mail);

// Posts {"to": number, "text": text} as JSON to the gateway address; any
// answer other than 2xx is a failure.
std::string SendSms(const std::string& gateway, const std::string& number, const std::string& text);

}  // namespace appserver
