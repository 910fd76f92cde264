#include "batch_verbs.h"

#include "command_line.h"
#include "editor_checks.h"
#include "editor_report.h"
#include "form_templates.h"
#include "form_title.h"
#include "script_name.h"
#include "settings_store.h"
#include "template_keys.h"
#include "vellum_ini.h"
#include "wizard_checks.h"
#include "wizard_choices.h"
#include "wizard_run.h"

#include "platform/file_ops.h"
#include "platform/paths.h"

#include <ostream>

namespace vmcntrl {

namespace {

// The script as the editor shows it after picking it in the selector; nullopt when the name
// is not listed.
struct LoadedScript {
    EditorState state;
    std::string formTitle;
};

std::optional<LoadedScript> loadListed(VellumIni& ini, const std::string& name, std::ostream& err) {
    bool listed = false;
    for (const std::string& value : ini.loadScriptList().values())
        listed = listed || value == name;
    if (!listed) {
        err << "vmcntrl: there is no script named " << name << ".\n";
        return std::nullopt;
    }
    LoadedScript loaded;
    loaded.state = interpretScript(ini.readScript(name));
    if (const auto html = platform::readFile(loaded.state.form); html && !loaded.state.form.empty())
        loaded.formTitle = formTitle(*html);
    return loaded;
}

} // namespace

int reportVerb(const std::string& home, const std::string& name, std::ostream& out,
               std::ostream& err) {
    VellumIni ini(vellumIniPath(home));
    Settings settings;
    loadSettings(ini, settings);
    readServerExtension(ini, settings);
    const auto loaded = loadListed(ini, name, err);
    if (!loaded)
        return 1;
    const auto path = reportPath(home, name);
    if (!path) {
        err << "vmcntrl: the script name " << name << " cannot be used as a file name.\n";
        return 1;
    }
    const std::string text = reportText(reportInputFromEditor(
        name, loaded->state, loaded->formTitle, settings.WinScriptAlias, settings.serverExtension));
    if (const platform::WriteResult written = platform::writeFileAtomically(*path, text);
        !written) {
        err << "vmcntrl: " << written.error << "\n";
        return 1;
    }
    out << text;
    return 0;
}

int keysVerb(const std::string& home, const std::string& name, std::ostream& out,
             std::ostream& err) {
    VellumIni ini(vellumIniPath(home));
    const auto loaded = loadListed(ini, name, err);
    if (!loaded)
        return 1;
    const EditorState& s = loaded->state;
    const bool newDocument =
        s.saveStyle == SaveStyle::Template && s.insert == InsertMode::NewDocument;
    for (const std::string& key : templateKeysOfFormFile(s.form, newDocument).keys)
        out << key << "\n";
    return 0;
}

int wizardVerb(const std::string& home, const CommandLine& line, std::ostream& out,
               std::ostream& err) {
    auto option = [&line](const char* name) {
        const auto it = line.options.find(name);
        return it == line.options.end() ? std::string() : it->second;
    };
    auto refuse = [&err](std::string_view message) {
        err << "vmcntrl: " << message << "\n";
        return 1;
    };
    WizardChoices choices;
    choices.name = line.operand;
    const NameCheck check = checkWizardScriptName(choices.name);
    if (check.outcome == NameCheck::Empty)
        return refuse("A script needs a name.");
    if (!check.accepted())
        return refuse(check.message);
    if (const std::string reason = unstorableNameReason(choices.name); !reason.empty())
        return refuse(reason);

    const std::string save = option("--save");
    if (save == "none")
        choices.style = WizardSaveStyle::DontSave;
    else if (save == "text")
        choices.style = WizardSaveStyle::Text;
    else if (save == "data")
        choices.style = WizardSaveStyle::Data;
    else
        return refuse("--save must be none, text or data.");

    const std::string number = option("--template");
    const std::string wanted =
        platform::joinPath(platform::joinPath(home, "template"), number + ".fm");
    for (const FormTemplate& t : scanFormTemplates(home))
        if (t.path == wanted)
            choices.templatePath = t.path;
    if (choices.templatePath.empty())
        return refuse("There is no form template " + number + " in the template folder.");

    choices.sendToUrl = line.options.count("--url") > 0;
    choices.url = option("--url");
    if (choices.sendToUrl && urlStillPlaceholder(choices.url))
        return refuse(kForgotUrlMessage);
    choices.copyTo = line.options.count("--copy-to") > 0;
    if (choices.copyTo) {
        choices.copyToAddress = option("--copy-to");
        choices.from = option("--from");
        choices.subject = option("--subject");
    } else if (line.options.count("--from") || line.options.count("--subject")) {
        return refuse("--from and --subject go with --copy-to.");
    }

    VellumIni ini(vellumIniPath(home));
    if (const auto listed = findListedScript(ini.loadScriptList().values(), choices.name);
        listed && !line.replace)
        return refuse(*listed + " already exists. Give --replace to replace it.");

    Settings settings;
    loadSettings(ini, settings);
    readServerExtension(ini, settings);
    // Every way out of here before keep() takes the run's files back.
    WizardRun run(home, choices.name, ini);
    const WizardFiles files =
        run.writeFiles({home, choices.name, choices.templatePath, settings.WinScriptAlias,
                        settings.serverExtension, choices.style});
    if (!files.ok())
        return refuse(files.errors.front());

    const EditorState state = applyWizardChoices(freshEditorState(), choices, home, files.formPath);
    const FileProbe exists = [](const std::string& path) { return platform::fileExists(path); };
    if (const SaveStop stop = checkBeforeSave(state, exists); stop != SaveStop::None)
        return refuse(saveStopMessage(stop));
    if (const platform::WriteResult written =
            ini.writeScript(choices.name, collectScript(state, ScriptRecord{}));
        !written)
        return refuse(written.error);
    run.keep();
    out << choices.name << "\n";
    return 0;
}

} // namespace vmcntrl
