#include "prompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTextDocument>

namespace platform {

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses, so the description must carry them.
        if (description.contains(QLatin1Char('(')))
            description = description.left(description.indexOf(QLatin1Char('('))).trimmed();
        filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

QString withAllFilesForPrograms(const QString& filter) {
#ifdef _WIN32
    return filter;
#else
    if (!filter.contains(QStringLiteral("*.exe"), Qt::CaseInsensitive))
        return filter;
    return filter + QStringLiteral("|All files (*)|*");
#endif
}

MessageAnswer QtPrompts::message(QWidget* parent, const QString& text, MessageButtons buttons,
                                 MessageIcon icon, const QString& title,
                                 std::optional<MessageAnswer> defaultAnswer) {
    QMessageBox box(parent);
    box.setWindowTitle(titleOr(title));
    if (text.contains(QLatin1Char('\n'))) {
        // A text that breaks its own lines keeps them: the box grows to the longest line
        // rather than wrapping each one again at its own narrower width.
        box.setTextFormat(Qt::RichText);
        box.setText(Qt::convertFromPlainText(text, Qt::WhiteSpacePre));
    } else {
        box.setText(text);
    }
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MessageButtons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    }
    if (defaultAnswer) {
        switch (*defaultAnswer) {
        case MessageAnswer::Ok:
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case MessageAnswer::Cancel:
            box.setDefaultButton(QMessageBox::Cancel);
            break;
        case MessageAnswer::Yes:
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case MessageAnswer::No:
            box.setDefaultButton(QMessageBox::No);
            break;
        case MessageAnswer::Retry:
            box.setDefaultButton(QMessageBox::Retry);
            break;
        }
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    default:
        return MessageAnswer::Cancel;
    }
}

std::optional<QString> QtPrompts::input(QWidget* parent, const QString& prompt,
                                        const QString& title, const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, titleOr(title), prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

namespace {

FileDialogResult runFileDialog(QWidget* parent, const FileDialogRequest& request, bool save,
                               const QString& fallbackTitle) {
    QFileDialog dialog(parent, request.title.isEmpty() ? fallbackTitle : request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !request.fileMustExist ? QFileDialog::AnyFile
                                                      : QFileDialog::ExistingFile);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = std::clamp(request.filterIndex, 1, static_cast<int>(filters.size()));
        dialog.selectNameFilter(filters[index - 1]);
    }
    if (!request.initialDirectory.isEmpty())
        dialog.setDirectory(request.initialDirectory);
    // A wildcard start name ("*.tsy") only repeats the filter; a real name is offered.
    if (!request.fileName.isEmpty() && !request.fileName.contains(QLatin1Char('*')))
        dialog.selectFile(request.fileName);
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.accepted = true;
    result.path = dialog.selectedFiles().constFirst();
    result.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return result;
}

} // namespace

FileDialogResult QtPrompts::openFile(QWidget* parent, const FileDialogRequest& request) {
    return runFileDialog(parent, request, false, QStringLiteral("Open"));
}

FileDialogResult QtPrompts::saveFile(QWidget* parent, const FileDialogRequest& request) {
    return runFileDialog(parent, request, true, QStringLiteral("Save As"));
}

std::optional<QColor> QtPrompts::color(QWidget* parent, const QColor& initial,
                                       const QString& title) {
    const QColor chosen = QColorDialog::getColor(initial, parent, titleOr(title));
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QString> QtPrompts::directory(QWidget* parent, const QString& title,
                                            const QString& startDirectory) {
    const QString dir = QFileDialog::getExistingDirectory(parent, titleOr(title), startDirectory);
    if (dir.isEmpty())
        return std::nullopt;
    return dir;
}

} // namespace platform
