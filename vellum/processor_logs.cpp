#include "processor_logs.h"

#include "platform/locked_file.h"
#include "platform/paths.h"
#include "vmcntrl/config/processor_contract.h"

#include <array>
#include <ctime>
#include <initializer_list>

namespace vellum {

namespace {

void append(const std::string& path, std::chrono::system_clock::time_point when,
            std::initializer_list<std::string_view> parts) {
    std::string line = logTimestamp(when);
    for (std::string_view part : parts) {
        line += '\t';
        line += logPart(part);
    }
    line += "\r\n";
    // A log that cannot be written must not turn a good submission into a failure.
    (void)platform::appendLocked(path, line);
}

} // namespace

std::string logTimestamp(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm tm{};
    ::localtime_r(&seconds, &tm);
    std::array<char, 32> buffer{};
    const std::size_t n = std::strftime(buffer.data(), buffer.size(), "%Y-%m-%d %H:%M:%S", &tm);
    return std::string(buffer.data(), n);
}

std::string logPart(std::string_view text, std::size_t maxBytes) {
    std::string out(text.substr(0, maxBytes));
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    if (text.size() > maxBytes)
        out += "...";
    return out;
}

ProcessorLogs::ProcessorLogs(std::string home)
    : errorLog_(platform::joinPath(home, vmcntrl::processor::kErrorLogName)),
      mailLog_(platform::joinPath(home, vmcntrl::processor::kMailLogName)) {}

void ProcessorLogs::error(std::chrono::system_clock::time_point when, std::string_view script,
                          std::string_view remoteAddress, std::string_view reason) const {
    append(errorLog_, when, {script, remoteAddress, reason});
}

void ProcessorLogs::mail(std::chrono::system_clock::time_point when, std::string_view script,
                         std::string_view message, std::string_view recipients,
                         std::string_view outcome) const {
    append(mailLog_, when, {script, message, recipients, outcome});
}

} // namespace vellum
