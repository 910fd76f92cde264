#pragma once

#include "platform/qt/prompts.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// Answers every question from scripted queues and records what was asked, in order.
class FakePrompts : public platform::Prompts {
public:
    struct Message {
        QString text;
        platform::MessageButtons buttons;
        platform::MessageIcon icon;
        QString title;
        std::optional<platform::MessageAnswer> defaultAnswer;
    };
    struct FileRequest {
        bool save;
        platform::FileDialogRequest request;
    };

    std::deque<platform::MessageAnswer> messageAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<platform::FileDialogResult> fileAnswers; // empty: the dialog is cancelled
    std::deque<std::optional<QColor>> colorAnswers;
    std::deque<std::optional<QString>> directoryAnswers;
    // Runs while a message is "on screen", e.g. to look at the window behind it.
    std::function<void(const Message&)> onMessage;

    std::vector<Message> messages;
    std::vector<QString> inputPrompts;
    std::vector<FileRequest> fileRequests;
    std::vector<QString> colorTitles;
    std::vector<QString> directoryTitles;

    QStringList messageTexts() const {
        QStringList texts;
        for (const Message& m : messages)
            texts << m.text;
        return texts;
    }

    static platform::FileDialogResult choose(const QString& path, int filterIndex = 1) {
        return {true, path, filterIndex};
    }

    platform::MessageAnswer message(QWidget*, const QString& text, platform::MessageButtons buttons,
                                    platform::MessageIcon icon, const QString& title,
                                    std::optional<platform::MessageAnswer> defaultAnswer) override {
        messages.push_back({text, buttons, icon, title, defaultAnswer});
        if (onMessage)
            onMessage(messages.back());
        if (!messageAnswers.empty()) {
            const auto answer = messageAnswers.front();
            messageAnswers.pop_front();
            return answer;
        }
        switch (buttons) {
        case platform::MessageButtons::Ok:
        case platform::MessageButtons::OkCancel: return platform::MessageAnswer::Ok;
        case platform::MessageButtons::YesNo: return platform::MessageAnswer::No;
        default: return platform::MessageAnswer::Cancel;
        }
    }
    std::optional<QString> input(QWidget*, const QString& prompt, const QString&,
                                 const QString&) override {
        inputPrompts.push_back(prompt);
        return next(inputAnswers);
    }
    platform::FileDialogResult openFile(QWidget*, const platform::FileDialogRequest& r) override {
        fileRequests.push_back({false, r});
        return nextFile();
    }
    platform::FileDialogResult saveFile(QWidget*, const platform::FileDialogRequest& r) override {
        fileRequests.push_back({true, r});
        return nextFile();
    }
    std::optional<QColor> color(QWidget*, const QColor&, const QString& title) override {
        colorTitles.push_back(title);
        return next(colorAnswers);
    }
    std::optional<QString> directory(QWidget*, const QString& title, const QString&) override {
        directoryTitles.push_back(title);
        return next(directoryAnswers);
    }

private:
    // Moves the scripted answer into a local built in place rather than copying the queued
    // optional, so the result is only ever constructed from an engaged value.
    template <typename T> static std::optional<T> next(std::deque<std::optional<T>>& queue) {
        std::optional<T> value;
        if (!queue.empty()) {
            if (queue.front().has_value())
                value.emplace(std::move(*queue.front()));
            queue.pop_front();
        }
        return value;
    }
    platform::FileDialogResult nextFile() {
        if (fileAnswers.empty())
            return {};
        auto value = fileAnswers.front();
        fileAnswers.pop_front();
        return value;
    }
};
