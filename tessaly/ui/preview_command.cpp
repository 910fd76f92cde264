// Preview: the applet in the user's browser, through a running browser when it answers DDE,
// by starting it otherwise.
#include "main_window.h"

#include "browser_chooser.h"
#include "text_bytes.h"

#include "tessaly/document/options_file.h"
#include "tessaly/generator/applet_generator.h"
#include "tessaly/generator/browser_preview.h"

#include "platform/file_ops.h"
#include "platform/qt/dde_client.h"
#include "platform/qt/program_starter.h"
#include "platform/qt/prompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

namespace tessaly {

void MainWindow::preview() {
    switch (previewCondition(static_cast<std::size_t>(linkCount()), toBytes(Text8->text()))) {
    case PreviewCondition::NoBrowser:
        message(toText(kNoBrowserMessage));
        return;
    case PreviewCondition::NoLinks:
        message(toText(kTooFewLinksMessage));
        return;
    case PreviewCondition::Ready:
        break;
    }
    // The stored browser counts, not the box: it is what every later preview uses.
    const std::string browser = tessaly::loadOptions(toBytes(optionsFile())).defaultBrowser;
    if (!platform::fileExists(browser)) {
        message(toText(kDefaultBrowserNotFoundMessage));
        SSTab1->setCurrentIndex(2);
        return;
    }
    showInBrowser(toText(browser));
}

void MainWindow::showInBrowser(const QString& defaultBrowser) {
    std::string fragment;
    if (!generate(fragment))
        return;
    QString browser = defaultBrowser;
    if (Check1->isChecked()) {
        const std::optional<QString> chosen = browserChooser->choose(defaultBrowser);
        if (!chosen)
            return;
        browser = *chosen;
    }
    if (!platform::fileExists(toBytes(browser)))
        message(toText(kCouldNotFindBrowserMessage));

    const std::string previewFile = previewFilePath(toBytes(Text7->text()));
    const platform::WriteResult written =
        platform::writeFileAtomically(previewFile, previewFileBytes(fragment));
    if (!written) {
        services_.prompts.message(this,
                                  QStringLiteral("The preview page %1 could not be written.\n%2")
                                      .arg(toText(previewFile), toText(written.error)),
                                  platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
        return;
    }
    const QString application = toText(ddeApplicationName(toBytes(browser)));
    if (!browserDde(application, toText(previewFile)))
        services_.programStarter.start(browser, {toText(previewFile)},
                                       platform::WindowState::Maximized);
}

bool MainWindow::browserDde(const QString& application, const QString& previewFile) {
    const platform::DdeReply shown = services_.dde.request(
        application, toText(kShowFileTopic), toText(showFileItem(toBytes(previewFile))));
    if (shown.error == platform::kDdeNoApplicationResponded)
        return false;
    QCoreApplication::processEvents();
    // The reply's first character is the number of the browser window that shows the file.
    services_.dde.request(application, toText(kActivateTopic),
                          toText(activateItem(toBytes(shown.text))));
    return true;
}

} // namespace tessaly
