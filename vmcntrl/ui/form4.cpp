#include "form4.h"

#include "form1.h"

#include "vmcntrl/config/template_keys.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vmcntrl {

// A window of its own, kept over the main window as its transient: Qt counts a Qt::Tool
// window's shortcuts as the parent's too, so both windows' Alt+C would collide.
Form4::Form4(Form1* main) : QWidget(main, Qt::Window), main_(main) {
    setObjectName("Form4");
    setWindowTitle(tr("Available Template Keys"));
    auto* layout = new QVBoxLayout(this);
    ListVMTags = new QListWidget;
    ListVMTags->setObjectName("ListVMTags");
    ListVMTags->setSelectionMode(QAbstractItemView::ExtendedSelection);
    hint = new QLabel(tr("Double Click to Copy key to Clipboard"));
    CommandTagRefresh = new QPushButton(tr("&Refresh"));
    CommandTagRefresh->setObjectName("CommandTagRefresh");
    Command2 = new QPushButton(tr("&Close"));
    Command2->setObjectName("Command2");
    Command1 = new QPushButton(tr("Co&py"));
    Command1->setObjectName("Command1");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CommandTagRefresh);
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    layout->addWidget(ListVMTags, 1);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    resize(260, 360);

    connect(CommandTagRefresh, &QPushButton::clicked, this, &Form4::buildList);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    connect(Command1, &QPushButton::clicked, this, &Form4::copySelected);
    connect(ListVMTags, &QListWidget::itemDoubleClicked, this, &Form4::copyItem);
}

void Form4::buildList() {
    ListVMTags->clear();
    main_->ListTitle->clear();
    const std::string form = main_->TextForm->text().toLocal8Bit().toStdString();
    const TemplateKeys keys =
        templateKeysOfFormFile(form, main_->OptionAppendDiscrete->isChecked());
    for (const std::string& key : keys.keys)
        ListVMTags->addItem(QString::fromLocal8Bit(key));
    main_->ListTitle->setText(QString::fromLocal8Bit(keys.formTitle));
}

void Form4::copySelected() {
    QString text;
    for (int row = 0; row < ListVMTags->count(); ++row)
        if (ListVMTags->item(row)->isSelected())
            text += ListVMTags->item(row)->text() + QStringLiteral("\r\n");
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setText(text);
}

void Form4::copyItem(QListWidgetItem* item) {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setText(item->text());
}

void Form4::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace vmcntrl
