#pragma once

#include "services.h"

#include "vmcntrl/config/editor_state.h"
#include "vmcntrl/config/settings_store.h"
#include "vmcntrl/config/vellum_ini.h"

#include <QBasicTimer>
#include <QMainWindow>

#include <optional>

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolBar;

namespace vmcntrl {

class ElidedLabel;
class Form4;
class ScriptSelector;
class WhatsThisMenu;

// The control panel's main window: the script editor with its four tabs. The controls are
// the document; handlers map them to an EditorState and let the config core decide.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1(std::string programDirectory, Services& services, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up after construction: ISAPI, the mail warning, the stored position.
    void startUp();

    // Editor operations other windows and the commands use.
    void loadScript(const QString& name);
    void save(); // what CommandSave does
    void clearToNewScript();
    enum class SaveAnswer { Yes, No, Cancel };
    SaveAnswer askSaveChanges(bool withCancel);
    bool fileExistsForEditor(const QString& path) const;

    // Commands of the menus and toolbar.
    void newFlow();
    void openCommand();
    void saveAsCommand();
    void deleteCommand();
    void runCommand();
    void settingsCommand();
    void mailLogCommand();
    void errorLogCommand();
    void aboutCommand();
    void toggleTemplateKeys();
    void showTemplateKeys();
    void reportCommand();
    void wizardCommand();
    Form4* templateKeysWindow() const;

    bool dirty() const { return dirty_; }
    bool saveFailed() const { return saveFailed_; }
    bool cancelled() const { return cancelled_; }
    void setDirty(bool dirty) { dirty_ = dirty; }

    const std::string& programDirectory() const { return home_; }
    VellumIni& ini() { return ini_; }
    Settings& settings() { return settings_; }
    Services& services() { return services_; }
    QString helpFile() const;
    QString scriptName() const { return scriptName_; }
    EditorState stateFromControls() const;
    WhatsThisMenu* whatsThis() const { return whatsThis_; }

    // Top
    ScriptSelector* ComboVell;
    QPushButton* CommandVMNew;
    QPushButton* CommandVMRemove;
    ElidedLabel* Label3;
    QTabWidget* SSTab1;
    // Form tab
    QCheckBox* CheckAllowOnly;
    QLabel* LabelForm;
    QLineEdit* TextForm;
    QPushButton* CommandBrowseForm;
    QPushButton* CommandFormEdit;
    QLabel* ListTitle;
    // Save to File tab
    QFrame* FrameSave;
    QRadioButton* OptionDiscard;
    QRadioButton* OptionComma;
    QRadioButton* OptionPlnTxt;
    QRadioButton* OptionPlnHtm;
    QLabel* LabelWriteTo;
    QLineEdit* TextVMArchiveFile;
    QPushButton* CommandBrowseout;
    QPushButton* CommandOedit;
    QGroupBox* xPanel3D66;
    QLineEdit* TextHTemplate;
    QPushButton* CommandHTempBrowse;
    QPushButton* CommandHTempEdit;
    QRadioButton* OptionAppendDiscrete;
    QRadioButton* OptionAppendTop;
    QRadioButton* OptionAppendBottom;
    QLineEdit* TextDiscreteDir;
    QPushButton* CommandBrowseDiscreteDir;
    // Send to Browser tab
    QFrame* FrameBrowser;
    QRadioButton* OptionSimple;
    QRadioButton* OptionConf;
    QLineEdit* TextVMConfFile;
    QPushButton* CommandBrowseConf;
    QPushButton* CommandCnfEdit;
    QRadioButton* OptionSendURL;
    QLineEdit* TextVMConfURL;
    QLineEdit* TextWinTarget;
    // Email Options tab
    QFrame* FrameEmail;
    QCheckBox* CheckLtr;
    QLineEdit* TextLtrBody;
    QPushButton* CommandBrowseBody;
    QPushButton* CommandLedit;
    QLineEdit* TextFromAddr;
    QCheckBox* CheckUseFrom;
    QLineEdit* TextSubj;
    QCheckBox* CheckUseSubj;
    QCheckBox* CheckBeepTo;
    QLineEdit* TextBeepTo;
    QPushButton* CommandBrseGrpMail;
    QPushButton* CommandEdtGrpMail;
    // Bottom
    QPushButton* CommandSave;
    QPushButton* CommandClose;
    QProgressBar* ProgressBar1;
    QLabel* status;
    QToolBar* Toolbar1;
    // Menus
    QMenu* mnuFile;
    QAction* mnuNew;
    QAction* mnuOpen;
    QAction* mnuSave;
    QAction* mnuSaveAs;
    QAction* mnuDelete;
    QAction* mnuWizard;
    QAction* mnuExit;
    QMenu* mnuOptions;
    QAction* mnuTemplateKeys;
    QAction* mnuReport;
    QAction* mnuMailLog;
    QAction* mnuErrorLog;
    QAction* mnuSettings;
    QAction* mnuRun;
    QMenu* mnuHelp;
    QAction* mnuContents;
    QAction* mnuSearch;
    QAction* mnuHow;
    QAction* mnuAbout;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // form1_layout.cpp
    void buildControls();
    QWidget* buildFormTab();
    QWidget* buildSaveTab();
    QWidget* buildBrowserTab();
    QWidget* buildEmailTab();
    // form1_menus.cpp
    void buildMenus();
    void buildToolbar();
    void offerWhatsThis();
    // form1_hints.cpp
    void installHints();
    // form1_rules.cpp: the option and check rules, each as the click does it
    void connectRules();
    void onOptionDiscard();
    void onOptionCommaOrText();
    void onOptionPlnHtm();
    void onOptionAppendTopOrBottom();
    void onOptionAppendDiscrete();
    void onOptionSimple();
    void onOptionConf();
    void onOptionSendURL();
    void applyLetterColour();
    void applyCopyToColour();
    void applyEmailRule();
    void showState(const EditorState& state);
    void setCaptionFor(const QString& name);
    void placeFrameAt(const QPoint& corner);
    void settleFrame();
    QPoint outerCorner() const;
    // form1_pickers.cpp
    void connectPickers();
    struct Picker;
    void browse(const Picker& picker);
    void edit(QLineEdit* box, bool htmlEditor);

public:
    void startEditor(const QString& editor, const QString& file);

private:
    // form1_save.cpp
    void refreshScriptList();
    bool confirmStorableName(const QString& name);
    void reportWriteFailure(const platform::WriteResult& result);
    void focusSaveStop(int stop);

    // Topic numbers of our help file: the editor's controls from 100 on, in tab order.
    static constexpr int kTopicUsingHelp = 2;
    static constexpr int kFirstEditorTopic = 100;

    Form4* keysWindow_ = nullptr;
    std::string home_;
    Services& services_;
    VellumIni ini_;
    Settings settings_;
    ScriptRecord held_;  // the script as last loaded or saved
    QString scriptName_; // the loaded script, empty when untitled
    bool dirty_ = false;
    bool saveFailed_ = false;
    bool cancelled_ = false;
    bool exiting_ = false;
    std::optional<QPoint> frameCorner_; // where the first show puts the frame
    QBasicTimer frameTimer_;
    int frameChecks_ = 0;
    WhatsThisMenu* whatsThis_ = nullptr;
};

} // namespace vmcntrl
