#include "main_window.h"

#include "browser_chooser.h"
#include "button_maker.h"
#include "text_bytes.h"
#include "window_placement.h"

#include "tessaly/document/options_file.h"

#include "platform/paths.h"
#include "platform/qt/prompts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tessaly {

namespace {
QPushButton* bigButton(QWidget* parent, const char* name, const QString& caption,
                       const QString& tag) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setProperty("tag", tag);
    button->setMinimumSize(72, 40);
    return button;
}
} // namespace

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("fMain"));
    setWindowTitle(QStringLiteral("Tessaly"));

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    buildButtonRow(row);
    layout->addLayout(row);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildLinksPage(), QStringLiteral("Links"));
    SSTab1->addTab(buildPropertiesPage(), QStringLiteral("Properties"));
    SSTab1->addTab(buildOptionsPage(), QStringLiteral("Options"));

    buttonMaker = new ButtonMaker(services_.prompts, this);
    buttonMaker->setObjectName(QStringLiteral("buttonMaker"));
    connect(buttonMaker, &ButtonMaker::closeRequested, this, [this] { showButtonMaker(false); });
    buttonMaker->setDestination([this] { return Text7->text(); });

    tabArea = new QStackedWidget(this);
    tabArea->setObjectName(QStringLiteral("tabArea"));
    tabArea->addWidget(SSTab1);
    tabArea->addWidget(buttonMaker);
    layout->addWidget(tabArea, 1);

    // The tip floats over the window under the button it describes.
    Label29 = new QLabel(this);
    Label29->setObjectName(QStringLiteral("Label29"));
    Label29->setFont(QFont(QStringLiteral("Arial"), 9));
    Label29->setAutoFillBackground(true);
    Label29->setStyleSheet(
        QStringLiteral("background: #ffffe1; border: 1px solid black; padding: 1px 3px;"));
    Label29->hide();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Label29->hide();
        Timer1->stop();
    });

    browserChooser = new BrowserChooser(services_.prompts, this);
    browserChooser->setObjectName(QStringLiteral("browserChooser"));

    // F1 anywhere in the window opens the help, as the Help button does.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setObjectName(QStringLiteral("helpShortcut"));
    connect(f1, &QShortcut::activated, this, &MainWindow::showHelp);

    for (QWidget* tipped : {SSCommand9, browseBrowserButton, browseDirectoryButton})
        tipped->installEventFilter(this);

    resize(620, 460);
    centreOnScreenWhenShown(this);
    applyLinkTypeRule();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildButtonRow(QHBoxLayout* row) {
    SSCommand2 = bigButton(this, "SSCommand2", QStringLiteral("&New"), QString());
    SSCommand3 = bigButton(this, "SSCommand3", QStringLiteral("&Open"),
                           QStringLiteral("Open an existing Tessaly configuration"));
    SSCommand4 = bigButton(this, "SSCommand4", QStringLiteral("&Save"),
                           QStringLiteral("Save the current Tessaly configuration"));
    SSCommand13 = bigButton(this, "SSCommand13", QStringLiteral("&Create"),
                            QStringLiteral("Create your own buttons"));
    SSCommand5 = bigButton(this, "SSCommand5", QStringLiteral("&Compile"),
                           QStringLiteral("Put the HTML code in the clipboard"));
    SSCommand6 =
        bigButton(this, "SSCommand6", QStringLiteral("&Quit"), QStringLiteral("Quit Tessaly"));
    SSCommand7 = bigButton(this, "SSCommand7", QStringLiteral("&Help"),
                           QStringLiteral("Get Help on Tessaly"));
    for (QPushButton* b :
         {SSCommand2, SSCommand3, SSCommand4, SSCommand13, SSCommand5, SSCommand6, SSCommand7})
        row->addWidget(b);
    row->addStretch(1);
    row->addWidget(buildMascot());
    for (QPushButton* b : {SSCommand3, SSCommand4, SSCommand13, SSCommand5, SSCommand6, SSCommand7})
        watchForTip(b);

    connect(SSCommand2, &QPushButton::clicked, this, &MainWindow::newDocument);
    connect(SSCommand3, &QPushButton::clicked, this, &MainWindow::openDocumentFile);
    connect(SSCommand4, &QPushButton::clicked, this, &MainWindow::saveDocumentFile);
    connect(SSCommand13, &QPushButton::clicked, this, [this] { showButtonMaker(true); });
    connect(SSCommand5, &QPushButton::clicked, this, &MainWindow::compile);
    // A mascot dance in progress sees the flag at its next step and stops there, so the
    // program does not linger for the rest of its waits and sounds.
    connect(SSCommand6, &QPushButton::clicked, this, [this] { ending_ = true; });
    connect(SSCommand6, &QPushButton::clicked, qApp, &QApplication::quit, Qt::QueuedConnection);
    connect(SSCommand7, &QPushButton::clicked, this, &MainWindow::showHelp);
}

