#include "wizard_run.h"

#include "platform/file_ops.h"
#include "platform/paths.h"
#include "platform/profile_file.h"
#include "platform/profile_text.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vmcntrl {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRunSection = "Wizard";
constexpr std::string_view kBeforeSection = "Before";
constexpr std::string_view kFilesSection = "Files";
const std::string kJournalPrefix = ".wizard.";
const std::string kJournalSuffix = ".journal";

// How the script stands in vellum.ini: listed or not, and its fourteen values.
struct ScriptState {
    bool listed = false;
    ScriptRecord record;
    bool operator==(const ScriptState&) const = default;
};

ScriptState scriptState(const VellumIni& ini, const std::string& name) {
    ScriptState state;
    state.listed = ini.loadScriptList().containsIgnoringCase(name);
    for (const ScriptKey& key : kScriptKeys)
        state.record.*key.field = ini.read(name, key.name);
    return state;
}

std::string backupPath(const std::string& path) {
    return platform::joinPath(platform::directoryOfPath(path),
                              "." + platform::fileNameFromPath(path) + ".wizard-old");
}

// The paths a journal names, and the temporary files that writes of them may have left.
std::vector<std::string> journalFiles(const platform::ProfileText& journal) {
    std::vector<std::string> paths;
    for (int i = 1;; ++i) {
        const auto path = journal.value(kFilesSection, "File" + std::to_string(i));
        if (!path)
            return paths;
        paths.push_back(*path);
        if (auto backup = journal.value(kFilesSection, "Backup" + std::to_string(i));
            backup && !backup->empty())
            paths.push_back(*backup);
    }
}

// Puts the kept-aside file back in its place. A backup that is still a second name of the
// file in place (the run never replaced it) only loses that name: rename() would leave both.
void restore(const std::string& path, const std::string& backup) {
    struct stat kept {}, current {};
    if (::stat(backup.c_str(), &kept) != 0)
        return;
    if (::stat(path.c_str(), &current) == 0 && kept.st_dev == current.st_dev &&
        kept.st_ino == current.st_ino)
        std::remove(backup.c_str());
    else
        std::rename(backup.c_str(), path.c_str());
}

// Created files go, kept-aside ones come back; then the journal goes.
void putBack(const platform::ProfileText& journal, const std::string& journalPath) {
    for (int i = 1;; ++i) {
        const auto path = journal.value(kFilesSection, "File" + std::to_string(i));
        if (!path)
            break;
        const std::string backup =
            journal.value(kFilesSection, "Backup" + std::to_string(i)).value_or(std::string());
        if (backup.empty())
            std::remove(path->c_str());
        else
            restore(*path, backup);
    }
    for (const std::string& path : journalFiles(journal))
        platform::removeStaleTemporaries(path);
    std::remove(journalPath.c_str());
}

void dropBackups(const platform::ProfileText& journal, const std::string& journalPath) {
    for (int i = 1;; ++i) {
        if (!journal.value(kFilesSection, "File" + std::to_string(i)))
            break;
        const std::string backup =
            journal.value(kFilesSection, "Backup" + std::to_string(i)).value_or(std::string());
        if (!backup.empty())
            std::remove(backup.c_str());
    }
    for (const std::string& path : journalFiles(journal))
        platform::removeStaleTemporaries(path);
    std::remove(journalPath.c_str());
}

// A second name for the file as it is: the run's writes replace the file by a new one, so
// the second name keeps the old one, with its permissions, for putting back. Where hard
// links are not supported, a copy with the same permissions does.
std::string keepAside(const std::string& path, const std::string& backup, const std::string& bytes) {
    std::remove(backup.c_str());
    if (::link(path.c_str(), backup.c_str()) == 0)
        return {};
    if (const platform::WriteResult copied = platform::writeFileAtomically(backup, bytes); !copied)
        return copied.error;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        ::chmod(backup.c_str(), st.st_mode & 07777);
    return {};
}

bool processAlive(pid_t pid) { return ::kill(pid, 0) == 0 || errno != ESRCH; }

// The run of this process that is under way, whose journal recovery must leave alone.
const WizardRun*& activeRun() {
    static const WizardRun* run = nullptr;
    return run;
}

} // namespace

