// Where the controls of the script editor sit and what they are called.
#include "elided_label.h"
#include "form1.h"
#include "script_selector.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vmcntrl {

namespace {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QPushButton* button(const char* name, const QString& caption) {
    auto* b = named(new QPushButton(caption), name);
    b->setAutoDefault(false);
    return b;
}

QPushButton* browseButton(const char* name) {
    auto* b = button(name, QStringLiteral("..."));
    b->setFixedWidth(32);
    return b;
}

// A box with its "..." and "Edit" buttons on one row.
QHBoxLayout* fileRow(QLineEdit* box, QPushButton* browse, QPushButton* edit) {
    auto* row = new QHBoxLayout;
    row->addWidget(box, 1);
    row->addWidget(browse);
    if (edit)
        row->addWidget(edit);
    return row;
}

} // namespace

void Form1::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* top = new QHBoxLayout;
    ComboVell = named(new ScriptSelector, "ComboVell");
    ComboVell->setEditable(true);
    ComboVell->setInsertPolicy(QComboBox::NoInsert);
    ComboVell->setMinimumWidth(220);
    // A long script name in the list must not widen the window either.
    ComboVell->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CommandVMNew = button("CommandVMNew", tr("New"));
    CommandVMRemove = button("CommandVMRemove", tr("Delete"));
    Label3 = named(new ElidedLabel(QStringLiteral(" (Untitled)")), "Label3");
    top->addWidget(ComboVell);
    top->addWidget(CommandVMNew);
    top->addWidget(CommandVMRemove);
    top->addWidget(Label3, 1);
    layout->addLayout(top);

    SSTab1 = named(new QTabWidget, "SSTab1");
    SSTab1->addTab(buildFormTab(), tr("For&m"));
    SSTab1->addTab(buildSaveTab(), tr("&Save to File"));
    SSTab1->addTab(buildBrowserTab(), tr("Send to &Browser"));
    SSTab1->addTab(buildEmailTab(), tr("&Email Options"));
    layout->addWidget(SSTab1, 1);

    auto* bottom = new QHBoxLayout;
    ProgressBar1 = named(new QProgressBar, "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    // An empty bar at rest reads as a text box; it shows only while a save fills it, and
    // keeps its room when hidden so that Save and Exit never move.
    QSizePolicy keepRoom = ProgressBar1->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    ProgressBar1->setSizePolicy(keepRoom);
    ProgressBar1->hide();
    CommandSave = button("CommandSave", tr("Save"));
    CommandClose = button("CommandClose", tr("Exit"));
    bottom->addWidget(ProgressBar1, 1);
    bottom->addWidget(CommandSave);
    bottom->addWidget(CommandClose);
    layout->addLayout(bottom);

    status = named(new QLabel(tr("Ready")), "status");
    status->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(status);
    setCentralWidget(central);
}

QWidget* Form1::buildFormTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    CheckAllowOnly =
        named(new QCheckBox(tr("&Allow only this Form to run this Script")), "CheckAllowOnly");
    LabelForm = named(new QLabel(tr("Form File&name")), "LabelForm");
    TextForm = named(new QLineEdit, "TextForm");
    LabelForm->setBuddy(TextForm);
    CommandBrowseForm = browseButton("CommandBrowseForm");
    CommandFormEdit = button("CommandFormEdit", tr("Edit"));
    ListTitle = named(new QLabel, "ListTitle");
    ListTitle->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(CheckAllowOnly, 0, 0, 1, 2);
    grid->addWidget(LabelForm, 1, 0);
    grid->addLayout(fileRow(TextForm, CommandBrowseForm, CommandFormEdit), 1, 1);
    grid->addWidget(new QLabel(tr("Form Title")), 2, 0);
    grid->addWidget(ListTitle, 2, 1);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* Form1::buildSaveTab() {
    FrameSave = named(new QFrame, "FrameSave");
    auto* layout = new QVBoxLayout(FrameSave);
    auto* styles = new QGroupBox(tr("Write en&tries:"));
    auto* styleRow = new QHBoxLayout(styles);
    OptionDiscard = named(new QRadioButton(tr("Don't save")), "OptionDiscard");
    OptionComma = named(new QRadioButton(tr("As data")), "OptionComma");
    OptionPlnTxt = named(new QRadioButton(tr("As text")), "OptionPlnTxt");
    OptionPlnHtm = named(new QRadioButton(tr("Based on a template")), "OptionPlnHtm");
    for (auto* option : {OptionDiscard, OptionComma, OptionPlnTxt, OptionPlnHtm})
        styleRow->addWidget(option);
    layout->addWidget(styles);

    LabelWriteTo = named(new QLabel(tr("&Write to file:")), "LabelWriteTo");
    TextVMArchiveFile = named(new QLineEdit, "TextVMArchiveFile");
    LabelWriteTo->setBuddy(TextVMArchiveFile);
    CommandBrowseout = browseButton("CommandBrowseout");
    CommandOedit = button("CommandOedit", tr("Edit"));
    layout->addWidget(LabelWriteTo);
    layout->addLayout(fileRow(TextVMArchiveFile, CommandBrowseout, CommandOedit));

    xPanel3D66 = named(new QGroupBox(tr(" Template Options...")), "xPanel3D66");
    auto* panel = new QGridLayout(xPanel3D66);
    auto* templateLabel = new QLabel(tr("Tem&plate file:"));
    TextHTemplate = named(new QLineEdit, "TextHTemplate");
    templateLabel->setBuddy(TextHTemplate);
    CommandHTempBrowse = browseButton("CommandHTempBrowse");
    CommandHTempEdit = button("CommandHTempEdit", tr("Edit"));
    panel->addWidget(templateLabel, 0, 0);
    panel->addLayout(fileRow(TextHTemplate, CommandHTempBrowse, CommandHTempEdit), 0, 1);
    auto* insert = new QGroupBox(tr("&Insert new entries:"));
    auto* insertRow = new QHBoxLayout(insert);
    OptionAppendDiscrete = named(new QRadioButton(tr("In New Document")), "OptionAppendDiscrete");
    OptionAppendTop = named(new QRadioButton(tr("Before old")), "OptionAppendTop");
    OptionAppendBottom = named(new QRadioButton(tr("After old")), "OptionAppendBottom");
    for (auto* option : {OptionAppendDiscrete, OptionAppendTop, OptionAppendBottom})
        insertRow->addWidget(option);
    panel->addWidget(insert, 1, 0, 1, 2);
    auto* dirLabel = new QLabel(tr("&Directory for new files:"));
    TextDiscreteDir = named(new QLineEdit, "TextDiscreteDir");
    dirLabel->setBuddy(TextDiscreteDir);
    CommandBrowseDiscreteDir = browseButton("CommandBrowseDiscreteDir");
    panel->addWidget(dirLabel, 2, 0);
    panel->addLayout(fileRow(TextDiscreteDir, CommandBrowseDiscreteDir, nullptr), 2, 1);
    layout->addWidget(xPanel3D66);
    layout->addStretch(1);
    return FrameSave;
}

