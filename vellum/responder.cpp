#include "responder.h"

#include "script_paths.h"
#include "submission_keys.h"
#include "template_filler.h"

#include "platform/file_ops.h"
#include "vmcntrl/config/editor_state.h"

namespace vellum {

namespace {

CgiResponse htmlResponse(std::string body) {
    CgiResponse response;
    response.headers.emplace_back("Content-Type", "text/html");
    response.body = std::move(body);
    return response;
}

CgiResponse chooseResponse(const vmcntrl::ScriptRecord& script, const std::string& home,
                           const FormFields& fields, const Transaction& transaction,
                           std::vector<std::string>& notes) {
    if (script.Confirm == "yes" || script.Confirm == "Yes") {
        if (script.SendConf == vmcntrl::kDefaultConfirmation)
            return htmlResponse(simpleConfirmation(fields));
        const std::string path = resolveScriptPath(home, script.SendConf);
        if (const auto text = platform::readFile(path))
            return htmlResponse(fillTemplate(*text, submissionKeys(fields, transaction), true));
        notes.push_back("The confirmation template " + path +
                        " cannot be read; the simple confirmation was sent");
        return htmlResponse(simpleConfirmation(fields));
    }
    if (script.SendURL.empty()) {
        notes.push_back("The script names no URL to send the visitor to; the simple "
                        "confirmation was sent");
        return htmlResponse(simpleConfirmation(fields));
    }
    CgiResponse redirect =
        htmlResponse("<!DOCTYPE html>\r\n<html><body><p><a href=\"" + escapeHtml(script.SendURL) +
                     "\">Continue</a></p></body></html>\r\n");
    redirect.status = 302;
    redirect.headers.emplace_back("Location", script.SendURL);
    return redirect;
}

} // namespace

std::string simpleConfirmation(const FormFields& fields) {
    std::string page = "<!DOCTYPE html>\r\n<html>\r\n<head><title>Thank you</title></head>\r\n"
                       "<body>\r\n<h1>Thank you</h1>\r\n"
                       "<p>Your form has been received. These are the contents you sent:</p>\r\n"
                       "<table>\r\n";
    for (const FormField& field : fields.all())
        page += "<tr><th align=\"left\">" + escapeHtml(displayName(field.name)) + "</th><td>" +
                escapeHtml(field.value) + "</td></tr>\r\n";
    page += "</table>\r\n</body>\r\n</html>\r\n";
    return page;
}

CgiResponse respond(const vmcntrl::ScriptRecord& script, const std::string& home,
                    const FormFields& fields, const Transaction& transaction,
                    std::vector<std::string>& notes) {
    CgiResponse response = chooseResponse(script, home, fields, transaction, notes);
    if (!script.Target.empty())
        response.headers.emplace_back("Window-target", script.Target);
    return response;
}

} // namespace vellum
