#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>

class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace platform {
class Prompts;
}

namespace tessaly {

// What a button image shows.
struct ButtonDesign {
    QString caption;
    QString fontFamily;
    int fontSize = 12;
    bool bold = false;
    QColor textColour = Qt::black;
    QColor faceColour = QColor(0xC0, 0xC0, 0xC0);
    int width = 120;
    int height = 32;
};

// A raised three-dimensional button face with its caption centred.
QImage renderButtonImage(const ButtonDesign& design);

// Makes button images for web pages: a caption in a chosen font and colours, at a chosen
// size, previewed live and saved as PNG into the default directory.
class ButtonMaker : public QWidget {
    Q_OBJECT
public:
    ButtonMaker(platform::Prompts& prompts, QWidget* parent = nullptr);

    // Where images are saved: the default directory text, asked for at each save.
    void setDestination(std::function<QString()> defaultDirectory);
    ButtonDesign design() const;
    // Saves the current image; returns the path written, or an empty text on failure
    // (the user is told why).
    QString saveImage();

    QLineEdit* captionText = nullptr;
    QFontComboBox* fontChoice = nullptr;
    QSpinBox* fontSizeChoice = nullptr;
    QPushButton* boldButton = nullptr;
    QPushButton* textColourButton = nullptr;
    QPushButton* faceColourButton = nullptr;
    QSpinBox* widthChoice = nullptr;
    QSpinBox* heightChoice = nullptr;
    QLabel* buttonPreview = nullptr;
    QLineEdit* fileNameText = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* backButton = nullptr;

signals:
    void closeRequested();

private:
    void updatePreview();
    void pickColour(QColor& colour);

    platform::Prompts& prompts_;
    std::function<QString()> defaultDirectory_;
    QColor textColour_ = Qt::black;
    QColor faceColour_ = QColor(0xC0, 0xC0, 0xC0);
};

} // namespace tessaly
