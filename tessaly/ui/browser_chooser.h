#pragma once

#include <QDialog>
#include <QStringList>

#include <optional>

class QListWidget;
class QPushButton;

namespace tessaly {

// Lets the user pick the browser for one preview from the "Browsers" list of Tessaly.ini
// and the default browser.
class BrowserChooser : public QDialog {
    Q_OBJECT
public:
    explicit BrowserChooser(QWidget* parent = nullptr);

    void setBrowsers(const QStringList& browsers);
    // The listed browsers followed by the default browser when it is not among them; the
    // last of the "Browsers" list is preselected (the default browser when the list is
    // empty). nullopt when cancelled.
    std::optional<QString> choose(const QString& defaultBrowser);

    QListWidget* browserList = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

private:
    QStringList browsers_;
};

} // namespace tessaly
