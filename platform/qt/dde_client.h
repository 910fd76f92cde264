#pragma once

#include <QString>

namespace platform {

// A client conversation with a running browser (manual link, one request). Error numbers
// are those the programs test: 0 success, 282 when no application answered the link.
struct DdeReply {
    int error = 0;
    QString text;
};

inline constexpr int kDdeNoApplicationResponded = 282;

class DdeClient {
public:
    virtual ~DdeClient() = default;
    virtual DdeReply request(const QString& application, const QString& topic,
                             const QString& item) = 0;
};

// Systems without DDE: no application ever answers, so callers take their fallback and
// start the browser instead. A Windows build can put a DDEML client here.
class NoDdeClient : public DdeClient {
public:
    DdeReply request(const QString&, const QString&, const QString&) override {
        return {kDdeNoApplicationResponded, QString()};
    }
};

} // namespace platform
