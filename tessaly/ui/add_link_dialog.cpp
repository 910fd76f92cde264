#include "add_link_dialog.h"

#include "folder_picture.h"
#include "help_topics.h"
#include "main_window.h"
#include "text_bytes.h"
#include "window_placement.h"

#include "platform/paths.h"
#include "platform/qt/help_viewer.h"
#include "platform/qt/prompts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace tessaly {

AddLinkDialog::AddLinkDialog(MainWindow& main, const Services& services)
    : QWidget(&main, Qt::Window), main_(main), services_(services) {
    setObjectName(QStringLiteral("frmAddURL"));
    setWindowTitle(QStringLiteral("Tessaly - Add"));
    centreOverWhenShown(this, &main);
    auto* grid = new QGridLayout(this);

    Label1 =
        new QLabel(QStringLiteral("Insert a description and a simple URL (hypertext link)."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    grid->addWidget(Label1, 0, 0, 1, 3);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Picture1 = new FolderPicture(services_.programDirectory, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setToolTip(QStringLiteral("Link to a page on this computer"));
    main_.followShowTooltips(Picture1);
    Label2 = new QLabel(QStringLiteral("URL"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Text1, 1, 1);
    grid->addWidget(Picture1, 1, 2);

    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Label3 = new QLabel(QStringLiteral("Description"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(Text2, 2, 1, 1, 2);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->addItems({QStringLiteral("_self"), QStringLiteral("_blank"), QStringLiteral("_top")});
    Combo1->setEditText(QStringLiteral("_self"));
    Label4 = new QLabel(QStringLiteral("Target"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    grid->addWidget(Label4, 3, 0);
    grid->addWidget(Combo1, 3, 1, 1, 2);

    auto* buttons = new QHBoxLayout;
    Command1 = new QPushButton(QStringLiteral("&Add"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("&Close"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3 = new QPushButton(QStringLiteral("&Help"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    buttons->addStretch(1);
    for (QPushButton* b : {Command1, Command2, Command3})
        buttons->addWidget(b);
    grid->addLayout(buttons, 4, 0, 1, 3);

    connect(Command1, &QPushButton::clicked, this, &AddLinkDialog::enterValues);
    connect(Command2, &QPushButton::clicked, this, &QWidget::hide);
    connect(Command3, &QPushButton::clicked, this, &AddLinkDialog::showHelp);
    connect(Picture1, &FolderPicture::clicked, this, &AddLinkDialog::pickLocalPage);
    connect(Text1, &QLineEdit::returnPressed, Text2, [this] { Text2->setFocus(); });
    connect(Text2, &QLineEdit::returnPressed, Command1, [this] { Command1->setFocus(); });
    Combo1->installEventFilter(this);
    Combo1->lineEdit()->installEventFilter(this);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &AddLinkDialog::showHelp);
    resize(420, 170);
}

void AddLinkDialog::prepareAdd() {
    setWindowTitle(QStringLiteral("Tessaly - Add"));
    Command1->setText(QStringLiteral("&Add"));
    Text1->clear();
    Text2->clear();
    Combo1->setEditText(QString());
}

void AddLinkDialog::prepareModify(const QString& description, const QString& url,
                                  const QString& frame) {
    Text2->setText(description);
    Text1->setText(url);
    Combo1->setEditText(frame);
    setWindowTitle(QStringLiteral("Tessaly - Modify"));
    Command1->setText(QStringLiteral("&Update"));
}

bool AddLinkDialog::isAddMode() const {
    return Command1->text() == QStringLiteral("&Add");
}

void AddLinkDialog::enterValues() {
    const QString description = Text2->text();
    const QString url = Text1->text();
    const QString frame = Combo1->currentText();
    if (isAddMode()) {
        main_.appendLink(description, url, frame);
        main_.selectLink(main_.linkCount() - 1);
    } else if (const int row = main_.selectedLink(); row >= 0) {
        // The main window may have lost its selection meanwhile; then there is nothing to
        // update.
        main_.replaceLink(row, description, url, frame);
        main_.selectLink(row);
    }
    Text1->setFocus();
}

void AddLinkDialog::pickLocalPage() {
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("HTML files (*.htm)|*.htm");
    request.filterIndex = 1;
    request.fileName = QStringLiteral("*.htm");
    const platform::FileDialogResult chosen = services_.prompts.openFile(this, request);
    if (!chosen.accepted)
        return;
    // Only the name: the link is relative to the page that will hold the applet.
    Text1->setText(toText(platform::fileNameFromPath(toBytes(chosen.path))));
}

void AddLinkDialog::targetEntered() {
    const QString text = Combo1->currentText();
    if (!text.isEmpty() && Combo1->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
        return;
    Combo1->addItem(text);
    Command1->setFocus();
}

bool AddLinkDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == Combo1 || watched == Combo1->lineEdit()) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            targetEntered();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AddLinkDialog::closeEvent(QCloseEvent* event) {
    // The close box unloads the dialog: the next opening starts afresh.
    event->accept();
    deleteLater();
}

void AddLinkDialog::showHelp() {
    services_.help.showTopic(main_.helpFile(), kAddLinkHelpTopic);
}

} // namespace tessaly
