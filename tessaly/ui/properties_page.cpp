// The Properties page: the applet's look, with its colour and sound pickers.
#include "main_window.h"

#include "text_bytes.h"

#include "tessaly/generator/colour_text.h"

#include "platform/qt/prompts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace tessaly {

namespace {
QComboBox* comboBox(QWidget* parent, const char* name, const QStringList& entries) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    // Editable, as a document may hold any text for these.
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(entries);
    return box;
}

QLineEdit* textBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel* swatch(QWidget* parent, const char* name, const QString& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFixedSize(24, 20);
    label->setFrameShape(QFrame::Box);
    label->setStyleSheet(QStringLiteral("background: %1;").arg(colour));
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(QStringLiteral("Click to choose a colour"));
    return label;
}
} // namespace

QWidget* MainWindow::buildPropertiesPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("propertiesPage"));
    auto* grid = new QGridLayout(page);

    QStringList sizes;
    for (int i = 1; i <= 50; ++i)
        sizes << QString::number(i);
    Combo1 = comboBox(page, "Combo1",
                      {QStringLiteral("Pull down list"), QStringLiteral("Scroll list"),
                       QStringLiteral("Window list")});
    Combo2 = comboBox(page, "Combo2",
                      {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Top"),
                       QStringLiteral("Texttop"), QStringLiteral("Middle"),
                       QStringLiteral("Absmiddle")});
    Combo3 = comboBox(page, "Combo3", sizes);
    Combo4 = comboBox(page, "Combo4",
                      {QStringLiteral("Helvetica"), QStringLiteral("Times Roman"),
                       QStringLiteral("Courier"), QStringLiteral("Dialog")});
    Combo5 = comboBox(page, "Combo5",
                      {QStringLiteral("Normal"), QStringLiteral("Bold"), QStringLiteral("Italic"),
                       QStringLiteral("Bold+Italic")});
    Combo1->setCurrentIndex(0);
    Combo2->setCurrentIndex(0);
    Combo3->setCurrentIndex(Combo3->findText(QStringLiteral("10")));
    Combo4->setCurrentIndex(0);
    Combo5->setCurrentIndex(0);

    Text9 = textBox(page, "Text9");
    Text10 = textBox(page, "Text10");
    Text5 = textBox(page, "Text5");
    Text14 = textBox(page, "Text14");
    Text13 = textBox(page, "Text13");
    Text13->setText(QStringLiteral("H000000"));
    Text1 = textBox(page, "Text1");
    Text1->setText(QStringLiteral("H808080"));
    Picture4 = swatch(page, "Picture4", QStringLiteral("#000000"));
    Picture5 = swatch(page, "Picture5", QStringLiteral("#808080"));
    Text2 = textBox(page, "Text2");
    SSCommand9 = new QPushButton(QStringLiteral("..."), page);
    SSCommand9->setObjectName(QStringLiteral("SSCommand9"));
    SSCommand9->setToolTip(QStringLiteral("Choose a sound file"));
    Text6 = textBox(page, "Text6");

    int r = 0;
    const auto label = [&](const QString& text, int row, int column) {
        grid->addWidget(new QLabel(text, page), row, column);
    };
    label(QStringLiteral("Link Type"), r, 0);
    grid->addWidget(Combo1, r, 1, 1, 2);
    label(QStringLiteral("Alignment"), r, 3);
    grid->addWidget(Combo2, r, 4);
    ++r;
    label(QStringLiteral("Applet"), r, 0);
    label(QStringLiteral("Width"), r, 1);
    label(QStringLiteral("Height"), r, 2);
    ++r;
    grid->addWidget(Text9, r, 1);
    grid->addWidget(Text10, r, 2);
    ++r;
    label(QStringLiteral("List Size"), r, 0);
    grid->addWidget(Text5, r, 1);
    grid->addWidget(Text14, r, 2);
    ++r;
    label(QStringLiteral("Font Type/Size"), r, 0);
    grid->addWidget(Combo4, r, 1, 1, 2);
    grid->addWidget(Combo3, r, 3);
    ++r;
    label(QStringLiteral("Font Style"), r, 0);
    grid->addWidget(Combo5, r, 1, 1, 2);
    ++r;
    label(QStringLiteral("Text Colour"), r, 0);
    grid->addWidget(Text13, r, 1);
    grid->addWidget(Picture4, r, 2);
    ++r;
    label(QStringLiteral("Background Colour"), r, 0);
    grid->addWidget(Text1, r, 1);
    grid->addWidget(Picture5, r, 2);
    ++r;
    auto* soundLabel = new QLabel(QStringLiteral("S&ound file"), page);
    soundLabel->setBuddy(Text2);
    grid->addWidget(soundLabel, r, 0);
    grid->addWidget(Text2, r, 1, 1, 3);
    grid->addWidget(SSCommand9, r, 4);
    ++r;
    label(QStringLiteral("Title Caption"), r, 0);
    grid->addWidget(Text6, r, 1, 1, 4);
    ++r;

    Label25 =
        new QLabel(QStringLiteral("This screen sets the properties, such as action type, size, "
                                  "colour and sound for your applet."),
                   page);
    Label25->setObjectName(QStringLiteral("Label25"));
    Label25->setWordWrap(true);
    grid->addWidget(Label25, r, 0, 1, 4);
    SSCommand1 = new QPushButton(QStringLiteral("&Preview"), page);
    SSCommand1->setObjectName(QStringLiteral("SSCommand1"));
    SSCommand1->setProperty(
        "tag", QStringLiteral("Preview the current document using the default browser"));
    SSCommand1->setMinimumSize(72, 40);
    grid->addWidget(SSCommand1, r, 4);
    grid->setRowStretch(r + 1, 1);
    watchForTip(SSCommand1);

    connect(Combo1, &QComboBox::currentTextChanged, this, &MainWindow::applyLinkTypeRule);
    connect(SSCommand9, &QPushButton::clicked, this, &MainWindow::pickSoundFile);
    connect(SSCommand1, &QPushButton::clicked, this, &MainWindow::preview);
    Picture4->installEventFilter(this);
    Picture5->installEventFilter(this);
    return page;
}

void MainWindow::applyLinkTypeRule() {
    // The pull-down applet draws its text in its own colour; the colour is still written.
    const bool usesTextColour = linkTypeIndex(toBytes(Combo1->currentText())) != 0;
    Picture4->setEnabled(usesTextColour);
    Text13->setEnabled(usesTextColour);
}

void MainWindow::pickColour(QLineEdit* target) {
    const auto number = colourNumber(toBytes(target->text()));
    QColor initial = Qt::black;
    if (number)
        initial =
            QColor(int((*number >> 16) & 0xFF), int((*number >> 8) & 0xFF), int(*number & 0xFF));
    const std::optional<QColor> chosen = services_.prompts.color(this, initial);
    if (!chosen)
        return;
    target->setText(toText(colourText(chosen->red(), chosen->green(), chosen->blue())));
}

void MainWindow::pickSoundFile() {
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("AU files (*.au)|*.au");
    request.filterIndex = 1;
    request.fileName = QStringLiteral("*.au");
    const platform::FileDialogResult result = services_.prompts.openFile(this, request);
    if (result.accepted)
        Text2->setText(result.path);
}

} // namespace tessaly
