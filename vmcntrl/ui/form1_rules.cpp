// The editor's option and check rules: what each click shows, hides, empties and enables.
#include "elided_label.h"
#include "form1.h"
#include "script_selector.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace vmcntrl {

namespace {

void setTextColour(QLineEdit* box, bool normal) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text,
                     normal ? QPalette().color(QPalette::Text) : QColor(128, 128, 128));
    box->setPalette(palette);
}

} // namespace

void Form1::connectRules() {
    auto onClick = [this](QAbstractButton* control, void (Form1::*rule)()) {
        connect(control, &QAbstractButton::clicked, this, [this, rule] {
            (this->*rule)();
            dirty_ = true;
        });
    };
    onClick(OptionDiscard, &Form1::onOptionDiscard);
    onClick(OptionComma, &Form1::onOptionCommaOrText);
    onClick(OptionPlnTxt, &Form1::onOptionCommaOrText);
    onClick(OptionPlnHtm, &Form1::onOptionPlnHtm);
    onClick(OptionAppendTop, &Form1::onOptionAppendTopOrBottom);
    onClick(OptionAppendBottom, &Form1::onOptionAppendTopOrBottom);
    onClick(OptionAppendDiscrete, &Form1::onOptionAppendDiscrete);
    onClick(OptionSimple, &Form1::onOptionSimple);
    onClick(OptionConf, &Form1::onOptionConf);
    onClick(OptionSendURL, &Form1::onOptionSendURL);
    onClick(CheckLtr, &Form1::applyLetterColour);
    onClick(CheckBeepTo, &Form1::applyCopyToColour);
    connect(CheckAllowOnly, &QCheckBox::clicked, this, [this] { dirty_ = true; });
    connect(CheckUseFrom, &QCheckBox::clicked, this, [this](bool on) {
        TextFromAddr->setText(on ? QString::fromLocal8Bit(kUseFormFrom.data(), kUseFormFrom.size())
                                 : QString());
        dirty_ = true;
    });
    connect(CheckUseSubj, &QCheckBox::clicked, this, [this](bool on) {
        TextSubj->setText(
            on ? QString::fromLocal8Bit(kUseFormSubject.data(), kUseFormSubject.size())
               : QString());
        dirty_ = true;
    });
    connect(TextBeepTo, &QLineEdit::textChanged, this, [this] { applyEmailRule(); });
    // Every change of a box's text counts as an edit, also one the program makes; load and
    // save clear the flag after they have filled the boxes.
    for (QLineEdit* box : findChildren<QLineEdit*>())
        if (box != ComboVell->lineEdit())
            connect(box, &QLineEdit::textChanged, this, [this] { dirty_ = true; });
}

void Form1::onOptionDiscard() {
    LabelWriteTo->hide();
    TextVMArchiveFile->hide();
    CommandBrowseout->hide();
    CommandOedit->hide();
    TextVMArchiveFile->clear();
    xPanel3D66->hide();
}

void Form1::onOptionCommaOrText() {
    for (QWidget* w : std::initializer_list<QWidget*>{LabelWriteTo, TextVMArchiveFile,
                                                      CommandBrowseout, CommandOedit})
        w->show();
    xPanel3D66->hide();
}

void Form1::onOptionPlnHtm() {
    for (QWidget* w : std::initializer_list<QWidget*>{LabelWriteTo, TextVMArchiveFile,
                                                      CommandBrowseout, CommandOedit, xPanel3D66})
        w->show();
    OptionAppendTop->setChecked(true);
    onOptionAppendTopOrBottom();
}

void Form1::onOptionAppendTopOrBottom() {
    for (QWidget* w : std::initializer_list<QWidget*>{LabelWriteTo, TextVMArchiveFile,
                                                      CommandBrowseout, CommandOedit})
        w->show();
    TextDiscreteDir->clear();
    TextDiscreteDir->setEnabled(false);
    CommandBrowseDiscreteDir->setEnabled(false);
}

void Form1::onOptionAppendDiscrete() {
    TextVMArchiveFile->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{LabelWriteTo, TextVMArchiveFile,
                                                      CommandBrowseout, CommandOedit})
        w->hide();
    TextDiscreteDir->setEnabled(true);
    CommandBrowseDiscreteDir->setEnabled(true);
}

void Form1::onOptionSimple() {
    CommandBrowseConf->setEnabled(false);
    CommandCnfEdit->setEnabled(false);
    TextVMConfFile->setText(
        QString::fromLocal8Bit(kDefaultConfirmation.data(), kDefaultConfirmation.size()));
}

// The stored paths these two options put back come from the current section: the script last
// loaded, or Config (which has neither key) after the settings were read.
void Form1::onOptionConf() {
    CommandBrowseConf->setEnabled(true);
    CommandCnfEdit->setEnabled(true);
    TextVMConfFile->setText(QString::fromLocal8Bit(ini_.readCurrent("SendConf")));
    TextVMConfURL->clear();
}

void Form1::onOptionSendURL() {
    CommandBrowseConf->setEnabled(false);
    CommandCnfEdit->setEnabled(false);
    TextVMConfURL->setText(QString::fromLocal8Bit(ini_.readCurrent("SendURL")));
    TextVMConfFile->clear();
}

void Form1::applyLetterColour() {
    setTextColour(TextLtrBody, CheckLtr->isChecked());
    applyEmailRule();
}

