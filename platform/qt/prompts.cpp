#include "prompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QTextDocument>

namespace platform {

namespace {

// The patterns of a filter as this system needs them. Windows matches "*.*" against names
// without a dot too, "*.htm" against ".html" through the short names, and its programs end
// in ".exe"; elsewhere programs have no ending, which no pattern can single out, so a
// program filter shows every file.
QStringList localPatterns(const QStringList& patterns) {
#ifdef _WIN32
    return patterns;
#else
    QStringList local;
    auto add = [&local](const QString& p) {
        if (!local.contains(p, Qt::CaseInsensitive))
            local << p;
    };
    for (const QString& pattern : patterns) {
        if (pattern == QLatin1String("*.*")) {
            add(QStringLiteral("*"));
        } else if (pattern.compare(QLatin1String("*.exe"), Qt::CaseInsensitive) == 0) {
            add(pattern);
            add(QStringLiteral("*"));
        } else if (pattern.compare(QLatin1String("*.htm"), Qt::CaseInsensitive) == 0) {
            add(pattern);
            add(pattern + QLatin1Char(pattern.back().isUpper() ? 'L' : 'l'));
        } else {
            add(pattern);
        }
    }
    return local;
#endif
}

} // namespace

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns =
            localPatterns(parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts));
        // Qt reads the patterns from the last parentheses; the dialog shows the description
        // as the program wrote it.
        filters << parts[i].trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

QString extensionOfFilter(const QString& qtFilter) {
    const qsizetype open = qtFilter.lastIndexOf(QLatin1Char('('));
    const QString first =
        qtFilter.mid(open + 1).chopped(1).section(QLatin1Char(' '), 0, 0).trimmed();
    if (!first.startsWith(QLatin1String("*.")))
        return {};
    const QString extension = first.mid(2);
    if (extension.isEmpty() || extension.contains(QLatin1Char('*')) ||
        extension.contains(QLatin1Char('?')))
        return {};
    return extension;
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
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !request.fileMustExist ? QFileDialog::AnyFile
                                                      : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = std::clamp(request.filterIndex, 1, static_cast<int>(filters.size()));
        dialog.selectNameFilter(filters[index - 1]);
    }
    // A saved name typed without an extension gets the chosen filter's, before the dialog
    // asks about replacing a file.
    if (save) {
        dialog.setDefaultSuffix(extensionOfFilter(dialog.selectedNameFilter()));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& chosen) {
                             dialog.setDefaultSuffix(extensionOfFilter(chosen));
                         });
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
    // A dialog that selects or creates a file: a new name without an extension is the file
    // of the chosen kind, as the save dialog makes it.
    const QFileInfo chosen(result.path);
    if (!save && !chosen.exists() && !chosen.fileName().contains(QLatin1Char('.'))) {
        const QString extension = extensionOfFilter(dialog.selectedNameFilter());
        if (!extension.isEmpty())
            result.path += QLatin1Char('.') + extension;
    }
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
