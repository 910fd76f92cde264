#pragma once

#include "services.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaly {

class FolderPicture;
class MainWindow;

// frmAddURL: enters one link into the main window's lists, or changes the selected one.
// It stays open after each entry so several links can be entered in a row.
class AddLinkDialog : public QWidget {
    Q_OBJECT
public:
    AddLinkDialog(MainWindow& main, const Services& services);

    // What the main window's Add and Modify commands do before showing the dialog.
    void prepareAdd();
    void prepareModify(const QString& description, const QString& url, const QString& frame);
    bool isAddMode() const;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;   // "URL"
    QLineEdit* Text1 = nullptr; // URL
    FolderPicture* Picture1 = nullptr;
    QLabel* Label3 = nullptr;        // "Description"
    QLineEdit* Text2 = nullptr;      // description
    QLabel* Label4 = nullptr;        // "Target"
    QComboBox* Combo1 = nullptr;     // frame target
    QPushButton* Command1 = nullptr; // Add / Update
    QPushButton* Command2 = nullptr; // Close
    QPushButton* Command3 = nullptr; // Help

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void enterValues();
    void pickLocalPage();
    void targetEntered();
    void showHelp();

    MainWindow& main_;
    Services services_;
};

} // namespace tessaly
