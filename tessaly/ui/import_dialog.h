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

// fImport: appends the links of an HTML bookmark file to the main window's list, all with
// the frame target chosen here.
class ImportDialog : public QWidget {
    Q_OBJECT
public:
    ImportDialog(MainWindow& main, const Services& services);

    QLabel* Label1 = nullptr;    // "Default frame target"
    QComboBox* Combo1 = nullptr; // frame target for every imported link
    QLabel* Label2 = nullptr;    // what the frame target is for
    QLabel* Label3 = nullptr;    // "HTML file"
    QLineEdit* Text1 = nullptr;  // bookmark file
    FolderPicture* Picture1 = nullptr;
    QPushButton* Command1 = nullptr; // Ok
    QPushButton* Command2 = nullptr; // Cancel

    // Runs the import of the file named in Text1.
    void runImport();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void chooseFile();

    MainWindow& main_;
    Services services_;
};

} // namespace tessaly