int recoverWizardRuns(const std::string& programDirectory, const VellumIni& ini) {
    int recovered = 0;
    std::error_code ec;
    for (fs::directory_iterator it(programDirectory, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string file = it->path().filename().string();
        // A journal write that a kill cut short leaves only its temporary file.
        if (const std::size_t at = file.find(kJournalSuffix + ".");
            file.rfind("." + kJournalPrefix, 0) == 0 && at != std::string::npos) {
            platform::removeStaleTemporaries(
                platform::joinPath(programDirectory, file.substr(1, at - 1 + kJournalSuffix.size())));
            continue;
        }
        if (file.size() <= kJournalPrefix.size() + kJournalSuffix.size() ||
            file.rfind(kJournalPrefix, 0) != 0 ||
            file.substr(file.size() - kJournalSuffix.size()) != kJournalSuffix)
            continue;
        const std::string pidText = file.substr(
            kJournalPrefix.size(), file.size() - kJournalPrefix.size() - kJournalSuffix.size());
        if (pidText.empty() || pidText.size() > 10 ||
            pidText.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const pid_t pid = static_cast<pid_t>(std::stol(pidText));
        if (pid == ::getpid() ? activeRun() != nullptr : processAlive(pid))
            continue;
        const std::string path = it->path().string();
        const auto journal = platform::readProfile(path);
        if (!journal)
            continue;
        const std::string name = journal->value(kRunSection, "Script").value_or(std::string());
        ScriptState before;
        before.listed = journal->value(kRunSection, "Listed").value_or("") == "Yes";
        for (const ScriptKey& key : kScriptKeys)
            before.record.*key.field =
                journal->value(kBeforeSection, key.name).value_or(std::string());
        const ScriptState now = scriptState(ini, name);
        // The save is the last step of a run: a script saved differently from how it stood
        // before the run means the run got that far.
        if (now.listed && now != before)
            dropBackups(*journal, path);
        else
            putBack(*journal, path);
        ++recovered;
    }
    return recovered;
}

WizardRun::WizardRun(std::string programDirectory, std::string scriptName, const VellumIni& ini)
    : home_(std::move(programDirectory)), name_(std::move(scriptName)) {
    recoverWizardRuns(home_, ini);
    journal_ = platform::joinPath(home_, kJournalPrefix + std::to_string(::getpid()) + kJournalSuffix);
    const ScriptState before = scriptState(ini, name_);
    platform::ProfileText journal;
    journal.setValue(kRunSection, "Script", platform::quoteForProfile(name_));
    journal.setValue(kRunSection, "Listed", before.listed ? "Yes" : "No");
    for (const ScriptKey& key : kScriptKeys)
        journal.setValue(kBeforeSection, key.name, platform::quoteForProfile(before.record.*key.field));
    beforeText_ = journal.bytes();
}

WizardRun::~WizardRun() {
    if (open_)
        undo();
}

WizardFiles WizardRun::writeFiles(const WizardFilesRequest& request) {
    WizardFiles refused;
    const auto refuse = [&](std::string reason) {
        undo();
        refused.errors.push_back(std::move(reason));
        return refused;
    };
    // The files this run may write, each kept aside first when it exists.
    std::vector<std::string> paths;
    if (!request.templatePath.empty())
        paths.push_back(wizardFormPath(request.programDirectory, request.scriptName));
    if (const std::string data =
            wizardDataPath(request.programDirectory, request.scriptName, request.style);
        !data.empty())
        paths.push_back(data);

    platform::ProfileText journal(beforeText_);
    activeRun() = this;
    open_ = true;
    files_.clear();
    for (const std::string& path : paths) {
        File file{path, {}};
        platform::ReadResult old = platform::readFileLimited(path);
        if (!old && old.outcome != platform::ReadResult::Outcome::Missing)
            return refuse(old.error);
        if (old)
            file.backup = backupPath(path);
        files_.push_back(file);
        const std::string n = std::to_string(files_.size());
        journal.setValue(kFilesSection, "File" + n, platform::quoteForProfile(file.path));
        journal.setValue(kFilesSection, "Backup" + n, platform::quoteForProfile(file.backup));
        // The journal names each file before anything is written, so a kill at any moment
        // leaves a journal that covers it; a backup it names that is not there yet means the
        // file was not touched.
        if (const platform::WriteResult noted =
                platform::writeFileAtomically(journal_, journal.bytes());
            !noted)
            return refuse(noted.error);
        if (old) {
            if (std::string error = keepAside(path, file.backup, old.bytes); !error.empty()) {
                files_.pop_back(); // nothing to put back: the file is as it was
                return refuse("The file " + path + " could not be kept aside: " + error);
            }
        }
    }
    WizardFiles files = writeWizardFiles(request);
    if (!files.ok()) {
        refused = std::move(files);
        undo();
        return refused;
    }
    return files;
}

void WizardRun::keep() {
    if (!open_)
        return;
    for (const File& file : files_)
        if (!file.backup.empty())
            std::remove(file.backup.c_str());
    std::remove(journal_.c_str());
    open_ = false;
    activeRun() = nullptr;
}

void WizardRun::undo() {
    if (!open_)
        return;
    for (const File& file : files_) {
        if (file.backup.empty())
            std::remove(file.path.c_str());
        else
            restore(file.path, file.backup);
    }
    std::remove(journal_.c_str());
    files_.clear();
    open_ = false;
    activeRun() = nullptr;
}

} // namespace vmcntrl
