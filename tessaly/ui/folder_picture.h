#pragma once

#include <QLabel>

namespace tessaly {

// The small folder symbol beside a path box; a click on it opens a file chooser.
class FolderPicture : public QLabel {
    Q_OBJECT
public:
    FolderPicture(const QString& programDirectory, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tessaly
