#include "cgi_request.h"

#include <istream>

namespace vellum {

namespace {

std::string lookupText(const EnvironmentLookup& lookup, const char* name) {
    const char* value = lookup(name);
    return value ? std::string(value) : std::string();
}

} // namespace

CgiRequest requestFromEnvironment(const EnvironmentLookup& lookup) {
    CgiRequest r;
    r.method = lookupText(lookup, "REQUEST_METHOD");
    r.pathInfo = lookupText(lookup, "PATH_INFO");
    r.contentType = lookupText(lookup, "CONTENT_TYPE");
    r.contentLength = lookupText(lookup, "CONTENT_LENGTH");
    r.referer = lookupText(lookup, "HTTP_REFERER");
    r.remoteAddress = lookupText(lookup, "REMOTE_ADDR");
    r.remoteHost = lookupText(lookup, "REMOTE_HOST");
    r.serverSoftware = lookupText(lookup, "SERVER_SOFTWARE");
    r.serverAdmin = lookupText(lookup, "SERVER_ADMIN");
    r.serverName = lookupText(lookup, "SERVER_NAME");
    return r;
}

std::string requestedScriptName(const CgiRequest& request) {
    std::string_view name = request.pathInfo;
    if (!name.empty() && name.front() == '/')
        name.remove_prefix(1);
    return std::string(name);
}

BodyRead readRequestBody(std::string_view contentLength, std::istream& in) {
    BodyRead read;
    if (contentLength.empty())
        return read; // no body at all
    std::size_t length = 0;
    for (char c : contentLength) {
        if (c < '0' || c > '9') {
            read.outcome = BodyRead::Malformed;
            read.reason = "Content-Length is not a number";
            return read;
        }
        length = length * 10 + static_cast<std::size_t>(c - '0');
        if (length > kMaxBodyBytes) {
            read.outcome = BodyRead::TooLarge;
            read.reason = "Request body larger than 1 MiB";
            return read;
        }
    }
    read.body.resize(length);
    in.read(read.body.data(), static_cast<std::streamsize>(length));
    if (static_cast<std::size_t>(in.gcount()) != length) {
        read.outcome = BodyRead::Malformed;
        read.reason = "Request body shorter than its Content-Length";
        read.body.clear();
    }
    return read;
}

} // namespace vellum
