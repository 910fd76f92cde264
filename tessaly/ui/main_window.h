#pragma once

#include "services.h"

#include "tessaly/document/document_file.h"
#include "tessaly/document/options_file.h"
#include "tessaly/import/bookmark_import.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QCheckBox;
class QHBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class QStackedWidget;
class QTabWidget;
class QTimer;

namespace tessaly {

class AddLinkDialog;
class BoardPuzzleWindow;
class BrowserChooser;
class ButtonMaker;
class ImportDialog;

// The main window. Its controls are the document: the three link lists and the property
// boxes hold what Open, Save, Compile and Preview work on, and the Options page holds the
// options, which are written to Tessaly.ini the moment they change.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The document as the controls show it, and the reverse.
    Document documentFromControls() const;
    void showDocument(const Document& document);
    void showProperties(const AppletProperties& properties);

    // Reads Tessaly.ini into the Options page; a ticked box runs its click handler.
    void loadOptions();
    QString optionsFile() const;
    QString helpFile() const;

    // Link rows, changed in all three lists together (also used by the add-link dialog and
    // the bookmark import).
    int linkCount() const;
    int selectedLink() const;
    void selectLink(int row);
    void appendLink(const QString& description, const QString& url, const QString& frame);
    void replaceLink(int row, const QString& description, const QString& url, const QString& frame);
    // Many rows at once (an import), in one pass into each list.
    void appendLinks(const std::vector<ImportedLink>& links);

    // The secondary windows, each made on first use and made afresh after its close box
    // unloaded it; null while not loaded.
    AddLinkDialog* addLinkDialog() const;
    ImportDialog* importDialog() const;
    BoardPuzzleWindow* boardPuzzle() const;
    void openAddLink();
    void openModifyLink();
    void openImport();
    void openBoardPuzzle();

    // The widget's own tool tip shows only while "Show Tooltips" is ticked (for the small
    // controls of the dialogs).
    void followShowTooltips(QWidget* widget);

    // One run of the mascot's animation with its sounds (a tick of Timer3). It stops short,
    // without another sound, once the program is ending.
    void animateMascot();

    // Button row
    QPushButton* SSCommand2 = nullptr;  // New
    QPushButton* SSCommand3 = nullptr;  // Open
    QPushButton* SSCommand4 = nullptr;  // Save
    QPushButton* SSCommand13 = nullptr; // Create
    QPushButton* SSCommand5 = nullptr;  // Compile
    QPushButton* SSCommand6 = nullptr;  // Quit
    QPushButton* SSCommand7 = nullptr;  // Help
    QStackedWidget* tabArea = nullptr;  // the tab control, or the button maker in its place
    QTabWidget* SSTab1 = nullptr;
    QLabel* Label29 = nullptr;   // tool tip
    QLabel* Picture3 = nullptr;  // the mascot's place; Shift + right button opens the puzzle
    QLabel* Picture10 = nullptr; // mascot poses
    QLabel* Picture11 = nullptr;
    QLabel* Picture12 = nullptr;
    QLabel* Picture13 = nullptr;
    QTimer* Timer3 = nullptr; // wakes the mascot once a minute
    QTimer* Timer1 = nullptr; // hides the tool tip
    ButtonMaker* buttonMaker = nullptr;
    BrowserChooser* browserChooser = nullptr;

    // Links page
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QListWidget* List3 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QPushButton* Command1 = nullptr;          // Up
    QPushButton* Command2 = nullptr;          // Down
    QPushButton* VideoSoftElastic3 = nullptr; // Add
    QPushButton* VideoSoftElastic2 = nullptr; // Modify
    QPushButton* VideoSoftElastic4 = nullptr; // Remove
    QPushButton* VideoSoftElastic1 = nullptr; // Clear
    QPushButton* command6 = nullptr;          // Import
    QLabel* Label23 = nullptr;

    // Properties page
    QComboBox* Combo1 = nullptr;       // link type
    QComboBox* Combo2 = nullptr;       // alignment
    QComboBox* Combo3 = nullptr;       // font size
    QComboBox* Combo4 = nullptr;       // font name
    QComboBox* Combo5 = nullptr;       // font style
    QLineEdit* Text9 = nullptr;        // applet width
    QLineEdit* Text10 = nullptr;       // applet height
    QLineEdit* Text5 = nullptr;        // list width
    QLineEdit* Text14 = nullptr;       // list height
    QLineEdit* Text13 = nullptr;       // text colour
    QLabel* Picture4 = nullptr;        // text colour swatch
    QLineEdit* Text1 = nullptr;        // background colour
    QLabel* Picture5 = nullptr;        // background colour swatch
    QLineEdit* Text2 = nullptr;        // sound file
    QPushButton* SSCommand9 = nullptr; // sound file browse
    QLineEdit* Text6 = nullptr;        // title caption
    QPushButton* SSCommand1 = nullptr; // Preview
    QLabel* Label25 = nullptr;

    // Options page
    QCheckBox* Check1 = nullptr; // choose browser before each preview
    QCheckBox* Check2 = nullptr; // show tooltips
    QCheckBox* Check3 = nullptr; // silence Pelfin
    QCheckBox* Check4 = nullptr; // freeze splash screen
    QCheckBox* Check5 = nullptr; // show in browsers without Java
    QLineEdit* Text8 = nullptr;  // default browser
    QPushButton* browseBrowserButton = nullptr;
    QLineEdit* Text7 = nullptr; // default directory
    QPushButton* browseDirectoryButton = nullptr;
    QLabel* Label26 = nullptr;

signals:
    // Check3 was clicked: the mascot sleeps while it is ticked.
    void silencePelfinChanged(bool silenced);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the pages (one file per page).
    QWidget* buildLinksPage();
    QWidget* buildPropertiesPage();
    QWidget* buildOptionsPage();
    void buildButtonRow(QHBoxLayout* row);
    QWidget* buildMascot();
    QString programFile(const char* name) const;
    void danceMascot();

    // Links page
    void moveSelectedLink(int offset);
    void removeSelectedLink();
    void clearLinks();
    void followSelection(int row);
    void updateScrollRange();

    // Properties page
    void applyLinkTypeRule();
    void pickColour(QLineEdit* target);
    void pickSoundFile();

    // Options page
    std::array<QCheckBox*, kSwitches.size()> switchBoxes() const;
    void switchClicked(QCheckBox* box);
    void defaultBrowserEdited(const QString& text);
    void browseForBrowser();
    void defaultDirectoryLeft();
    void browseForDirectory();

    // Commands
    void newDocument();
    void openDocumentFile();
    void saveDocumentFile();
    void compile();
    void preview();
    void showInBrowser(const QString& browserPath);
    bool browserDde(const QString& application, const QString& previewFile);
    void showHelp();
    void showButtonMaker(bool show);

    // Tool tips
    void showTip(QPushButton* button);
    void watchForTip(QPushButton* button);

    // Generate on the window's document: copies, size defaults back into the boxes, fragment
    // on the clipboard. False (with a message) when the link type names no applet.
    bool generate(std::string& fragment);
    void message(const QString& text);

    Services services_;
    bool syncing_ = false;
    bool mascotBusy_ = false;
    bool ending_ = false; // Quit or the close box: nothing more is shown or played
    QPointer<AddLinkDialog> addLinkDialog_;
    QPointer<ImportDialog> importDialog_;
    QPointer<BoardPuzzleWindow> boardPuzzle_;
};

} // namespace tessaly
