#include "vellum/transaction.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// 2026-12-08 08:15:42 UTC.
std::chrono::system_clock::time_point sample() {
    return std::chrono::system_clock::from_time_t(1796717742);
}

class UtcZone : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        saved_ = tz ? std::optional<std::string>(tz) : std::nullopt;
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    void TearDown() override {
        if (saved_)
            ::setenv("TZ", saved_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> saved_;
};

} // namespace

TEST_F(UtcZone, TransactionKeysCarryTheDateTimeAndRequest) {
    vellum::CgiRequest request;
    request.remoteAddress = "198.51.100.7";
    request.referer = "http://example.com/f.html";
    request.serverSoftware = "lighttpd/1.4.69";
    const vellum::Transaction t = vellum::makeTransaction(request, sample(), "forms@example.com");
    EXPECT_EQ(t.key("vmDate"), "2026-12-08");
    EXPECT_EQ(t.key("vmLongDate"), "Tuesday, December 8, 2026");
    EXPECT_EQ(t.key("vmTime"), "08:15:42");
    EXPECT_EQ(t.key("vmRemoteAddress"), "198.51.100.7");
    EXPECT_EQ(t.key("vmRemoteHost"), "198.51.100.7") << "no REMOTE_HOST: the address";
    EXPECT_EQ(t.key("vmReferer"), "http://example.com/f.html");
    EXPECT_EQ(t.key("vmServerSoftware"), "lighttpd/1.4.69");
    EXPECT_EQ(t.key("vmServerAdmin"), "forms@example.com") << "no SERVER_ADMIN: Config's From";
    EXPECT_EQ(t.key("vmDiscretePage"), "");
    EXPECT_EQ(t.key("vmTransactionID"), t.id);
    EXPECT_EQ(t.id.substr(0, 15), "20261208081542-");
    EXPECT_FALSE(t.key("vmdate").has_value()) << "keys are spelled exactly";
    EXPECT_FALSE(t.key("Name").has_value());

    request.remoteHost = "client.example.net";
    request.serverAdmin = "admin@example.com";
    const vellum::Transaction named =
        vellum::makeTransaction(request, sample(), "forms@example.com");
    EXPECT_EQ(named.remoteHost, "client.example.net");
    EXPECT_EQ(named.serverAdmin, "admin@example.com");
}

TEST(TransactionId, IsAPlainFileName) {
    const std::string id = vellum::newTransactionId(std::chrono::system_clock::now());
    EXPECT_EQ(id.find_first_not_of("0123456789abcdef-"), std::string::npos) << id;
}

TEST(TransactionId, IsUniqueAcrossProcessesInTheSameSecond) {
    constexpr int kProcesses = 8, kEach = 200;
    int pipes[2];
    ASSERT_EQ(::pipe(pipes), 0);
    const auto now = sample();
    for (int p = 0; p < kProcesses; ++p) {
        if (::fork() == 0) {
            ::close(pipes[0]);
            bool ok = true;
            for (int i = 0; i < kEach; ++i) {
                // One write per line: shorter than PIPE_BUF, so lines never interleave.
                const std::string line = vellum::newTransactionId(now) + "\n";
                ok = ::write(pipes[1], line.data(), line.size()) ==
                         static_cast<ssize_t>(line.size()) &&
                     ok;
            }
            ::_exit(ok ? 0 : 1);
        }
    }
    ::close(pipes[1]);
    std::string all;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipes[0], buffer, sizeof buffer)) > 0;)
        all.append(buffer, static_cast<std::size_t>(n));
    ::close(pipes[0]);
    for (int p = 0; p < kProcesses; ++p)
        ::wait(nullptr);
    std::set<std::string> unique;
    std::size_t lines = 0;
    for (std::size_t at = 0, end; (end = all.find('\n', at)) != std::string::npos;
         at = end + 1, ++lines)
        unique.insert(all.substr(at, end - at));
    EXPECT_EQ(lines, static_cast<std::size_t>(kProcesses * kEach));
    EXPECT_EQ(unique.size(), lines);
}
