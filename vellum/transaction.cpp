#include "transaction.h"

#include <array>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <random>
#include <unistd.h>

namespace vellum {

namespace {

std::tm localTime(std::chrono::system_clock::time_point now) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
    ::localtime_r(&seconds, &tm);
    return tm;
}

std::string format(const std::tm& tm, const char* pattern) {
    std::array<char, 128> buffer{};
    const std::size_t n = std::strftime(buffer.data(), buffer.size(), pattern, &tm);
    return std::string(buffer.data(), n);
}

// Names in English whatever the locale, as the processor's pages and logs are.
constexpr std::array<const char*, 7> kDays{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonths{"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};

std::uint32_t randomPart() {
    static std::random_device device;
    static std::atomic<std::uint32_t> sequence{0};
    // The random device alone would do; the sequence keeps two calls of one process apart
    // even where the device is a weak generator.
    return device() ^ (sequence.fetch_add(1) * 0x9E3779B9u);
}

} // namespace

void setTransactionTime(Transaction& t, std::chrono::system_clock::time_point now) {
    const std::tm tm = localTime(now);
    t.date = format(tm, "%Y-%m-%d");
    t.time = format(tm, "%H:%M:%S");
    t.longDate = std::string(kDays[static_cast<std::size_t>(tm.tm_wday) % 7]) + ", " +
                 kMonths[static_cast<std::size_t>(tm.tm_mon) % 12] + " " +
                 std::to_string(tm.tm_mday) + ", " + std::to_string(tm.tm_year + 1900);
}

std::string newTransactionId(std::chrono::system_clock::time_point now) {
    char tail[32];
    std::snprintf(tail, sizeof tail, "-%x-%08x", static_cast<unsigned>(::getpid()),
                  static_cast<unsigned>(randomPart()));
    return format(localTime(now), "%Y%m%d%H%M%S") + tail;
}

Transaction makeTransaction(const CgiRequest& request, std::chrono::system_clock::time_point now,
                            std::string_view adminFallback) {
    Transaction t;
    setTransactionTime(t, now);
    t.id = newTransactionId(now);
    t.remoteAddress = request.remoteAddress;
    t.remoteHost = request.remoteHost.empty() ? request.remoteAddress : request.remoteHost;
    t.referer = request.referer;
    t.serverSoftware = request.serverSoftware;
    t.serverAdmin = request.serverAdmin.empty() ? std::string(adminFallback) : request.serverAdmin;
    return t;
}

std::optional<std::string> Transaction::key(std::string_view name) const {
    if (name == "vmDate")
        return date;
    if (name == "vmLongDate")
        return longDate;
    if (name == "vmTime")
        return time;
    if (name == "vmTransactionID")
        return id;
    if (name == "vmRemoteHost")
        return remoteHost;
    if (name == "vmRemoteAddress")
        return remoteAddress;
    if (name == "vmReferer")
        return referer;
    if (name == "vmServerSoftware")
        return serverSoftware;
    if (name == "vmServerAdmin")
        return serverAdmin;
    if (name == "vmDiscretePage")
        return discretePage;
    return std::nullopt;
}

} // namespace vellum
