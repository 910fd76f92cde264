#pragma once

#include <QPoint>
#include <QString>

class QWidget;

namespace platform {

// Shows the programs' help files: the contents, a numbered topic, a search, and the
// "What's this?" pop-up text of a control.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showContents(const QString& helpFile) = 0;
    virtual void showTopic(const QString& helpFile, int topic) = 0;
    virtual void showSearch(const QString& helpFile, const QString& query = QString()) = 0;
    virtual void showWhatsThis(const QString& helpFile, int topic, QWidget* control,
                               const QPoint& globalPos) = 0;
};

class HelpWindow;

// The real viewer: one help window per program, reused for every request.
class QtHelpViewer : public HelpViewer {
public:
    QtHelpViewer();
    ~QtHelpViewer() override;
    void showContents(const QString& helpFile) override;
    void showTopic(const QString& helpFile, int topic) override;
    void showSearch(const QString& helpFile, const QString& query) override;
    void showWhatsThis(const QString& helpFile, int topic, QWidget* control,
                       const QPoint& globalPos) override;

private:
    HelpWindow* window(const QString& helpFile);
    HelpWindow* window_ = nullptr;
};

} // namespace platform