QWidget* Form1::buildBrowserTab() {
    FrameBrowser = named(new QFrame, "FrameBrowser");
    auto* grid = new QGridLayout(FrameBrowser);
    OptionSimple =
        named(new QRadioButton(tr("Send a simple confirmation of data recei&ved")), "OptionSimple");
    OptionConf = named(new QRadioButton(tr("C&reate from template:")), "OptionConf");
    TextVMConfFile = named(new QLineEdit, "TextVMConfFile");
    CommandBrowseConf = browseButton("CommandBrowseConf");
    CommandCnfEdit = button("CommandCnfEdit", tr("Edit"));
    OptionSendURL = named(new QRadioButton(tr("Send the user to this &URL:")), "OptionSendURL");
    TextVMConfURL = named(new QLineEdit, "TextVMConfURL");
    auto* targetLabel = new QLabel(tr("Window-tar&get:"));
    TextWinTarget = named(new QLineEdit, "TextWinTarget");
    targetLabel->setBuddy(TextWinTarget);
    grid->addWidget(OptionSimple, 0, 0, 1, 2);
    grid->addWidget(OptionConf, 1, 0);
    grid->addLayout(fileRow(TextVMConfFile, CommandBrowseConf, CommandCnfEdit), 1, 1);
    grid->addWidget(OptionSendURL, 2, 0);
    grid->addWidget(TextVMConfURL, 2, 1);
    grid->addWidget(targetLabel, 3, 0);
    grid->addWidget(TextWinTarget, 3, 1);
    grid->setRowStretch(4, 1);
    return FrameBrowser;
}

QWidget* Form1::buildEmailTab() {
    FrameEmail = named(new QFrame, "FrameEmail");
    auto* grid = new QGridLayout(FrameEmail);
    CheckLtr = named(new QCheckBox(tr(" &Letter to user:")), "CheckLtr");
    TextLtrBody = named(new QLineEdit, "TextLtrBody");
    CommandBrowseBody = browseButton("CommandBrowseBody");
    CommandLedit = button("CommandLedit", tr("Edit"));
    auto* fromLabel = new QLabel(tr("From (Name or Organi&zation):"));
    TextFromAddr = named(new QLineEdit, "TextFromAddr");
    fromLabel->setBuddy(TextFromAddr);
    CheckUseFrom = named(new QCheckBox(tr("Use \"From\" field in Form")), "CheckUseFrom");
    auto* subjectLabel = new QLabel(tr("Sub&ject:"));
    TextSubj = named(new QLineEdit, "TextSubj");
    subjectLabel->setBuddy(TextSubj);
    CheckUseSubj = named(new QCheckBox(tr("Use \"Subject\" field in Form")), "CheckUseSubj");
    CheckBeepTo = named(new QCheckBox(tr("&Copy Form Contents To:")), "CheckBeepTo");
    TextBeepTo = named(new QLineEdit, "TextBeepTo");
    CommandBrseGrpMail = browseButton("CommandBrseGrpMail");
    CommandEdtGrpMail = button("CommandEdtGrpMail", tr("Edit"));
    grid->addWidget(CheckLtr, 0, 0);
    grid->addLayout(fileRow(TextLtrBody, CommandBrowseBody, CommandLedit), 0, 1);
    grid->addWidget(fromLabel, 1, 0);
    grid->addWidget(TextFromAddr, 1, 1);
    grid->addWidget(CheckUseFrom, 2, 1);
    grid->addWidget(subjectLabel, 3, 0);
    grid->addWidget(TextSubj, 3, 1);
    grid->addWidget(CheckUseSubj, 4, 1);
    grid->addWidget(CheckBeepTo, 5, 0);
    grid->addLayout(fileRow(TextBeepTo, CommandBrseGrpMail, CommandEdtGrpMail), 5, 1);
    grid->setRowStretch(6, 1);
    return FrameEmail;
}

} // namespace vmcntrl
