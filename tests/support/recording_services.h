#pragma once

#include "platform/qt/dde_client.h"
#include "platform/qt/help_viewer.h"
#include "platform/qt/pause.h"
#include "platform/qt/program_starter.h"
#include "platform/qt/sound_player.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// One log that several fakes can share, so a test can check the order of sounds, pauses
// and program starts across them.
using EventLog = QStringList;

class RecordingProgramStarter : public platform::ProgramStarter {
public:
    struct Start {
        QString program;
        QStringList arguments;
        platform::WindowState state;
    };
    std::vector<Start> starts;
    bool succeed = true;
    EventLog* log = nullptr;

    bool start(const QString& program, const QStringList& arguments,
               platform::WindowState state) override {
        starts.push_back({program, arguments, state});
        if (log)
            *log << QStringLiteral("start %1").arg(program);
        return succeed;
    }
};

class RecordingSoundPlayer : public platform::SoundPlayer {
public:
    QStringList played;
    EventLog* log = nullptr;
    void playAndWait(const QString& wavPath) override {
        played << wavPath;
        if (log)
            *log << QStringLiteral("sound %1").arg(wavPath);
    }
};

// Time stands still unless a wait moves it on; nothing really waits.
class FakePause : public platform::Pause {
public:
    std::vector<int> waits;
    std::vector<Events> waitEvents;
    qint64 now = 0;
    EventLog* log = nullptr;
    std::function<void(int ms)> onWait;

    void wait(int ms, Events events) override {
        waits.push_back(ms);
        waitEvents.push_back(events);
        now += ms;
        if (log)
            *log << QStringLiteral("wait %1").arg(ms);
        if (onWait)
            onWait(ms);
    }
    qint64 nowMs() const override { return now; }
};

class RecordingHelpViewer : public platform::HelpViewer {
public:
    QStringList calls; // "contents FILE", "topic FILE N", "search FILE", "whatsthis FILE N"
    std::vector<int> whatsThisTopics;

    void showContents(const QString& f) override { calls << QStringLiteral("contents ") + f; }
    void showTopic(const QString& f, int topic) override {
        calls << QStringLiteral("topic %1 %2").arg(f).arg(topic);
    }
    void showSearch(const QString& f, const QString&) override {
        calls << QStringLiteral("search ") + f;
    }
    void showWhatsThis(const QString& f, int topic, QWidget*, const QPoint&) override {
        whatsThisTopics.push_back(topic);
        calls << QStringLiteral("whatsthis %1 %2").arg(f).arg(topic);
    }
};

// A browser that answers DDE (or not): replies are scripted per request, in order; with no
// scripted reply nobody answers.
class FakeDdeClient : public platform::DdeClient {
public:
    struct Request {
        QString application, topic, item;
    };
    std::vector<Request> requests;
    std::deque<platform::DdeReply> replies;

    platform::DdeReply request(const QString& application, const QString& topic,
                               const QString& item) override {
        requests.push_back({application, topic, item});
        if (replies.empty())
            return {platform::kDdeNoApplicationResponded, QString()};
        auto reply = replies.front();
        replies.pop_front();
        return reply;
    }
};
