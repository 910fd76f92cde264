#include "help_file.h"

#include "platform/file_ops.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <algorithm>

namespace platform {

namespace {

QString attribute(const QString& tag, const QString& name) {
    const QRegularExpression re(name + QStringLiteral(R"re(\s*=\s*"([^"]*)")re"),
                                QRegularExpression::CaseInsensitiveOption);
    const auto match = re.match(tag);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

QString plainTextOfHtml(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

HelpFile HelpFile::parse(const QString& text) {
    HelpFile file;
    static const QRegularExpression open(QStringLiteral(R"re(<topic\b([^>]*)>)re"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression close(QStringLiteral("</topic\\s*>"),
                                          QRegularExpression::CaseInsensitiveOption);
    qsizetype pos = 0;
    for (;;) {
        const auto start = open.match(text, pos);
        if (!start.hasMatch())
            break;
        const auto end = close.match(text, start.capturedEnd());
        const qsizetype bodyEnd = end.hasMatch() ? end.capturedStart() : text.size();
        bool ok = false;
        const int id = attribute(start.captured(1), QStringLiteral("id")).toInt(&ok);
        if (ok) {
            HelpTopic topic;
            topic.id = id;
            topic.title = attribute(start.captured(1), QStringLiteral("title"));
            topic.keywords = attribute(start.captured(1), QStringLiteral("keywords"));
            topic.html = text.mid(start.capturedEnd(), bodyEnd - start.capturedEnd()).trimmed();
            file.topics_.append(topic);
        }
        pos = end.hasMatch() ? end.capturedEnd() : text.size();
    }
    return file;
}

HelpFile HelpFile::load(const QString& path) {
    // Through the limited reader: a pipe or a device named as the help file cannot hang it.
    const auto bytes = readFile(path.toLocal8Bit().toStdString());
    if (!bytes)
        return {};
    return parse(QString::fromUtf8(bytes->data(), static_cast<qsizetype>(bytes->size())));
}

std::optional<HelpTopic> HelpFile::topic(int id) const {
    for (const HelpTopic& t : topics_)
        if (t.id == id)
            return t;
    return std::nullopt;
}

QList<HelpTopic> HelpFile::search(const QString& query) const {
    const QStringList words = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    QList<QPair<int, HelpTopic>> scored;
    for (const HelpTopic& t : topics_) {
        const QString head = t.title + QLatin1Char(' ') + t.keywords;
        const QString all = head + QLatin1Char(' ') + plainTextOfHtml(t.html);
        int score = 0;
        bool everyWord = true;
        for (const QString& word : words) {
            if (!all.contains(word, Qt::CaseInsensitive)) {
                everyWord = false;
                break;
            }
            score += head.contains(word, Qt::CaseInsensitive) ? 10 : 1;
        }
        if (everyWord)
            scored.append({score, t});
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<HelpTopic> result;
    for (const auto& entry : scored)
        result.append(entry.second);
    return result;
}

} // namespace platform
