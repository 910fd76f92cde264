#pragma once

#include <QDialog>

#include <string>

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace vmcntrl {

class VellumIni;
struct Services;
struct Settings;
class WhatsThisMenu;

// The Settings dialog: the boxes are the settings while it is open; OK stores them through
// the settings store, Cancel drops them.
class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(VellumIni& ini, Settings& settings, Services& services, std::string programDirectory,
          const QString& helpFile, QWidget* parent = nullptr);

    QTabWidget* SSTab1;
    QLineEdit* txtSvrIP;
    QLineEdit* txtEditor;
    QLineEdit* htmEditor;
    QLineEdit* txtSvr;
    QLineEdit* txtMailSvr;
    QLineEdit* txtAlias;
    QLineEdit* txtFrom;
    QPushButton* CmdBrsBrowser;
    QPushButton* cmdBrsTxtEdt;
    QPushButton* cmdBrsHtmEdt;
    QPushButton* cmdSetOK;
    QPushButton* cmdSetCancel;
    WhatsThisMenu* whatsThis() const { return whatsThis_; }

private:
    void browse(QLineEdit* box, const QString& title);
    void acceptSettings();

    VellumIni& ini_;
    Settings& settings_;
    Services& services_;
    std::string home_;
    WhatsThisMenu* whatsThis_;
};

} // namespace vmcntrl
