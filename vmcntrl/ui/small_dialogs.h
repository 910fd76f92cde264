#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeView;
class QFileSystemModel;

namespace vmcntrl {

class Form1;

// Open Script: the listed scripts; OK or a double-click loads one into the editor.
class Form6 : public QDialog {
    Q_OBJECT
public:
    explicit Form6(Form1* main);
    QListWidget* ListOpen;
    QPushButton* Command1;
    QPushButton* Command2;

private:
    void openSelected();
    Form1* main_;
};

// Directory for New Documents: a drive list above a directory list.
class FormDiscDirBox : public QDialog {
    Q_OBJECT
public:
    explicit FormDiscDirBox(Form1* main);
    QComboBox* Drive1;
    QTreeView* Dir1;
    QPushButton* Command1;
    QPushButton* Command2;
    QString shownDirectory() const;
    void showDirectory(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void driveChanged(int index);
    void keepSelectionInView();
    Form1* main_;
    QFileSystemModel* model_;
    // Folders arrive from the model's thread after the dialog opens and push the selection
    // down; the list follows it until the user takes the list in hand.
    bool followSelection_ = true;
};

// About Vellum; also the start-up screen. A click on its background closes it.
class Form5 : public QDialog {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);
    QLabel* Image1;
    QLabel* Label1[4];

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// "Version 1.2.0" from the program's own version number.
QString versionLine();

} // namespace vmcntrl
