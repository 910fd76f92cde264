#pragma once

#include "help_file.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace platform {

// The help viewer's window: topic list and search on the left, the topic on the right. The
// caption names the topic shown ("Saving - Tessaly Help"); Escape closes the window.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void openFile(const QString& path);
    const QString& filePath() const { return path_; }
    bool showTopic(int id);
    void search(const QString& query);
    int currentTopic() const { return current_; }

private:
    void listTopics(const QList<HelpTopic>& topics);
    QString helpName() const;

    QString path_;
    HelpFile file_;
    int current_ = -1;
    QLineEdit* searchBox_;
    QListWidget* topicList_;
    QTextBrowser* browser_;
};

} // namespace platform
