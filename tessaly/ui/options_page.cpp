// The Options page: every change is written to Tessaly.ini at once.
#include "main_window.h"

#include "browser_chooser.h"
#include "text_bytes.h"

#include "tessaly/document/options_file.h"
#include "tessaly/generator/destination_directory.h"

#include "platform/paths.h"
#include "platform/qt/prompts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tessaly {

namespace {
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}
} // namespace

QWidget* MainWindow::buildOptionsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("optionsPage"));
    auto* grid = new QGridLayout(page);

    Check1 = checkBox(page, "Check1", QStringLiteral("Choose browser before each preview"));
    Check2 = checkBox(page, "Check2", QStringLiteral("Show Tooltips"));
    Check3 = checkBox(page, "Check3", QStringLiteral("Silence Pelfin"));
    Check4 = checkBox(page, "Check4", QStringLiteral("Freeze Splash Screen"));
    Check5 = checkBox(page, "Check5", QStringLiteral("Show in browsers without Java"));
    int row = 0;
    for (QCheckBox* box : switchBoxes())
        grid->addWidget(box, row++, 0, 1, 3);

    Text8 = new QLineEdit(page);
    Text8->setObjectName(QStringLiteral("Text8"));
    browseBrowserButton = new QPushButton(QStringLiteral("..."), page);
    browseBrowserButton->setObjectName(QStringLiteral("browseBrowserButton"));
    browseBrowserButton->setToolTip(QStringLiteral("Choose the browser program"));
    Text7 = new QLineEdit(page);
    Text7->setObjectName(QStringLiteral("Text7"));
    browseDirectoryButton = new QPushButton(QStringLiteral("..."), page);
    browseDirectoryButton->setObjectName(QStringLiteral("browseDirectoryButton"));
    browseDirectoryButton->setToolTip(QStringLiteral("Choose the folder of your web pages"));
    grid->addWidget(new QLabel(QStringLiteral("Default Browser"), page), row, 0);
    grid->addWidget(Text8, row, 1);
    grid->addWidget(browseBrowserButton, row++, 2);
    grid->addWidget(new QLabel(QStringLiteral("Default Directory"), page), row, 0);
    grid->addWidget(Text7, row, 1);
    grid->addWidget(browseDirectoryButton, row++, 2);

    Label26 = new QLabel(page);
    Label26->setObjectName(QStringLiteral("Label26"));
    Label26->setWordWrap(true);
    Label26->setText(QStringLiteral(
        "Tessaly 1.2\n"
        "The default directory is where your web pages live: Compile and Preview copy the "
        "applet class files and the sound file there, and Preview writes its page there. "
        "The default browser is the program that shows the preview. With \"Show in browsers "
        "without Java\" ticked they also copy tessaly.js there, and the code then shows its "
        "links in browsers that cannot run Java applets."));
    grid->addWidget(Label26, row++, 0, 1, 3);
    grid->setRowStretch(row, 1);

    for (QCheckBox* box : switchBoxes())
        connect(box, &QCheckBox::clicked, this, [this, box] { switchClicked(box); });
    connect(Text8, &QLineEdit::textChanged, this, &MainWindow::defaultBrowserEdited);
    connect(browseBrowserButton, &QPushButton::clicked, this, &MainWindow::browseForBrowser);
    connect(browseDirectoryButton, &QPushButton::clicked, this, &MainWindow::browseForDirectory);
    Text7->installEventFilter(this);
    return page;
}

// The boxes in the order of kSwitches.
std::array<QCheckBox*, kSwitches.size()> MainWindow::switchBoxes() const {
    return {Check1, Check2, Check3, Check4, Check5};
}

void MainWindow::loadOptions() {
    const Options options = tessaly::loadOptions(toBytes(optionsFile()));
    const auto boxes = switchBoxes();
    for (const SwitchInfo& info : kSwitches) {
        if (!options.isOn(info.option))
            continue;
        QCheckBox* box = boxes[static_cast<std::size_t>(info.option)];
        box->setChecked(true);
        switchClicked(box);
    }
    if (!options.defaultDirectory.empty())
        Text7->setText(toText(options.defaultDirectory));
    if (!options.defaultBrowser.empty())
        Text8->setText(toText(options.defaultBrowser));
    QStringList browsers;
    for (const std::string& browser : options.browsers)
        browsers << toText(browser);
    browserChooser->setBrowsers(browsers);
}

void MainWindow::switchClicked(QCheckBox* box) {
    const auto boxes = switchBoxes();
    for (const SwitchInfo& info : kSwitches) {
        if (boxes[static_cast<std::size_t>(info.option)] != box)
            continue;
        writeSwitch(toBytes(optionsFile()), info.option, box->isChecked());
        if (info.option == OptionSwitch::SilencePelfin)
            emit silencePelfinChanged(box->isChecked());
    }
}

void MainWindow::defaultBrowserEdited(const QString& text) {
    writeDefaultBrowser(toBytes(optionsFile()), toBytes(text));
}

void MainWindow::browseForBrowser() {
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("EXE files (*.exe)|*.exe");
    request.filterIndex = 1;
    const platform::FileDialogResult result = services_.prompts.openFile(this, request);
    if (!result.accepted)
        return;
    Text8->setText(result.path); // the change handler writes it
}

void MainWindow::defaultDirectoryLeft() {
    Text7->setText(toText(destinationDirectory(toBytes(Text7->text()))));
    writeDefaultDirectory(toBytes(optionsFile()), toBytes(Text7->text()));
}

void MainWindow::browseForDirectory() {
    // The user picks a folder by confirming a file name in it.
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("HTML files (*.htm)|*.htm");
    request.filterIndex = 1;
    request.fileName = QStringLiteral("ignoreme.txt");
    const platform::FileDialogResult result = services_.prompts.openFile(this, request);
    if (!result.accepted)
        return;
    std::string directory = destinationDirectory(toBytes(result.path));
    if (directory.size() > 1 && platform::isPathSeparator(directory.back()))
        directory.pop_back();
    Text7->setText(toText(directory));
    writeDefaultDirectory(toBytes(optionsFile()), directory);
}

} // namespace tessaly
