#include "batch_verbs.h"

#include "command_line.h"
#include "editor_checks.h"
#include "report.h"
#include "script_name.h"
#include "settings_store.h"
#include "template_keys.h"
#include "vellum_ini.h"
#include "wizard.h"

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
    ReportInput input;
    input.name = name;
    input.editor = loaded->state;
    input.formTitle = loaded->formTitle;
    if (!loaded->state.form.empty())
        input.formListing = platform::readFile(loaded->state.form);
    input.winScriptAlias = settings.WinScriptAlias;
    input.serverExtension = settings.serverExtension;
    input.dateTime = generalDateTime(std::time(nullptr));
    const std::string text = reportText(input);
    if (const platform::WriteResult written =
            platform::writeFileAtomically(platform::joinPath(home, name + ".rpt"), text);
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
    const auto html = platform::fileExists(s.form) ? platform::readFile(s.form) : std::nullopt;
    for (const std::string& key : buildTemplateKeys(html, newDocument).keys)
        out << key << "\n";
    return 0;
}

int wizardVerb(const std::string& home, const CommandLine& line, std::ostream& out,
               std::ostream& err) {
    auto option = [&line](const char* name) {
        const auto it = line.options.find(name);
        return it == line.options.end() ? std::string() : it->second;
    };
    auto refuse = [&err](const std::string& message) {
        err << "vmcntrl: " << message << "\n";
        return 1;
    };
    WizardChoices choices;
    choices.name = line.operand;
    if (choices.name.empty())
        return refuse("A script needs a name.");
    if (const std::string problem = wizardNameProblem(choices.name); !problem.empty())
        return refuse(problem);
    if (const std::string reason = unstorableNameReason(choices.name); !reason.empty())
        return refuse(reason);

    const std::string save = option("--save");
    if (save == "none")
        choices.style = WizardSaveStyle::Discard;
    else if (save == "text")
        choices.style = WizardSaveStyle::Text;
    else if (save == "data")
        choices.style = WizardSaveStyle::Data;
    else
        return refuse("--save must be none, text or data.");

    const std::string templateNumber = option("--template");
    for (const FormTemplate& t : scanFormTemplates(home))
        if (std::to_string(t.number) == templateNumber)
            choices.templatePath = t.path;
    if (choices.templatePath.empty())
        return refuse("There is no form template " + templateNumber + " in the template folder.");

    choices.sendToUrl = line.options.count("--url") > 0;
    choices.url = option("--url");
    if (choices.sendToUrl && choices.url == "HTTP://")
        return refuse("Don't forget to enter a URL!");
    choices.copyTo = line.options.count("--copy-to") > 0;
    if (choices.copyTo) {
        choices.copyToAddress = option("--copy-to");
        choices.from = option("--from");
        choices.subject = option("--subject");
    } else if (line.options.count("--from") || line.options.count("--subject")) {
        return refuse("--from and --subject go with --copy-to.");
    }

    VellumIni ini(vellumIniPath(home));
    if (ini.loadScriptList().containsIgnoringCase(choices.name) && !line.replace)
        return refuse(choices.name + " already exists. Give --replace to replace it.");

    Settings settings;
    loadSettings(ini, settings);
    readServerExtension(ini, settings);
    if (const std::string failed =
            writeWizardFiles(choices, home, settings.WinScriptAlias, settings.serverExtension);
        !failed.empty())
        return refuse(failed);

    // A fresh editor: simple confirmation, saving based on a template before old entries.
    EditorState fresh;
    fresh.confirmationTemplate = kDefaultConfirmation;
    const EditorState state = applyWizardChoices(fresh, choices, home);
    const FileProbe exists = [](const std::string& path) { return platform::fileExists(path); };
    if (const SaveStop stop = checkBeforeSave(state, exists); stop != SaveStop::None)
        return refuse(saveStopMessage(stop));
    if (const platform::WriteResult written =
            ini.writeScript(choices.name, collectScript(state, ScriptRecord{}));
        !written)
        return refuse(written.error);
    out << choices.name << "\n";
    return 0;
}

} // namespace vmcntrl
