// Commands of the button row that move the document: New, Open, Save, Compile, Help.
#include "main_window.h"

#include "text_bytes.h"

#include "tessaly/document/document_file.h"
#include "tessaly/document/options_file.h"
#include "tessaly/generator/applet_generator.h"

#include "platform/qt/help_viewer.h"
#include "platform/qt/prompts.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

namespace tessaly {

namespace {
platform::FileDialogRequest documentDialog() {
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("Tessaly files (*.tsy)|*.tsy");
    request.filterIndex = 1;
    request.fileName = QStringLiteral("*.tsy");
    return request;
}
} // namespace

void MainWindow::newDocument() {
    message(QStringLiteral("Not implemented"));
}

void MainWindow::openDocumentFile() {
    const platform::FileDialogResult chosen = services_.prompts.openFile(this, documentDialog());
    if (!chosen.accepted)
        return;
    // A missing file opens as a new, empty document; one that exists but cannot be read says
    // so and leaves the window as it was.
    const DocumentOpen opened = tessaly::openDocumentFile(toBytes(chosen.path));
    if (!opened.ok()) {
        services_.prompts.message(this, toText(opened.error), platform::MessageButtons::Ok,
                                  platform::MessageIcon::Exclamation);
        return;
    }
    setWindowTitle(QStringLiteral("Tessaly - ") + chosen.path);
    showDocument(opened.document);
}

void MainWindow::saveDocumentFile() {
    platform::FileDialogRequest request = documentDialog();
    request.confirmOverwrite = true;
    const platform::FileDialogResult chosen = services_.prompts.saveFile(this, request);
    if (!chosen.accepted)
        return;
    const platform::WriteResult saved = saveDocument(toBytes(chosen.path), documentFromControls());
    if (!saved) {
        services_.prompts.message(this,
                                  QStringLiteral("The document could not be saved as %1.\n%2")
                                      .arg(chosen.path, toText(saved.error)),
                                  platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
        return;
    }
    setWindowTitle(QStringLiteral("Tessaly - ") + chosen.path);
}

bool MainWindow::generate(std::string& fragment) {
    Document document = documentFromControls();
    const std::string home = toBytes(services_.programDirectory);
    const GenerateResult result =
        Generate(document, {home, toBytes(Text7->text())}, Check5->isChecked());
    if (!result.ok) {
        services_.prompts.message(this, toText(result.error), platform::MessageButtons::Ok,
                                  platform::MessageIcon::Exclamation);
        return false;
    }
    // The size defaults the applet needs are shown, and so saved with the document later.
    Text9->setText(toText(document.properties[Property::AppletWidth]));
    Text10->setText(toText(document.properties[Property::AppletHeight]));
    Text5->setText(toText(document.properties[Property::ListWidth]));
    Text14->setText(toText(document.properties[Property::ListHeight]));
    QGuiApplication::clipboard()->setText(toText(result.fragment));
    fragment = result.fragment;
    return true;
}

void MainWindow::compile() {
    if (linkCount() < 2) {
        message(toText(kTooFewLinksMessage));
        return;
    }
    std::string fragment;
    if (generate(fragment))
        message(toText(kCodePlacedMessage));
}

void MainWindow::showHelp() {
    services_.help.showContents(helpFile());
}

} // namespace tessaly
