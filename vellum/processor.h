#pragma once

#include "cgi_request.h"
#include "cgi_response.h"
#include "mail_transport.h"

#include <chrono>
#include <iosfwd>
#include <string>

namespace vellum {

// Everything one run of the processor depends on, so that tests can drive it in process.
struct ProcessorContext {
    std::string home; // the directory of vellum.ini and the logs
    CgiRequest request;
    std::istream* body = nullptr;
    std::chrono::system_clock::time_point now;
    MailTransport* mail = nullptr;
};

// Runs one request: GET answers with the script's form; POST refuses what must be refused
// (before anything is written), saves the entry, answers the visitor and then mails, so a
// mail failure never loses a submission. Never throws: an unexpected failure is a 500 page
// and a line in error.log.
CgiResponse processRequest(const ProcessorContext& context);

// The program directory: VELLUM_HOME when it is set, else the executable's directory.
std::string processorHome(const char* vellumHome);

} // namespace vellum
