#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vmcntrl {

class Form1;

// Available Template Keys: a modeless tool window listing the keys the current script's
// templates can use, for copying into a template.
class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(Form1* main);
    QListWidget* ListVMTags;
    QLabel* hint;
    QPushButton* CommandTagRefresh;
    QPushButton* Command2;
    QPushButton* Command1;

    void buildList();
    void copySelected();
    void copyItem(QListWidgetItem* item);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Form1* main_;
};

} // namespace vmcntrl
