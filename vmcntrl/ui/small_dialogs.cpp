#include "small_dialogs.h"

#include "form1.h"
#include "pictures.h"
#include "script_selector.h"
#include "whats_this.h"

#include "vmcntrl/config/vellum_ini.h"

#include "platform/qt/twips.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

namespace vmcntrl {

namespace {

// Places a dialog at an offset in twips from the main window's top-left corner.
void placeBeside(QDialog* dialog, QWidget* main, int rightTwips, int downTwips) {
    const double dpi = platform::logicalDpiOf(main);
    dialog->move(main->pos() + QPoint(platform::twipsToPixels(rightTwips, dpi),
                                      platform::twipsToPixels(downTwips, dpi)));
}

QHBoxLayout* okCancelRow(QPushButton*& ok, QPushButton*& cancel) {
    ok = new QPushButton(QObject::tr("&OK"));
    ok->setObjectName("Command1");
    cancel = new QPushButton(QObject::tr("&Cancel"));
    cancel->setObjectName("Command2");
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace

Form6::Form6(Form1* main) : QDialog(main), main_(main) {
    setObjectName("Form6");
    setWindowTitle(tr("Open Script"));
    auto* layout = new QVBoxLayout(this);
    ListOpen = new QListWidget;
    ListOpen->setObjectName("ListOpen");
    layout->addWidget(ListOpen);
    layout->addLayout(okCancelRow(Command1, Command2));
    for (const std::string& name : main->ini().loadScriptList().values())
        ListOpen->addItem(QString::fromLocal8Bit(name));
    connect(Command1, &QPushButton::clicked, this, &Form6::openSelected);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListOpen, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        ListOpen->setCurrentItem(item);
        openSelected();
    });
    placeBeside(this, main, 500, 1000);
}

void Form6::openSelected() {
    // The list marks a current row as soon as it has the focus, without the user choosing
    // it; only a selected name is opened.
    const QList<QListWidgetItem*> selected = ListOpen->selectedItems();
    if (selected.isEmpty() || selected.front()->text().isEmpty())
        return;
    const QString name = selected.front()->text();
    main_->ComboVell->setEditText(name);
    main_->loadScript(name);
    accept();
}

FormDiscDirBox::FormDiscDirBox(Form1* main) : QDialog(main), main_(main) {
    setObjectName("FormDiscDirBox");
    setWindowTitle(tr("Directory for New Documents"));
    auto* layout = new QVBoxLayout(this);
    Drive1 = new QComboBox;
    Drive1->setObjectName("Drive1");
    // Systems without drive letters offer the roots of their file systems.
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && Drive1->findText(volume.rootPath()) < 0)
            Drive1->addItem(volume.rootPath());
    for (const QFileInfo& drive : QDir::drives())
        if (Drive1->findText(drive.absoluteFilePath()) < 0)
            Drive1->addItem(drive.absoluteFilePath());
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model_->setRootPath(QString());
    Dir1 = new QTreeView;
    Dir1->setObjectName("Dir1");
    Dir1->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        Dir1->hideColumn(column);
    Dir1->header()->hide();
    layout->addWidget(Drive1);
    layout->addWidget(Dir1, 1);
    layout->addLayout(okCancelRow(Command1, Command2));

    for (QObject* touched : {static_cast<QObject*>(Dir1), static_cast<QObject*>(Dir1->viewport()),
                             static_cast<QObject*>(Dir1->verticalScrollBar())})
        touched->installEventFilter(this);
    connect(model_, &QFileSystemModel::rowsInserted, this, &FormDiscDirBox::keepSelectionInView,
            Qt::QueuedConnection);
    connect(model_, &QFileSystemModel::layoutChanged, this, &FormDiscDirBox::keepSelectionInView,
            Qt::QueuedConnection);
    connect(model_, &QFileSystemModel::directoryLoaded, this, &FormDiscDirBox::keepSelectionInView,
            Qt::QueuedConnection);

    const QString current = QDir::currentPath();
    Drive1->setCurrentIndex(std::max(0, Drive1->findText(QStorageInfo(current).rootPath())));
    showDirectory(current);
    connect(Drive1, &QComboBox::currentIndexChanged, this, &FormDiscDirBox::driveChanged);
    connect(Command1, &QPushButton::clicked, this, [this] {
        main_->TextDiscreteDir->setText(QDir::toNativeSeparators(shownDirectory()));
        accept();
    });
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    resize(360, 420);
    placeBeside(this, main, 3000, 1800);
}

QString FormDiscDirBox::shownDirectory() const {
    return model_->filePath(Dir1->currentIndex());
}

void FormDiscDirBox::showDirectory(const QString& path) {
    const QModelIndex index = model_->index(path);
    Dir1->setCurrentIndex(index);
    Dir1->scrollTo(index, QAbstractItemView::PositionAtCenter);
    followSelection_ = true;
}

void FormDiscDirBox::keepSelectionInView() {
    if (followSelection_ && Dir1->currentIndex().isValid())
        Dir1->scrollTo(Dir1->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void FormDiscDirBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    keepSelectionInView(); // the list has its real height only now
}

bool FormDiscDirBox::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        followSelection_ = false;
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

// A drive that cannot be read keeps the list where it was, so the dialog stays usable.
void FormDiscDirBox::driveChanged(int index) {
    const QString root = Drive1->itemText(index);
    if (QDir(root).isReadable())
        showDirectory(root);
}

QString versionLine() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(VMCNTRL_VERSION_MAJOR)
        .arg(VMCNTRL_VERSION_MINOR)
        .arg(VMCNTRL_VERSION_PATCH);
}

Form5::Form5(QWidget* parent) : QDialog(parent) {
    setObjectName("Form5");
    setWindowTitle(tr("About Vellum"));
    auto* layout = new QVBoxLayout(this);
    Image1 = new QLabel;
    Image1->setObjectName("Image1");
    Image1->setPixmap(panelPicture("about", QStyle::SP_FileDialogDetailedView, style()));
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    for (int i = 0; i < 4; ++i) {
        Label1[i] = new QLabel;
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i]->setAlignment(Qt::AlignHCenter);
    }
    Label1[2]->setText(tr("Vellum Control Panel 1.0a"));
    QFont title(QStringLiteral("Serif"));
    title.setStyleHint(QFont::Serif);
    title.setPointSize(18);
    Label1[2]->setFont(title);
    Label1[3]->setText(versionLine());
    Label1[1]->setText(tr("This program is protected by copyright law. Copying or passing it on\n"
                          "without the maker's permission is not allowed."));
    Label1[0]->setText(tr("Copyright \u00a9 the Vellum authors. All rights reserved."));
    for (int i : {2, 3, 1, 0})
        layout->addWidget(Label1[i]);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form5::mousePressEvent(QMouseEvent*) {
    accept();
}

} // namespace vmcntrl
