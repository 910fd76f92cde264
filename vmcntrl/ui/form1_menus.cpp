// The main window's menus, toolbar and "What's this?" topics.
#include "form1.h"
#include "pictures.h"
#include "whats_this.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolBar>
#include <QWhatsThis>

namespace vmcntrl {

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption,
              const QKeySequence& shortcut = QKeySequence()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

} // namespace

void Form1::buildMenus() {
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName("mnuFile");
    mnuNew = item(mnuFile, "mnuNew", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuOpen = item(mnuFile, "mnuOpen", tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuSave = item(mnuFile, "mnuSave", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSaveAs = item(mnuFile, "mnuSaveAs", tr("Save &As..."));
    mnuFile->addSeparator();
    mnuDelete = item(mnuFile, "mnuDelete", tr("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuFile->addSeparator();
    mnuWizard = item(mnuFile, "mnuWizard", tr("Script &Wizard..."));
    mnuFile->addSeparator();
    mnuExit = item(mnuFile, "mnuExit", tr("E&xit"));

    mnuOptions = menuBar()->addMenu(tr("&Options"));
    mnuOptions->setObjectName("mnuOptions");
    mnuTemplateKeys = item(mnuOptions, "mnuTemplateKeys", tr("&Template Keys"));
    mnuTemplateKeys->setCheckable(true);
    mnuReport = item(mnuOptions, "mnuReport", tr("Re&port"));
    mnuMailLog = item(mnuOptions, "mnuMailLog", tr("&Mail Log"));
    mnuErrorLog = item(mnuOptions, "mnuErrorLog", tr("&Error Log"));
    mnuSettings = item(mnuOptions, "mnuSettings", tr("&Settings..."));
    mnuOptions->addSeparator();
    mnuRun = item(mnuOptions, "mnuRun", tr("&Run"));

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName("mnuHelp");
    mnuContents = item(mnuHelp, "mnuContents", tr("&Contents"));
    mnuSearch = item(mnuHelp, "mnuSearch", tr("&Search for Help on..."));
    mnuHow = item(mnuHelp, "mnuHow", tr("&How to Use help"));
    mnuHelp->addSeparator();
    mnuAbout = item(mnuHelp, "mnuAbout", tr("&About Vellum..."));

    connect(mnuNew, &QAction::triggered, this, &Form1::newFlow);
    connect(mnuOpen, &QAction::triggered, this, &Form1::openCommand);
    connect(mnuSave, &QAction::triggered, this, &Form1::save);
    connect(mnuSaveAs, &QAction::triggered, this, &Form1::saveAsCommand);
    connect(mnuDelete, &QAction::triggered, this, &Form1::deleteCommand);
    connect(mnuExit, &QAction::triggered, this, &Form1::close);
    connect(mnuWizard, &QAction::triggered, this, &Form1::wizardCommand);
    connect(mnuTemplateKeys, &QAction::triggered, this, [this] {
        // The check mark mirrors the window; the click decides from the state before it.
        mnuTemplateKeys->setChecked(!mnuTemplateKeys->isChecked());
        toggleTemplateKeys();
    });
    connect(mnuReport, &QAction::triggered, this, &Form1::reportCommand);
    connect(mnuMailLog, &QAction::triggered, this, &Form1::mailLogCommand);
    connect(mnuErrorLog, &QAction::triggered, this, &Form1::errorLogCommand);
    connect(mnuSettings, &QAction::triggered, this, &Form1::settingsCommand);
    connect(mnuRun, &QAction::triggered, this, &Form1::runCommand);
    connect(mnuContents, &QAction::triggered, this,
            [this] { services_.help.showContents(helpFile()); });
    connect(mnuSearch, &QAction::triggered, this,
            [this] { services_.help.showSearch(helpFile(), QString()); });
    connect(mnuHow, &QAction::triggered, this,
            [this] { services_.help.showTopic(helpFile(), kTopicUsingHelp); });
    connect(mnuAbout, &QAction::triggered, this, &Form1::aboutCommand);
}

void Form1::buildToolbar() {
    Toolbar1 = addToolBar(tr("Toolbar"));
    Toolbar1->setObjectName("Toolbar1");
    Toolbar1->setMovable(false);
    auto button = [this](const char* key, const QString& tip, QStyle::StandardPixmap picture,
                         auto slot) {
        QAction* action = Toolbar1->addAction(
            panelIcon(QByteArray("tool-").append(key).constData(), picture, style()), tip);
        action->setObjectName(key);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    button("new", tr("New Script"), QStyle::SP_FileIcon, [this] { newFlow(); });
    button("open", tr("Open Script"), QStyle::SP_DialogOpenButton, [this] { openCommand(); });
    button("save", tr("Save Script"), QStyle::SP_DialogSaveButton, [this] { save(); });
    Toolbar1->addSeparator();
    button("delete", tr("Delete Script"), QStyle::SP_TrashIcon, [this] { deleteCommand(); });
    Toolbar1->addSeparator();
    button("wizard", tr("Script Wizard"), QStyle::SP_FileDialogNewFolder,
           [this] { wizardCommand(); });
    button("report", tr("View Report"), QStyle::SP_FileDialogDetailedView,
           [this] { reportCommand(); });
    button("settings", tr("Settings"), QStyle::SP_ComputerIcon, [this] { settingsCommand(); });
    button("twindow", tr("Show Template Keys"), QStyle::SP_FileDialogListView,
           [this] { showTemplateKeys(); });
    Toolbar1->addSeparator();
    button("help", tr("Help"), QStyle::SP_DialogHelpButton,
           [this] { services_.help.showContents(helpFile()); });
    button("whats", tr("What's This?"), QStyle::SP_TitleBarContextHelpButton,
           [] { QWhatsThis::enterWhatsThisMode(); });
}

// Buttons, check boxes and option buttons carry a topic; text boxes do not.
void Form1::offerWhatsThis() {
    whatsThis_ = new WhatsThisMenu(this, services_.help, helpFile());
    int topic = kFirstEditorTopic;
    for (QWidget* control : std::initializer_list<QWidget*>{CommandVMNew,
                                                            CommandVMRemove,
                                                            CheckAllowOnly,
                                                            CommandBrowseForm,
                                                            CommandFormEdit,
                                                            OptionDiscard,
                                                            OptionComma,
                                                            OptionPlnTxt,
                                                            OptionPlnHtm,
                                                            CommandBrowseout,
                                                            CommandOedit,
                                                            CommandHTempBrowse,
                                                            CommandHTempEdit,
                                                            OptionAppendDiscrete,
                                                            OptionAppendTop,
                                                            OptionAppendBottom,
                                                            CommandBrowseDiscreteDir,
                                                            OptionSimple,
                                                            OptionConf,
                                                            CommandBrowseConf,
                                                            CommandCnfEdit,
                                                            OptionSendURL,
                                                            CheckLtr,
                                                            CommandBrowseBody,
                                                            CommandLedit,
                                                            CheckUseFrom,
                                                            CheckUseSubj,
                                                            CheckBeepTo,
                                                            CommandBrseGrpMail,
                                                            CommandEdtGrpMail,
                                                            CommandSave,
                                                            CommandClose})
        whatsThis_->offer(control, topic++);
}

} // namespace vmcntrl
