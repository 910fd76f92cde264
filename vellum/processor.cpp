#include "processor.h"

#include "entry_saver.h"
#include "form_body.h"
#include "form_fields.h"
#include "mailer.h"
#include "processor_logs.h"
#include "responder.h"
#include "script_access.h"
#include "script_paths.h"
#include "transaction.h"

#include "platform/file_ops.h"
#include "platform/paths.h"
#include "platform/profile_file.h"
#include "vmcntrl/config/vellum_ini.h"

#include <exception>
#include <sstream>

namespace vellum {

namespace {

constexpr std::string_view kLockedRefusal = "This form may not run this script";

class Run {
public:
    explicit Run(const ProcessorContext& c)
        : c_(c), logs_(c.home), ini_(vmcntrl::vellumIniPath(c.home)) {}

    CgiResponse handle() {
        scriptName_ = requestedScriptName(c_.request);
        // One reading of vellum.ini for the whole request: the list, the script and the
        // settings as they were at one moment, however the panel changes the file meanwhile.
        config_ = platform::loadProfile(ini_.path());
        const auto listed = findListedScript(vmcntrl::scriptListOf(config_), scriptName_);
        if (!listed)
            return refuse(404, "There is no script of this name.", "No such script");
        scriptName_ = *listed;
        script_ = vmcntrl::scriptOf(config_, scriptName_);
        if (c_.request.method == "GET" || c_.request.method == "HEAD")
            return serveForm();
        if (c_.request.method == "POST")
            return submit();
        CgiResponse response = refuse(405, "This script takes GET and POST requests only.",
                                      "Method " + c_.request.method + " not allowed");
        response.headers.emplace_back("Allow", "GET, HEAD, POST");
        return response;
    }

    CgiResponse failure(std::string_view what) {
        return refuse(500, "The form could not be processed.",
                      "Internal error: " + std::string(what));
    }

private:
    std::string setting(std::string_view key) const {
        return config_.value(vmcntrl::kConfigSection, key).value_or(std::string());
    }

    CgiResponse refuse(int status, std::string_view sentence, std::string_view reason) {
        logs_.error(c_.now, scriptName_, c_.request.remoteAddress, reason);
        return errorPage(status, sentence);
    }

    CgiResponse serveForm() {
        const std::string form = resolveScriptPath(c_.home, script_.Form);
        const auto html = form.empty() ? std::nullopt : platform::readFile(form);
        if (!html)
            return refuse(404, "This script has no form.",
                          form.empty() ? std::string("The script names no Form")
                                       : "The form " + form + " cannot be read");
        CgiResponse response;
        response.headers.emplace_back("Content-Type", "text/html");
        if (c_.request.method == "GET")
            response.body = *html;
        return response;
    }

    CgiResponse submit() {
        static std::istringstream none;
        BodyRead read = readRequestBody(c_.request.contentLength, c_.body ? *c_.body : none);
        if (read.outcome == BodyRead::TooLarge)
            return refuse(413, "The form sent more than the script accepts.", read.reason);
        if (read.outcome == BodyRead::Malformed)
            return refuse(400, "The form data could not be read.", read.reason);
        BodyParse parsed = parseFormBody(c_.request.contentType, read.body);
        if (!parsed.ok)
            return refuse(400, "The form data could not be read.", parsed.error);
        if (!refererMayRun(script_, scriptName_, c_.request.referer))
            return refuse(403, kLockedRefusal,
                          "Locked script run from another page (Referer: " + c_.request.referer +
                              ")");

        const FormFields fields(std::move(parsed.fields));
        const std::string configFrom = setting("From");
        Transaction transaction = makeTransaction(c_.request, c_.now, configFrom);
        const SaveOutcome saved = saveEntry(script_, c_.home, fields, transaction);
        for (const std::string& note : saved.notes)
            logs_.error(c_.now, scriptName_, c_.request.remoteAddress, note);

        std::vector<std::string> notes;
        CgiResponse response = saved.saved
                                   ? respond(script_, c_.home, fields, transaction, notes)
                                   : errorPage(500, "Your form could not be saved. Please try "
                                                    "again later.");
        if (!saved.saved)
            logs_.error(c_.now, scriptName_, c_.request.remoteAddress,
                        "Entry not saved: " + saved.error);
        for (const std::string& note : notes)
            logs_.error(c_.now, scriptName_, c_.request.remoteAddress, note);

        // After the save: the copy of an entry that could not be saved still goes out, so
        // the operator has it.
        if (c_.mail) {
            const MailSettings settings{setting("MailServer"), configFrom, setting("ServerDomain")};
            const MailReport report = sendSubmissionMail(
                {script_, c_.home, scriptName_, fields, transaction, settings, c_.now}, *c_.mail,
                logs_);
            if (report.anyFailed)
                (void)ini_.writeConfig("MailErr", "1");
        }
        return response;
    }

    const ProcessorContext& c_;
    ProcessorLogs logs_;
    vmcntrl::VellumIni ini_; // for the one write, MailErr
    platform::ProfileText config_;
    std::string scriptName_;
    vmcntrl::ScriptRecord script_;
};

} // namespace

CgiResponse processRequest(const ProcessorContext& context) {
    Run run(context);
    try {
        return run.handle();
    } catch (const std::exception& e) {
        return run.failure(e.what());
    } catch (...) {
        return run.failure("unknown exception");
    }
}

std::string processorHome(const char* vellumHome) {
    if (vellumHome && *vellumHome)
        return vellumHome;
    return platform::executableDirectory();
}

} // namespace vellum
