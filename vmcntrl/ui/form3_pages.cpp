// The wizard's pages: their fixed texts, controls and start values.
#include "form3.h"

#include "pictures.h"
#include "whats_this.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vmcntrl {

namespace {

constexpr int kTopicTemplateList = 200;
constexpr int kTopicPreview = 201;
constexpr int kTopicSaveStyle = 202;
constexpr int kTopicResponse = 203;
constexpr int kTopicResponsePicture = 204;
constexpr int kTopicCopyTo = 205;
constexpr int kTopicFromSubject = 206;
constexpr int kTopicScriptName = 207;

template <typename W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QLabel* wrapped(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QLabel* artwork(QStyle* style, const char* name, QStyle::StandardPixmap fallback) {
    auto* label = new QLabel;
    label->setPixmap(panelPicture(name, fallback, style));
    return label;
}

} // namespace

QWidget* Form3::page(const QString& title, const QStringList& texts, QWidget* extra) {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    auto* heading = new QLabel(title);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    heading->setFont(bold);
    layout->addWidget(heading);
    if (SSTab1->count() == 1)
        TitleLabel = named(heading, QStringLiteral("TitleLabel"));
    for (const QString& text : texts)
        layout->addWidget(wrapped(text));
    // A part that can use more height (the form preview) takes the page's spare room.
    const bool extraGrows =
        extra && (extra->sizePolicy().verticalPolicy() & QSizePolicy::ExpandFlag) != 0;
    if (extra)
        layout->addWidget(extra, extraGrows ? 1 : 0);
    if (!extraGrows)
        layout->addStretch(1);
    return widget;
}

void Form3::buildPages() {
    SSTab1 = named(new QTabWidget, QStringLiteral("SSTab1"));
    SSTab1->tabBar()->hide(); // pages change only with Next and Back
    auto add = [this](QWidget* w) { SSTab1->addTab(w, QString::number(SSTab1->count())); };

    add(page(tr("Welcome to the Vellum Script Wizard."),
             {tr("This Wizard helps you build a basic Vellum Script."),
              tr("After creating your Script you may use the Vellum Control Panel to customize it "
                 "further."),
              tr("To begin creating your new Script, choose Next.")},
             artwork(style(), "wizard-welcome", QStyle::SP_FileDialogNewFolder)));

    auto* formPage = new QWidget;
    formPage->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto* formLayout = new QVBoxLayout(formPage);
    auto* comboLabel = new QLabel(tr("&Select a for&m from the drop down list"));
    Combo1 = named(new QComboBox, QStringLiteral("Combo1"));
    comboLabel->setBuddy(Combo1);
    NoTemplates = named(wrapped(tr("No form templates were found in the template folder. The "
                                   "script will be created without a form file.")),
                        QStringLiteral("NoTemplates"));
    NoTemplates->hide();
    PreviewFrame = named(new QStackedWidget, QStringLiteral("PreviewFrame"));
    PreviewFrame->setFrameShape(QFrame::StyledPanel);
    PreviewFrame->setMinimumSize(220, 140);
    Image3_0 = named(new QLabel, QStringLiteral("Image3_0"));
    Image3_0->setAlignment(Qt::AlignCenter);
    // The fitted picture follows the frame's size and never sets it.
    Image3_0->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    PreviewFrame->installEventFilter(this);
    Image3_1 = named(artwork(style(), "preview-placeholder", QStyle::SP_FileIcon),
                     QStringLiteral("Image3_1"));
    Image3_1->setAlignment(Qt::AlignCenter);
    PreviewFrame->addWidget(Image3_0);
    PreviewFrame->addWidget(Image3_1);
    formLayout->addWidget(comboLabel);
    formLayout->addWidget(Combo1);
    formLayout->addWidget(NoTemplates);
    formLayout->addWidget(PreviewFrame, 1);
    add(page(tr("Form"), {}, formPage));

    auto* stylePage = new QWidget;
    auto* styleGrid = new QGridLayout(stylePage);
    const QString captions[3] = {tr("Don't Save"), tr("&Text"), tr("Data")};
    const QString explanations[3] = {
        tr("Form contents processed for Email, but not saved.\nSelect this option if you don't "
           "need to save the information, but wish to send it via Email."),
        tr("Form contents saved in a simple text file.\nSelect this option to save the submission "
           "in a text file along with information about the transaction."),
        tr("Form contents saved as comma separated values.\nSelect this option if you wish to "
           "import the submission from this form into a database or spreadsheet.")};
    for (int i = 0; i < 3; ++i) {
        opStyle[i] = named(new QRadioButton(captions[i]), QStringLiteral("opStyle_%1").arg(i));
        styleGrid->addWidget(opStyle[i], i, 0, Qt::AlignTop);
        styleGrid->addWidget(wrapped(explanations[i]), i, 1);
    }
    add(page(tr("Save form contents"),
             {tr("Select a type of output to save the information from the Form to your disk.")},
             stylePage));

    auto* responsePage = new QWidget;
    auto* responseGrid = new QGridLayout(responsePage);
    Option1[0] = named(new QRadioButton(tr("Send a simple confirmation of &data received")),
                       QStringLiteral("Option1_0"));
    Option1[1] =
        named(new QRadioButton(tr("Send the user to this &URL:")), QStringLiteral("Option1_1"));
    Text2 = named(new QLineEdit(QStringLiteral("HTTP://")), QStringLiteral("Text2"));
    Picture3 =
        named(artwork(style(), "vmcntrl", QStyle::SP_DesktopIcon), QStringLiteral("Picture3"));
    responseGrid->addWidget(Option1[0], 0, 0, 1, 2);
    responseGrid->addWidget(Option1[1], 1, 0);
    responseGrid->addWidget(Text2, 1, 1);
    responseGrid->addWidget(Picture3, 2, 0);
    add(page(tr("Response to browser"), {}, responsePage));

    auto* mailPage = new QWidget;
    auto* mailGrid = new QGridLayout(mailPage);
    Check2 = named(new QCheckBox(tr("Co&py Form Contents to:")), QStringLiteral("Check2"));
    Text3 = named(new QLineEdit(tr("Email Address")), QStringLiteral("Text3"));
    LabelFrom = named(wrapped(tr("Enter the Name or &Organization you wish to appear in the "
                                 "\"From:\" field of the Email")),
                      QStringLiteral("LabelFrom"));
    Text5 = named(new QLineEdit(tr("Name or Organization")), QStringLiteral("Text5"));
    LabelFrom->setBuddy(Text5);
    LabelSubject =
        named(new QLabel(tr("Enter the Subject of the &Email")), QStringLiteral("LabelSubject"));
    Text6 = named(new QLineEdit(tr("Subject")), QStringLiteral("Text6"));
    LabelSubject->setBuddy(Text6);
    mailGrid->addWidget(Check2, 0, 0);
    mailGrid->addWidget(Text3, 0, 1);
    mailGrid->addWidget(LabelFrom, 1, 0, 1, 2);
    mailGrid->addWidget(Text5, 2, 0, 1, 2);
    mailGrid->addWidget(LabelSubject, 3, 0, 1, 2);
    mailGrid->addWidget(Text6, 4, 0, 1, 2);
    add(page(tr("Emailing"),
             {tr("If you want to send a copy of the information filled into a form to an email "
                 "address, check the 'Copy Form Contents to:' box and enter the email address "
                 "below")},
             mailPage));

    auto* namePage = new QWidget;
    auto* nameRow = new QHBoxLayout(namePage);
    LabelScriptName = named(new QLabel(tr("&Script Name:")), QStringLiteral("LabelScriptName"));
    Text1 = named(new QLineEdit, QStringLiteral("Text1"));
    LabelScriptName->setBuddy(Text1);
    nameRow->addWidget(LabelScriptName);
    nameRow->addWidget(Text1, 1);
    add(page(tr("Script Name"),
             {tr("Choose a name that is descriptive of the Form you have designed to make it easy "
                 "for you to recognize."),
              tr("Type the name you wish to give this script. It should be 32 characters or less, "
                 "and contain no spaces or symbols."),
              tr("Example: Feedback_Form")},
             namePage));

    auto* readyPage = new QWidget;
    auto* readyLayout = new QVBoxLayout(readyPage);
    ProgressBar1 = named(new QProgressBar, QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->hide();
    readyLayout->addWidget(artwork(style(), "wizard-ready", QStyle::SP_DialogApplyButton));
    readyLayout->addWidget(ProgressBar1);
    add(page(
        tr("Ready for Setup"),
        {tr("The Script Wizard now has the information it needs to create your Vellum script."),
         tr("To review your selections, use the Back button."),
         tr("Click Next to begin creating the configuration entries and files for your new "
            "Script.")},
        readyPage));

    add(page(tr("Script Complete!"),
             {tr("Your script is ready to use!"),
              tr("To try out your new script, select Run from the Options menu."),
              tr("To see a report about this script, select Report from the Options menu."),
              tr("To exit the Script Wizard and return to Vellum, choose Finish.")},
             artwork(style(), "wizard-complete", QStyle::SP_DialogYesButton)));

    cmdNext = named(new QPushButton(tr("  &Next >>  ")), QStringLiteral("cmdNext"));
    cmdBack = named(new QPushButton(tr("  << &Back  ")), QStringLiteral("cmdBack"));
    cmdFinish = named(new QPushButton(tr("&Finish")), QStringLiteral("cmdFinish"));
    cmdCancel = named(new QPushButton(tr("&Cancel")), QStringLiteral("cmdCancel"));
    for (QPushButton* b : {cmdNext, cmdBack, cmdFinish, cmdCancel})
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {cmdNext, cmdBack, cmdFinish, cmdCancel})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1, 1);
    layout->addLayout(buttons);

    whatsThis_->offer(cmdCancel, kTopicCancel);
    whatsThis_->offer(cmdFinish, kTopicOk);
    whatsThis_->offer(cmdNext, kTopicNext);
    whatsThis_->offer(cmdBack, kTopicBack);
    whatsThis_->offer(Check2, kTopicCopyTo);
    for (QWidget* w : {static_cast<QWidget*>(opStyle[0]), static_cast<QWidget*>(opStyle[1]),
                       static_cast<QWidget*>(opStyle[2])})
        whatsThis_->offer(w, kTopicSaveStyle);
    whatsThis_->offer(Option1[0], kTopicResponse);
    whatsThis_->offer(Option1[1], kTopicResponse);
    whatsThis_->offer(Image3_0, kTopicPreview);
    whatsThis_->offer(Image3_1, kTopicPreview);
    whatsThis_->offer(Picture3, kTopicResponsePicture);
    whatsThis_->offer(LabelFrom, kTopicFromSubject);
    whatsThis_->offer(LabelSubject, kTopicFromSubject);
    whatsThis_->offer(TitleLabel, kTopicTemplateList);
    whatsThis_->offer(LabelScriptName, kTopicScriptName);
}

} // namespace vmcntrl
