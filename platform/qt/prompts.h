#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

namespace platform {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

// A file dialog as the programs describe it: a filter in the "Text (*.x)|*.x|..." form, a
// 1-based filter index, a start file name and folder, and the overwrite question.
struct FileDialogRequest {
    QString title;
    QString filter;
    int filterIndex = 1;
    QString fileName;
    QString initialDirectory;
    bool confirmOverwrite = false;
    bool fileMustExist = false;
};

struct FileDialogResult {
    bool accepted = false; // false when the user cancelled
    QString path;
    int filterIndex = 1;
};

// Every question a window asks the user goes through this, so that tests can answer it.
class Prompts {
public:
    virtual ~Prompts() = default;
    // An empty title means the program's own title; without a default answer the first
    // button is the default.
    virtual MessageAnswer message(QWidget* parent, const QString& text,
                                  MessageButtons buttons = MessageButtons::Ok,
                                  MessageIcon icon = MessageIcon::None,
                                  const QString& title = QString(),
                                  std::optional<MessageAnswer> defaultAnswer = std::nullopt) = 0;
    // nullopt when cancelled.
    virtual std::optional<QString> input(QWidget* parent, const QString& prompt,
                                         const QString& title = QString(),
                                         const QString& defaultText = QString()) = 0;
    virtual FileDialogResult openFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual FileDialogResult saveFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QColor> color(QWidget* parent, const QColor& initial,
                                        const QString& title = QString()) = 0;
    virtual std::optional<QString> directory(QWidget* parent, const QString& title,
                                             const QString& startDirectory) = 0;
};

// The real dialogs of the window system.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QString programTitle) : programTitle_(std::move(programTitle)) {}
    MessageAnswer message(QWidget* parent, const QString& text, MessageButtons buttons,
                          MessageIcon icon, const QString& title,
                          std::optional<MessageAnswer> defaultAnswer) override;
    std::optional<QString> input(QWidget* parent, const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    FileDialogResult openFile(QWidget* parent, const FileDialogRequest& request) override;
    FileDialogResult saveFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QColor> color(QWidget* parent, const QColor& initial,
                                const QString& title) override;
    std::optional<QString> directory(QWidget* parent, const QString& title,
                                     const QString& startDirectory) override;

private:
    QString titleOr(const QString& title) const { return title.isEmpty() ? programTitle_ : title; }
    QString programTitle_;
};

// "Tessaly files (*.tsy)|*.tsy|All (*.*)|*.*" as the name filters Qt's dialogs take, with
// the patterns this system needs: on systems other than Windows "*.*" also matches names
// without an extension, "*.htm" also ".html", and a "*.exe" filter shows every file, as
// programs there have no ending. The descriptions stay as written.
QStringList qtNameFilters(const QString& filter);
// "tsy" for a Qt filter "Tessaly files (*.tsy)"; empty when its first pattern names no
// single extension.
QString extensionOfFilter(const QString& qtFilter);

} // namespace platform
