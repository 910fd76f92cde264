#include "cgi_response.h"

#include "template_filler.h"

namespace vellum {

namespace {

std::string headerSafe(std::string_view value) {
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

} // namespace

std::string CgiResponse::header(std::string_view name) const {
    for (const auto& [key, value] : headers)
        if (key == name)
            return value;
    return {};
}

std::string_view reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 413:
        return "Content Too Large";
    case 500:
        return "Internal Server Error";
    default:
        return "Error";
    }
}

CgiResponse errorPage(int status, std::string_view sentence) {
    CgiResponse response;
    response.status = status;
    response.headers.emplace_back("Content-Type", "text/html");
    const std::string title = std::to_string(status) + " " + std::string(reasonPhrase(status));
    response.body = "<!DOCTYPE html>\r\n<html>\r\n<head><title>" + title +
                    "</title></head>\r\n<body>\r\n<h1>" + title + "</h1>\r\n<p>" +
                    escapeHtml(sentence) + "</p>\r\n</body>\r\n</html>\r\n";
    return response;
}

std::string cgiOutput(const CgiResponse& response) {
    std::string out = "Status: " + std::to_string(response.status) + " " +
                      std::string(reasonPhrase(response.status)) + "\r\n";
    for (const auto& [name, value] : response.headers)
        out += headerSafe(name) + ": " + headerSafe(value) + "\r\n";
    out += "\r\n";
    out += response.body;
    return out;
}

} // namespace vellum
