#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace vellum {

// The processor's two logs in the program directory, which the panel's Mail Log and Error
// Log show: error.log for refusals and failures, vellsmtp.log for every message sent or
// failed. Each line is date and time, then tab-separated parts, ended by CR LF; every part
// is made one line (control characters become blanks) and cut to a sane length, so nothing
// a request carries can forge a line. Lines are appended under a lock, whole.
class ProcessorLogs {
public:
    explicit ProcessorLogs(std::string home);

    void error(std::chrono::system_clock::time_point when, std::string_view script,
               std::string_view remoteAddress, std::string_view reason) const;
    void mail(std::chrono::system_clock::time_point when, std::string_view script,
              std::string_view message, std::string_view recipients,
              std::string_view outcome) const;

    const std::string& errorLogPath() const { return errorLog_; }
    const std::string& mailLogPath() const { return mailLog_; }

private:
    std::string errorLog_;
    std::string mailLog_;
};

// "2026-12-08 08:15:42" in local time.
std::string logTimestamp(std::chrono::system_clock::time_point when);
// A part of a log line: one line, at most maxBytes.
std::string logPart(std::string_view text, std::size_t maxBytes = 500);

} // namespace vellum
