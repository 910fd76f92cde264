#include "mail_transport.h"

#include <curl/curl.h>

#include <cstring>
#include <memory>
#include <mutex>

namespace vellum {

namespace {

struct Upload {
    const std::string* bytes;
    std::size_t offset = 0;
};

std::size_t readUpload(char* buffer, std::size_t size, std::size_t count, void* data) {
    auto* upload = static_cast<Upload*>(data);
    const std::size_t room = size * count;
    const std::size_t left = upload->bytes->size() - upload->offset;
    const std::size_t n = left < room ? left : room;
    std::memcpy(buffer, upload->bytes->data() + upload->offset, n);
    upload->offset += n;
    return n;
}

bool plainHost(const std::string& host) {
    if (host.empty())
        return false;
    for (char c : host) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '.' || c == '-' || c == ':' || c == '[' ||
                        c == ']';
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

std::string smtpUrl(const std::string& server, const std::string& heloDomain) {
    std::string host = server;
    while (!host.empty() && (host.front() == ' ' || host.front() == '\t'))
        host.erase(host.begin());
    while (!host.empty() && (host.back() == ' ' || host.back() == '\t'))
        host.pop_back();
    std::string port = "25";
    if (!host.empty() && host.front() == '[') {
        const std::size_t bracket = host.find(']');
        if (bracket == std::string::npos)
            return {};
        const std::string after = host.substr(bracket + 1);
        if (!after.empty()) {
            if (after.front() != ':')
                return {};
            port = after.substr(1);
        }
        host = host.substr(0, bracket + 1);
    } else if (const std::size_t colon = host.find(':'); colon != std::string::npos) {
        port = host.substr(colon + 1);
        host = host.substr(0, colon);
        if (host.find(':') != std::string::npos)
            return {};
    }
    if (!plainHost(host) || port.empty() || port.size() > 5 ||
        port.find_first_not_of("0123456789") != std::string::npos)
        return {};
    return "smtp://" + host + ":" + port + "/" + heloDomain;
}

SendResult SmtpTransport::send(const OutgoingMail& mail) {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    SendResult result;
    const std::string url = smtpUrl(mail.server, mail.heloDomain);
    if (url.empty()) {
        result.error = "MailServer \"" + mail.server + "\" is not host or host:port";
        return result;
    }
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) {
        result.error = "the mail library could not start";
        return result;
    }
    curl_slist* recipients = nullptr;
    for (const std::string& to : mail.recipients)
        recipients = curl_slist_append(recipients, ("<" + to + ">").c_str());
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> held(recipients,
                                                                     curl_slist_free_all);
    const std::string from = "<" + mail.envelopeFrom + ">";
    Upload upload{&mail.message};
    char error[CURL_ERROR_SIZE] = {};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
#if LIBCURL_VERSION_NUM >= 0x075500
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp");
#endif
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.c_str());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readUpload);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, 60L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    const CURLcode code = curl_easy_perform(c);
    result.ok = code == CURLE_OK;
    if (!result.ok)
        result.error = error[0] ? std::string(error) : std::string(curl_easy_strerror(code));
    return result;
}

} // namespace vellum
