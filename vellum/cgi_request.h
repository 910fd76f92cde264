#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace vellum {

// The largest request body the processor reads; a longer one is refused before any of it
// is read.
inline constexpr std::size_t kMaxBodyBytes = 1024 * 1024;

// What the web server tells a CGI program about one request (RFC 3875 meta-variables).
struct CgiRequest {
    std::string method;
    std::string pathInfo;
    std::string contentType;
    std::string contentLength;
    std::string referer;
    std::string remoteAddress;
    std::string remoteHost;
    std::string serverSoftware;
    std::string serverAdmin;
    std::string serverName;
};

using EnvironmentLookup = std::function<const char*(const char*)>;
CgiRequest requestFromEnvironment(const EnvironmentLookup& lookup);

// The script name a request asks for: PATH_INFO without its leading slash.
std::string requestedScriptName(const CgiRequest& request);

// The request body, read only when CONTENT_LENGTH is a plain decimal within the limit.
struct BodyRead {
    enum Outcome { Ok, TooLarge, Malformed } outcome = Ok;
    std::string body;
    std::string reason; // for the error log when not Ok
};
BodyRead readRequestBody(std::string_view contentLength, std::istream& in);

} // namespace vellum
