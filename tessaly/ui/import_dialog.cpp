#include "import_dialog.h"

#include "folder_picture.h"
#include "help_topics.h"
#include "main_window.h"
#include "text_bytes.h"
#include "window_placement.h"

#include "tessaly/import/bookmark_import.h"

#include "platform/qt/help_viewer.h"
#include "platform/qt/prompts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

namespace tessaly {

ImportDialog::ImportDialog(MainWindow& main, const Services& services)
    : QWidget(&main, Qt::Window), main_(main), services_(services) {
    setObjectName(QStringLiteral("fImport"));
    setWindowTitle(QStringLiteral("Tessaly - Import"));
    centreOverWhenShown(this, &main);
    auto* grid = new QGridLayout(this);

    Label1 = new QLabel(QStringLiteral("Default frame target"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    grid->addWidget(Label1, 0, 0);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->addItems({QStringLiteral("_self"), QStringLiteral("_blank"), QStringLiteral("_top")});
    Combo1->setEditText(QStringLiteral("_self"));
    grid->addWidget(Combo1, 0, 1, 1, 2);
    Label2 =
        new QLabel(QStringLiteral("Enter or Select the frame name that will be common for each "
                                  "bookmark. You may change selected bookmarks later."),
                   this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    grid->addWidget(Label2, 1, 0, 1, 3);

    Label3 = new QLabel(QStringLiteral("HTML file"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    grid->addWidget(Label3, 2, 0);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    grid->addWidget(Text1, 2, 1);
    Picture1 = new FolderPicture(services_.programDirectory, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setToolTip(QStringLiteral("Choose the bookmark file"));
    main_.followShowTooltips(Picture1);
    grid->addWidget(Picture1, 2, 2);

    auto* buttons = new QHBoxLayout;
    Command1 = new QPushButton(QStringLiteral("&Ok"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("&Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    grid->addLayout(buttons, 3, 0, 1, 3);

    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString& text) { Command1->setEnabled(!text.isEmpty()); });
    connect(Command1, &QPushButton::clicked, this, &ImportDialog::runImport);
    connect(Command2, &QPushButton::clicked, this, &QWidget::hide);
    connect(Picture1, &FolderPicture::clicked, this, &ImportDialog::chooseFile);
    Combo1->installEventFilter(this);
    Combo1->lineEdit()->installEventFilter(this);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this,
            [this] { services_.help.showTopic(main_.helpFile(), kImportHelpTopic); });
    resize(440, 160);
}

void ImportDialog::chooseFile() {
    platform::FileDialogRequest request;
    request.filter =
        QStringLiteral("HTM files (*.htm)|*.htm|HTML files (*.html)|*.htm|All files (*.htm)|*.*");
    request.filterIndex = 1;
    request.fileName = QStringLiteral("*.htm");
    const platform::FileDialogResult chosen = services_.prompts.openFile(this, request);
    if (chosen.accepted)
        Text1->setText(chosen.path);
}

void ImportDialog::runImport() {
    const std::string path = toBytes(Text1->text());
    const BookmarkImport imported = importBookmarkFile(path, toBytes(Combo1->currentText()));
    if (imported.outcome != BookmarkImport::Outcome::Imported) {
        services_.prompts.message(this, toText(bookmarkImportFailure(imported, path)));
        return;
    }
    main_.appendLinks(imported.links);
    if (main_.linkCount() > 0)
        main_.selectLink(0);
    hide();
}

bool ImportDialog::eventFilter(QObject* watched, QEvent* event) {
    // Enter adds a new frame target to the list, as in the add-link dialog.
    if ((watched == Combo1 || watched == Combo1->lineEdit()) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QString text = Combo1->currentText();
            if (text.isEmpty() || Combo1->findText(text) < 0) {
                Combo1->addItem(text);
                Command1->setFocus();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ImportDialog::closeEvent(QCloseEvent* event) {
    // The close box unloads the dialog: the next opening starts from "_self" and no path.
    event->accept();
    deleteLater();
}

} // namespace tessaly
