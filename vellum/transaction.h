#pragma once

#include "cgi_request.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace vellum {

// What the processor knows about one submission besides its fields: the values of the
// transaction keys that every template may use.
struct Transaction {
    std::string date;     // 2026-12-08
    std::string longDate; // Tuesday, December 8, 2026
    std::string time;     // 08:15:42
    std::string id;       // unique per submission, usable as a file name
    std::string remoteHost;
    std::string remoteAddress;
    std::string referer;
    std::string serverSoftware;
    std::string serverAdmin;
    std::string discretePage; // the new document's file name, for the "Discrete" style

    // The value of a transaction key given without its carets ("vmDate"); nullopt for a
    // name that is not one.
    std::optional<std::string> key(std::string_view name) const;
};

// The local date and time in the three forms the keys use.
void setTransactionTime(Transaction& t, std::chrono::system_clock::time_point now);

// A fresh identifier: the time to the second, then the process and a random part, so that
// two submissions never share one, in one process or in many at the same second.
std::string newTransactionId(std::chrono::system_clock::time_point now);

// A transaction for a request. vmServerAdmin falls back to the given address when the web
// server does not say who runs it, and vmRemoteHost to the remote address.
Transaction makeTransaction(const CgiRequest& request, std::chrono::system_clock::time_point now,
                            std::string_view adminFallback);

} // namespace vellum
