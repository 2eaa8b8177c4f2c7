#include "outside/appserver/Deliveries.h"

#include <curl/curl.h>

#include <cstring>
#include <memory>

#include <nlohmann/json.hpp>

#include "platform/remote/CurlSession.h"

namespace appserver {

namespace {

std::string Base64(const std::string& bytes) {
    static const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) | (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                     static_cast<unsigned char>(bytes[i + 2]);
        out += {digits[v >> 18], digits[(v >> 12) & 63], digits[(v >> 6) & 63], digits[v & 63]};
    }
    if (i < bytes.size()) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += {digits[v >> 18], digits[(v >> 12) & 63], i + 1 < bytes.size() ? digits[(v >> 6) & 63] : '=', '='};
    }
    return out;
}

// Base64 in lines of 76 characters, as mail bodies want it.
std::string Base64Lines(const std::string& bytes) {
    std::string encoded = Base64(bytes), out;
    for (size_t i = 0; i < encoded.size(); i += 76)
        out += encoded.substr(i, 76) + "\r\n";
    return out;
}

std::string Encoded(const std::string& text) { return "=?UTF-8?B?" + Base64(text) + "?="; }

struct Upload {
    std::string data;
    size_t at = 0;
};

size_t ReadUpload(char* buffer, size_t size, size_t count, void* source) {
    auto* upload = static_cast<Upload*>(source);
    size_t n = std::min(size * count, upload->data.size() - upload->at);
    std::memcpy(buffer, upload->data.data() + upload->at, n);
    upload->at += n;
    return n;
}

using CurlHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

CurlHandle NewHandle() {
    rt::CurlGlobalInit();
    CurlHandle curl(curl_easy_init(), curl_easy_cleanup);
    if (curl) {
        curl_easy_setopt(curl.get(), CURLOPT_CONNECTTIMEOUT, 10L);
        curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT, 60L);
        curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl.get(), CURLOPT_NOPROXY, "*");
    }
    return curl;
}

}  // namespace

std::string MailText(const MailMessage& mail) {
    const std::string boundary = "=_hemr_report_part";
    std::string text = "From: <" + mail.from + ">\r\nTo: <" + mail.to + ">\r\nSubject: " + Encoded(mail.subject) +
                       "\r\nMIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"" + boundary + "\"\r\n\r\n";
    text += "--" + boundary + "\r\nContent-Type: text/html; charset=UTF-8\r\nContent-Transfer-Encoding: base64\r\n\r\n" +
            Base64Lines(mail.html);
    if (!mail.attachmentName.empty())
        text += "--" + boundary + "\r\nContent-Type: text/csv; charset=UTF-8; name=\"" + mail.attachmentName +
                "\"\r\nContent-Disposition: attachment; filename=\"" + mail.attachmentName +
                "\"\r\nContent-Transfer-Encoding: base64\r\n\r\n" + Base64Lines(mail.attachment);
    return text + "--" + boundary + "--\r\n";
}

std::string SendMail(const std::string& server, const MailMessage& mail) {
    if (server.empty())
        return "没有设定邮件服务器";
    if (mail.to.empty())
        return "收件人没有邮箱地址";
    CurlHandle curl = NewHandle();
    if (!curl)
        return "无法启动邮件传送";
    Upload upload{MailText(mail)};
    curl_slist* recipients = curl_slist_append(nullptr, ("<" + mail.to + ">").c_str());
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> list(recipients, curl_slist_free_all);
    curl_easy_setopt(curl.get(), CURLOPT_URL, server.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_MAIL_FROM, ("<" + mail.from + ">").c_str());
    curl_easy_setopt(curl.get(), CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(curl.get(), CURLOPT_READFUNCTION, ReadUpload);
    curl_easy_setopt(curl.get(), CURLOPT_READDATA, &upload);
    curl_easy_setopt(curl.get(), CURLOPT_UPLOAD, 1L);
    CURLcode rc = curl_easy_perform(curl.get());
    return rc == CURLE_OK ? "" : std::string("邮件传送失败: ") + curl_easy_strerror(rc);
}

std::string SendSms(const std::string& gateway, const std::string& number, const std::string& text) {
    if (gateway.empty())
        return "没有设定短信网关";
    if (number.empty())
        return "收件人没有手机号码";
    CurlHandle curl = NewHandle();
    if (!curl)
        return "无法启动短信传送";
    std::string payload = nlohmann::json{{"to", number}, {"text", text}}.dump();
    std::string answer;
    curl_slist* headers = curl_slist_append(nullptr, "Content-Type: application/json");
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> list(headers, curl_slist_free_all);
    curl_easy_setopt(curl.get(), CURLOPT_URL, gateway.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_POSTFIELDS, payload.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(payload.size()));
    curl_easy_setopt(curl.get(), CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, rt::CurlAppendToString);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &answer);
    CURLcode rc = curl_easy_perform(curl.get());
    if (rc != CURLE_OK)
        return std::string("短信传送失败: ") + curl_easy_strerror(rc);
    long status = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
    return status / 100 == 2 ? "" : "短信网关回应 " + std::to_string(status);
}

}  // namespace appserver
