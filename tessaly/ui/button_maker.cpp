#include "button_maker.h"

#include "text_bytes.h"

#include "tessaly/generator/destination_directory.h"

#include "platform/qt/prompts.h"

#include <QFontComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

namespace tessaly {

QImage renderButtonImage(const ButtonDesign& d) {
    QImage image(qMax(1, d.width), qMax(1, d.height), QImage::Format_ARGB32);
    image.fill(d.faceColour);
    QPainter painter(&image);
    const int w = image.width() - 1;
    const int h = image.height() - 1;
    // Light from the top left: a bright upper edge, a dark lower edge.
    painter.setPen(d.faceColour.lighter(160));
    painter.drawLine(0, 0, w, 0);
    painter.drawLine(0, 0, 0, h);
    painter.setPen(d.faceColour.darker(200));
    painter.drawLine(0, h, w, h);
    painter.drawLine(w, 0, w, h);
    painter.setPen(d.faceColour.darker(140));
    painter.drawLine(1, h - 1, w - 1, h - 1);
    painter.drawLine(w - 1, 1, w - 1, h - 1);
    QFont font(d.fontFamily);
    font.setPixelSize(qMax(1, d.fontSize));
    font.setBold(d.bold);
    painter.setFont(font);
    painter.setPen(d.textColour);
    painter.drawText(image.rect(), Qt::AlignCenter, d.caption);
    return image;
}

namespace {
QSpinBox* spinBox(QWidget* parent, const char* name, int low, int high, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(low, high);
    box->setValue(value);
    return box;
}
QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}
} // namespace

ButtonMaker::ButtonMaker(platform::Prompts& prompts, QWidget* parent)
    : QWidget(parent), prompts_(prompts) {
    auto* grid = new QGridLayout(this);
    captionText = new QLineEdit(QStringLiteral("Home"), this);
    captionText->setObjectName(QStringLiteral("captionText"));
    fontChoice = new QFontComboBox(this);
    fontChoice->setObjectName(QStringLiteral("fontChoice"));
    fontSizeChoice = spinBox(this, "fontSizeChoice", 6, 72, 14);
    boldButton = button(this, "boldButton", QStringLiteral("Bold"));
    boldButton->setCheckable(true);
    textColourButton = button(this, "textColourButton", QStringLiteral("Text Colour..."));
    faceColourButton = button(this, "faceColourButton", QStringLiteral("Button Colour..."));
    widthChoice = spinBox(this, "widthChoice", 8, 800, 120);
    heightChoice = spinBox(this, "heightChoice", 8, 400, 32);
    buttonPreview = new QLabel(this);
    buttonPreview->setObjectName(QStringLiteral("buttonPreview"));
    buttonPreview->setMinimumHeight(90);
    buttonPreview->setAlignment(Qt::AlignCenter);
    fileNameText = new QLineEdit(QStringLiteral("button.png"), this);
    fileNameText->setObjectName(QStringLiteral("fileNameText"));
    saveButton = button(this, "saveButton", QStringLiteral("&Save Image"));
    backButton = button(this, "backButton", QStringLiteral("&Back"));

    int r = 0;
    grid->addWidget(new QLabel(QStringLiteral("Caption"), this), r, 0);
    grid->addWidget(captionText, r, 1, 1, 3);
    ++r;
    grid->addWidget(new QLabel(QStringLiteral("Font"), this), r, 0);
    grid->addWidget(fontChoice, r, 1);
    grid->addWidget(fontSizeChoice, r, 2);
    grid->addWidget(boldButton, r, 3);
    ++r;
    grid->addWidget(new QLabel(QStringLiteral("Colours"), this), r, 0);
    grid->addWidget(textColourButton, r, 1);
    grid->addWidget(faceColourButton, r, 2);
    ++r;
    grid->addWidget(new QLabel(QStringLiteral("Width/Height"), this), r, 0);
    grid->addWidget(widthChoice, r, 1);
    grid->addWidget(heightChoice, r, 2);
    ++r;
    grid->addWidget(buttonPreview, r, 0, 1, 4);
    ++r;
    grid->addWidget(new QLabel(QStringLiteral("File name"), this), r, 0);
    grid->addWidget(fileNameText, r, 1);
    grid->addWidget(saveButton, r, 2);
    grid->addWidget(backButton, r, 3);
    grid->setRowStretch(r + 1, 1);

    connect(captionText, &QLineEdit::textChanged, this, &ButtonMaker::updatePreview);
    connect(fontChoice, &QFontComboBox::currentFontChanged, this, &ButtonMaker::updatePreview);
    connect(fontSizeChoice, &QSpinBox::valueChanged, this, &ButtonMaker::updatePreview);
    connect(boldButton, &QPushButton::toggled, this, &ButtonMaker::updatePreview);
    connect(widthChoice, &QSpinBox::valueChanged, this, &ButtonMaker::updatePreview);
    connect(heightChoice, &QSpinBox::valueChanged, this, &ButtonMaker::updatePreview);
    connect(textColourButton, &QPushButton::clicked, this, [this] { pickColour(textColour_); });
    connect(faceColourButton, &QPushButton::clicked, this, [this] { pickColour(faceColour_); });
    connect(saveButton, &QPushButton::clicked, this, &ButtonMaker::saveImage);
    connect(backButton, &QPushButton::clicked, this, &ButtonMaker::closeRequested);
    updatePreview();
}

void ButtonMaker::setDestination(std::function<QString()> defaultDirectory) {
    defaultDirectory_ = std::move(defaultDirectory);
}

ButtonDesign ButtonMaker::design() const {
    ButtonDesign d;
    d.caption = captionText->text();
    d.fontFamily = fontChoice->currentFont().family();
    d.fontSize = fontSizeChoice->value();
    d.bold = boldButton->isChecked();
    d.textColour = textColour_;
    d.faceColour = faceColour_;
    d.width = widthChoice->value();
    d.height = heightChoice->value();
    return d;
}

void ButtonMaker::updatePreview() {
    buttonPreview->setPixmap(QPixmap::fromImage(renderButtonImage(design())));
}

void ButtonMaker::pickColour(QColor& colour) {
    if (const std::optional<QColor> chosen = prompts_.color(this, colour)) {
        colour = *chosen;
        updatePreview();
    }
}

QString ButtonMaker::saveImage() {
    QString name = fileNameText->text().trimmed();
    if (name.isEmpty())
        name = QStringLiteral("button.png");
    if (!name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        name += QStringLiteral(".png");
    const QString folder = defaultDirectory_ ? defaultDirectory_() : QString();
    const QString path =
        toText(destinationFile(destinationDirectory(toBytes(folder)), toBytes(name)));
    if (!renderButtonImage(design()).save(path, "PNG")) {
        prompts_.message(this,
                         QStringLiteral("The button image could not be saved as %1.").arg(path),
                         platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
        return QString();
    }
    prompts_.message(this, QStringLiteral("The button image has been saved as %1.").arg(path));
    return path;
}

} // namespace tessaly
