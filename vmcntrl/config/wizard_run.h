#pragma once

#include "form_writer.h"
#include "vellum_ini.h"

#include <string>
#include <vector>

namespace vmcntrl {

// One wizard run as a single change: either the new script is saved with its form and data
// file, or nothing changes. Before the run writes FORMS/N.html and SAVED/N.txt it keeps any
// file of that name aside (".N.html.wizard-old" beside it) and notes in a journal (".wizard.<pid>.journal" in the program
// directory) what it is about to create, and how the script stood in vellum.ini; when the
// script cannot be saved, undo() removes what the run created and puts back what it replaced.
// A run killed half-way is put right by the next run in that program directory: if vellum.ini
// shows the script was saved, the run is kept, otherwise it is undone.
class WizardRun {
public:
    WizardRun(std::string programDirectory, std::string scriptName, const VellumIni& ini);
    WizardRun(const WizardRun&) = delete;
    WizardRun& operator=(const WizardRun&) = delete;
    // A run that was neither kept nor undone is undone.
    ~WizardRun();

    // Writes the script's files as writeWizardFiles does, once the files they replace are kept
    // aside. When a file cannot be written (or kept aside), the run is undone at once and the
    // result carries the reason.
    WizardFiles writeFiles(const WizardFilesRequest& request);
    // The script was saved: the kept-aside files and the journal go.
    void keep();
    // The script was not saved: created files go, replaced ones come back.
    void undo();

private:
    struct File {
        std::string path;
        std::string backup; // empty when the file did not exist before the run
    };
    std::string home_;
    std::string name_;
    std::string journal_;
    std::string beforeText_; // the journal's start: the script as it stood
    std::vector<File> files_;
    bool open_ = false;
};

// Puts right the runs of other, dead processes that a kill or a crash interrupted in this
// program directory; returns how many there were. Every WizardRun does this first.
int recoverWizardRuns(const std::string& programDirectory, const VellumIni& ini);

} // namespace vmcntrl
