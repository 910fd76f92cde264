#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

namespace platform {
class Prompts;
}

class QListWidget;
class QPushButton;

namespace tessaly {

// Lets the user pick the browser for one preview: the "Browsers" list of Tessaly.ini, the
// default browser, the browsers installed on this system, or any program through
// "Browse..." (for this preview only; nothing is written).
class BrowserChooser : public QDialog {
    Q_OBJECT
public:
    BrowserChooser(platform::Prompts& prompts, QWidget* parent = nullptr);

    void setBrowsers(const QStringList& browsers);
    // How the installed browsers are found (tests give their own).
    void setSystemBrowserFinder(std::function<QStringList()> finder);
    // The usual Linux browsers found on PATH or in /usr/bin.
    static QStringList installedBrowsers();
    // The listed browsers, then the default browser and the installed ones that are not
    // among them; the last of the "Browsers" list is preselected (the default browser when
    // the list is empty). nullopt when cancelled.
    std::optional<QString> choose(const QString& defaultBrowser);

    QListWidget* browserList = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* browseButton = nullptr;

private:
    void browse();

    platform::Prompts& prompts_;
    std::function<QStringList()> finder_ = &BrowserChooser::installedBrowsers;
    QStringList browsers_;
    std::optional<QString> browsed_;
};

} // namespace tessaly
