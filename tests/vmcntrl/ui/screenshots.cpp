// Saves the README's pictures of the control panel: each tab of the script editor, both tabs
// of the settings dialog, three wizard pages and the template keys window, all on a sample
// "Feedback" script in a copy of a program directory.
//   QT_QPA_PLATFORM=offscreen ./build/tests/vmcntrl/ui/vmcntrl_screenshots docs
//   build/programs/vmcntrl
#include "vmcntrl/ui/form1.h"
#include "vmcntrl/ui/form2.h"
#include "vmcntrl/ui/form3.h"
#include "vmcntrl/ui/form4.h"
#include "vmcntrl/ui/script_selector.h"

#include "panel_fakes.h"

#include "support/temp_dir.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <filesystem>
#include <iostream>

namespace {

bool save(QWidget& window, const QString& folder, const char* name) {
    QApplication::processEvents();
    if (window.grab().save(folder + QLatin1Char('/') + QLatin1String(name)))
        return true;
    std::cerr << "cannot write " << name << " into " << folder.toStdString() << "\n";
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::cerr << "usage: vmcntrl_screenshots OUTPUT-FOLDER PROGRAM-DIRECTORY\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    namespace fs = std::filesystem;
    // A fixed place, so that the pictures show a short path that does not change each run.
    const fs::path home = fs::temp_directory_path() / "vmshots" / "home";
    std::error_code error;
    fs::remove_all(home, error);
    fs::create_directories(home.parent_path(), error);
    fs::copy(argv[2], home, fs::copy_options::recursive, error);
    if (error) {
        std::cerr << "cannot copy " << argv[2] << ": " << error.message() << "\n";
        return 1;
    }
    fs::remove(home / "vellum.ini", error);
    const std::string form = (home / "FORMS" / "feedback.html").string();
    TempDir::write(form, "<HTML><HEAD><TITLE>Customer Feedback</TITLE></HEAD><BODY>\r\n"
                         "<FORM METHOD=\"POST\" ACTION=\"/scripts/vellum.exe/Feedback\">\r\n"
                         "<INPUT NAME=\"00name\"> <INPUT NAME=\"01email\">\r\n"
                         "<TEXTAREA NAME=\"02comments\"></TEXTAREA>\r\n"
                         "<INPUT TYPE=\"submit\" NAME=\"submit\"></FORM></BODY></HTML>\r\n");
    const std::string saved = (home / "SAVED" / "feedback.csv").string();
    TempDir::write((home / "vellum.ini").string(),
                   "[Config]\r\nBrowser=/usr/bin/browser\r\nTextEditor=/usr/bin/editor\r\n"
                   "HTMLEditor=/usr/bin/html-editor\r\nServerDomain=www.example.com\r\n"
                   "WinScriptAlias=/scripts/\r\nMailServer=mail.example.com\r\n"
                   "From=webmaster@example.com\r\n"
                   "[NumTags]\r\nFeedback=Feedback\r\n"
                   "[Feedback]\r\nForm=" +
                       form + "\r\nLocked=True\r\nOutputStyle=Comma\r\nArchive=" + saved +
                       "\r\nConfirm=yes\r\nSendConf=Default\r\nTo=sales@example.com\r\n"
                       "Sender=Use 'From' from Form\r\nSubject=Customer feedback\r\n"
                       "Target=_self\r\n");

    PanelFakes fakes;
    vmcntrl::Services& services = fakes.services;
    vmcntrl::Form1 editor(home.string(), services);
    editor.resize(640, 475);
    editor.show();
    const int index = editor.ComboVell->findText(QStringLiteral("Feedback"));
    editor.ComboVell->setCurrentIndex(index);
    emit editor.ComboVell->activated(index);
    const char* tabs[] = {"editor-form.png", "editor-save-to-file.png",
                          "editor-send-to-browser.png", "editor-email-options.png"};
    for (int tab = 0; tab < 4; ++tab) {
        editor.SSTab1->setCurrentIndex(tab);
        if (!save(editor, out, tabs[tab]))
            return 1;
    }

    vmcntrl::Form2 settings(editor.ini(), editor.settings(), services, home.string(),
                            editor.helpFile(), &editor);
    settings.show();
    for (const auto& [tab, name] :
         {std::pair{0, "settings-applications.png"}, std::pair{1, "settings-server.png"}}) {
        settings.SSTab1->setCurrentIndex(tab);
        if (!save(settings, out, name))
            return 1;
    }
    settings.hide();

    vmcntrl::Form3 wizard(&editor);
    wizard.show();
    wizard.cmdNext->click();
    if (!save(wizard, out, "wizard-page1-form.png"))
        return 1;
    wizard.cmdNext->click();
    if (!save(wizard, out, "wizard-page2-save.png"))
        return 1;
    while (wizard.page() < 5)
        wizard.cmdNext->click();
    wizard.Text1->setText(QStringLiteral("Guest_Book"));
    wizard.cmdNext->click();
    wizard.cmdNext->click();
    if (wizard.page() != 7 || !save(wizard, out, "wizard-page7-complete.png"))
        return 1;
    wizard.cmdFinish->click();

    const int again = editor.ComboVell->findText(QStringLiteral("Feedback"));
    editor.ComboVell->setCurrentIndex(again);
    emit editor.ComboVell->activated(again);
    editor.mnuTemplateKeys->trigger();
    vmcntrl::Form4* keys = editor.templateKeysWindow();
    return keys && save(*keys, out, "template-keys.png") ? 0 : 1;
}