void Form1::applyCopyToColour() {
    setTextColour(TextBeepTo, CheckBeepTo->isChecked());
    applyEmailRule();
}

// From and Subject only matter while some e-mail goes out.
void Form1::applyEmailRule() {
    const bool mail = CheckLtr->isChecked() || CheckBeepTo->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{TextFromAddr, TextSubj, CheckUseFrom, CheckUseSubj})
        w->setEnabled(mail);
}

EditorState Form1::stateFromControls() const {
    EditorState s;
    s.form = TextForm->text().toLocal8Bit().toStdString();
    s.allowOnly = CheckAllowOnly->isChecked();
    s.saveStyle = OptionDiscard->isChecked()  ? SaveStyle::Discard
                  : OptionComma->isChecked()  ? SaveStyle::Comma
                  : OptionPlnTxt->isChecked() ? SaveStyle::Text
                                              : SaveStyle::Template;
    s.insert = OptionAppendDiscrete->isChecked() ? InsertMode::NewDocument
               : OptionAppendBottom->isChecked() ? InsertMode::AfterOld
                                                 : InsertMode::BeforeOld;
    s.writeToFile = TextVMArchiveFile->text().toLocal8Bit().toStdString();
    s.outputTemplate = TextHTemplate->text().toLocal8Bit().toStdString();
    s.newDocumentDirectory = TextDiscreteDir->text().toLocal8Bit().toStdString();
    s.response = OptionConf->isChecked()      ? Response::Template
                 : OptionSendURL->isChecked() ? Response::Url
                                              : Response::Simple;
    s.confirmationTemplate = TextVMConfFile->text().toLocal8Bit().toStdString();
    s.url = TextVMConfURL->text().toLocal8Bit().toStdString();
    s.windowTarget = TextWinTarget->text().toLocal8Bit().toStdString();
    s.letter = CheckLtr->isChecked();
    s.letterBody = TextLtrBody->text().toLocal8Bit().toStdString();
    s.from = TextFromAddr->text().toLocal8Bit().toStdString();
    s.useFrom = CheckUseFrom->isChecked();
    s.subject = TextSubj->text().toLocal8Bit().toStdString();
    s.useSubject = CheckUseSubj->isChecked();
    s.copyTo = CheckBeepTo->isChecked();
    s.copyToText = TextBeepTo->text().toLocal8Bit().toStdString();
    return s;
}

// What a load does to the controls: select the options as clicks would, then fill the boxes.
void Form1::showState(const EditorState& s) {
    auto text = [](const std::string& bytes) { return QString::fromLocal8Bit(bytes); };
    switch (s.response) {
    case Response::Simple:
        OptionSimple->setChecked(true);
        onOptionSimple();
        break;
    case Response::Template:
        OptionConf->setChecked(true);
        onOptionConf();
        break;
    case Response::Url:
        OptionSendURL->setChecked(true);
        onOptionSendURL();
        break;
    }
    if (s.response == Response::Template)
        TextVMConfFile->setText(text(s.confirmationTemplate));
    if (s.response == Response::Url)
        TextVMConfURL->setText(text(s.url));

    switch (s.saveStyle) {
    case SaveStyle::Discard:
        OptionDiscard->setChecked(true);
        onOptionDiscard();
        break;
    case SaveStyle::Comma:
        OptionComma->setChecked(true);
        onOptionCommaOrText();
        break;
    case SaveStyle::Text:
        OptionPlnTxt->setChecked(true);
        onOptionCommaOrText();
        break;
    case SaveStyle::Template:
        OptionPlnHtm->setChecked(true);
        onOptionPlnHtm();
        if (s.insert == InsertMode::NewDocument) {
            OptionAppendDiscrete->setChecked(true);
            onOptionAppendDiscrete();
            TextDiscreteDir->setText(text(s.newDocumentDirectory));
        } else {
            (s.insert == InsertMode::AfterOld ? OptionAppendBottom : OptionAppendTop)
                ->setChecked(true);
            onOptionAppendTopOrBottom();
        }
        TextHTemplate->setText(text(s.outputTemplate));
        break;
    }
    if (s.saveStyle != SaveStyle::Discard &&
        !(s.saveStyle == SaveStyle::Template && s.insert == InsertMode::NewDocument))
        TextVMArchiveFile->setText(text(s.writeToFile));

    TextForm->setText(text(s.form));
    CheckAllowOnly->setChecked(s.allowOnly);
    TextBeepTo->setText(text(s.copyToText));
    CheckBeepTo->setChecked(s.copyTo);
    TextFromAddr->setText(text(s.from));
    CheckUseFrom->setChecked(s.useFrom);
    TextSubj->setText(text(s.subject));
    CheckUseSubj->setChecked(s.useSubject);
    TextLtrBody->setText(text(s.letterBody));
    CheckLtr->setChecked(s.letter);
    applyLetterColour();
    applyCopyToColour();
    TextWinTarget->setText(text(s.windowTarget));
}

void Form1::setCaptionFor(const QString& name) {
    const QString product = QString::fromLatin1(kProductCaption);
    if (name.isEmpty()) {
        setWindowTitle(product + QStringLiteral(" (Untitled)"));
        Label3->setFullText(QStringLiteral(" (Untitled)"));
    } else {
        setWindowTitle(product + QStringLiteral(" - ") + name);
        Label3->setFullText(QStringLiteral(" ") + name);
    }
}

} // namespace vmcntrl
