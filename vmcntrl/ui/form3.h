#pragma once

#include "vmcntrl/config/form_templates.h"
#include "vmcntrl/config/wizard_choices.h"

#include <QDialog>
#include <QPixmap>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;

namespace vmcntrl {

class Form1;
class WhatsThisMenu;

// The Script Wizard: eight pages that collect a new script's choices, then write its form
// and data file, fill the editor and press the editor's own Save.
class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(Form1* main);

    int page() const;
    WhatsThisMenu* whatsThis() const { return whatsThis_; }
    const std::vector<FormTemplate>& templates() const { return templates_; }

    QTabWidget* SSTab1;
    QLabel* TitleLabel;
    QComboBox* Combo1;
    QLabel* NoTemplates;
    QStackedWidget* PreviewFrame;
    QLabel* Image3_0;
    QLabel* Image3_1;
    QRadioButton* opStyle[3];
    QRadioButton* Option1[2];
    QLineEdit* Text2;
    QLabel* Picture3;
    QCheckBox* Check2;
    QLineEdit* Text3;
    QLabel* LabelFrom;
    QLineEdit* Text5;
    QLabel* LabelSubject;
    QLineEdit* Text6;
    QLabel* LabelScriptName;
    QLineEdit* Text1;
    QProgressBar* ProgressBar1;
    QPushButton* cmdNext;
    QPushButton* cmdBack;
    QPushButton* cmdFinish;
    QPushButton* cmdCancel;

private:
    // form3_pages.cpp
    void buildPages();
    QWidget* page(const QString& title, const QStringList& texts, QWidget* extra = nullptr);
    // form3.cpp
    void scanTemplates();
    void selectTemplate(int index);
    void next();
    void back();
    void goTo(int page);
    bool nameAccepted();
    void createScript();
    WizardChoices choices() const;
    void fitPreview();
    bool eventFilter(QObject* watched, QEvent* event) override;

    Form1* main_;
    WhatsThisMenu* whatsThis_;
    std::vector<FormTemplate> templates_;
    std::string selectedTemplate_;
    QPixmap previewPicture_; // at its own size; Image3_0 shows it fitted to the frame
};

} // namespace vmcntrl