QString MainWindow::optionsFile() const {
    return toText(optionsFilePath(toBytes(services_.programDirectory)));
}

QString MainWindow::helpFile() const {
    return toText(platform::joinPath(toBytes(services_.programDirectory), "Tessaly.hlp"));
}

Document MainWindow::documentFromControls() const {
    Document d;
    for (int i = 0; i < List1->count(); ++i)
        d.links.append(toBytes(List1->item(i)->text()), toBytes(List2->item(i)->text()),
                       toBytes(List3->item(i)->text()));
    AppletProperties& p = d.properties;
    p[Property::LinkType] = toBytes(Combo1->currentText());
    p[Property::Alignment] = toBytes(Combo2->currentText());
    p[Property::FontType] = toBytes(Combo4->currentText());
    p[Property::FontSize] = toBytes(Combo3->currentText());
    p[Property::FontStyle] = toBytes(Combo5->currentText());
    p[Property::ListWidth] = toBytes(Text5->text());
    p[Property::ListHeight] = toBytes(Text14->text());
    p[Property::AppletWidth] = toBytes(Text9->text());
    p[Property::AppletHeight] = toBytes(Text10->text());
    p[Property::TextColour] = toBytes(Text13->text());
    p[Property::BackgroundColour] = toBytes(Text1->text());
    p[Property::Title] = toBytes(Text6->text());
    p[Property::Sound] = toBytes(Text2->text());
    return d;
}

void MainWindow::showDocument(const Document& document) {
    List1->clear();
    List2->clear();
    List3->clear();
    const LinkList& links = document.links;
    for (std::size_t i = 0; i < links.size(); ++i) {
        List1->addItem(toText(links.descriptions()[i]));
        List2->addItem(toText(links.urls()[i]));
        List3->addItem(toText(links.frames()[i]));
    }
    updateScrollRange();
    if (!links.empty())
        selectLink(0);
    showProperties(document.properties);
}

void MainWindow::showProperties(const AppletProperties& p) {
    // The combo boxes show any text a document holds; an entry of the list is selected
    // only when the text is one.
    const auto setCombo = [](QComboBox* box, const std::string& value) {
        const QString text = toText(value);
        box->setCurrentIndex(box->findText(text, Qt::MatchExactly));
        box->setEditText(text);
    };
    setCombo(Combo1, p[Property::LinkType]);
    setCombo(Combo2, p[Property::Alignment]);
    setCombo(Combo4, p[Property::FontType]);
    setCombo(Combo3, p[Property::FontSize]);
    setCombo(Combo5, p[Property::FontStyle]);
    Text5->setText(toText(p[Property::ListWidth]));
    Text14->setText(toText(p[Property::ListHeight]));
    Text9->setText(toText(p[Property::AppletWidth]));
    Text10->setText(toText(p[Property::AppletHeight]));
    Text13->setText(toText(p[Property::TextColour]));
    Text1->setText(toText(p[Property::BackgroundColour]));
    Text6->setText(toText(p[Property::Title]));
    Text2->setText(toText(p[Property::Sound]));
    applyLinkTypeRule();
}

void MainWindow::message(const QString& text) {
    services_.prompts.message(this, text);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program at once, dialogs and all; nothing is asked.
    event->accept();
    ending_ = true;
    QCoreApplication::quit();
}

void MainWindow::showButtonMaker(bool show) {
    tabArea->setCurrentWidget(show ? static_cast<QWidget*>(buttonMaker) : SSTab1);
}

} // namespace tessaly
