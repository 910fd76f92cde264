#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace platform {

// One topic of a help file.
struct HelpTopic {
    int id = 0;
    QString title;
    QString keywords;
    QString html;
};

// A help file of our own: numbered topics, each
//   <topic id="N" title="..." keywords="...">HTML</topic>
// Topic 0 is the contents page. Text outside topics is ignored.
class HelpFile {
public:
    static HelpFile parse(const QString& text);
    // An unreadable or missing file gives a help file without topics.
    static HelpFile load(const QString& path);

    const QList<HelpTopic>& topics() const { return topics_; }
    std::optional<HelpTopic> topic(int id) const;
    // Topics whose title, keywords or text hold every word of the query, best matches
    // (title hits) first.
    QList<HelpTopic> search(const QString& query) const;

private:
    QList<HelpTopic> topics_;
};

// The plain text of an HTML fragment, for searching.
QString plainTextOfHtml(const QString& html);

} // namespace platform
