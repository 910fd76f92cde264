#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellum {

// What the processor answers: a status, headers and a body, written out as a CGI response.
struct CgiResponse {
    int status = 200;
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;

    // The value of a header, empty when it is not there (for tests and logs).
    std::string header(std::string_view name) const;
};

// A short HTML page for a refusal or a failure: the status, the title and one sentence.
CgiResponse errorPage(int status, std::string_view sentence);

// The response as the web server reads it from the program's output: a Status line, the
// headers (CR and LF in a value become blanks, so no value can add a header), an empty line
// and the body.
std::string cgiOutput(const CgiResponse& response);

std::string_view reasonPhrase(int status);

} // namespace vellum
