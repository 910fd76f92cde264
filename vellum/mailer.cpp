#include "mailer.h"

#include "entry_text.h"
#include "mail_address.h"
#include "mail_message.h"
#include "script_paths.h"
#include "submission_keys.h"
#include "template_filler.h"

#include "platform/file_ops.h"
#include "platform/profile_text.h"
#include "vmcntrl/config/editor_state.h"
#include "vmcntrl/config/processor_contract.h"

namespace vellum {

namespace {

std::string fromName(const SubmissionMail& mail) {
    if (mail.script.Sender == vmcntrl::kUseFormFrom)
        return mail.fields.value("From").value_or(std::string());
    return mail.script.Sender;
}

std::string subject(const SubmissionMail& mail) {
    std::string text = mail.script.Subject == vmcntrl::kUseFormSubject
                           ? mail.fields.value("Subject").value_or(std::string())
                           : mail.script.Subject;
    if (platform::trimBlanks(text).empty())
        text = "Form submission: " + mail.scriptName;
    return text;
}

bool isDomain(std::string_view text) {
    return isMailAddress("x@" + std::string(text));
}

std::string mailDomain(const MailSettings& settings) {
    if (const std::size_t at = settings.from.rfind('@');
        isMailAddress(settings.from) && at != std::string::npos)
        return settings.from.substr(at + 1);
    return isDomain(settings.serverDomain) ? settings.serverDomain : std::string("localhost");
}

ComposedMail compose(const SubmissionMail& mail, const std::vector<std::string>& recipients,
                     std::string body, const std::string& idSuffix) {
    const MailSettings& s = mail.settings;
    const bool validFrom = isMailAddress(s.from);
    MessageParts parts;
    parts.fromName = fromName(mail);
    parts.fromAddress = validFrom ? s.from : "vellum@" + mailDomain(s);
    parts.replyTo = validFrom ? s.from : std::string();
    parts.to = recipients;
    parts.subject = subject(mail);
    parts.date = rfc5322Date(mail.now);
    parts.messageId = mail.transaction.id + "." + idSuffix + "@" + mailDomain(s);
    parts.body = std::move(body);
    ComposedMail composed;
    composed.subject = headerText(parts.subject);
    composed.envelope.server = s.server;
    composed.envelope.heloDomain = isDomain(s.serverDomain) ? s.serverDomain : std::string();
    // Without a return address the envelope sender is the null path, as for notices.
    composed.envelope.envelopeFrom = validFrom ? s.from : std::string();
    composed.envelope.recipients = recipients;
    composed.envelope.message = composeMessage(parts);
    return composed;
}

std::string joined(const std::vector<std::string>& list) {
    std::string out;
    for (const std::string& item : list)
        out += (out.empty() ? "" : ", ") + item;
    return out;
}

// Sends one message and logs it; false when it failed.
bool sendAndLog(const SubmissionMail& mail, MailTransport& transport, const ProcessorLogs& logs,
                std::string_view what, const ComposedMail& composed) {
    SendResult result;
    if (platform::trimBlanks(composed.envelope.server).empty())
        result.error = "no MailServer in Config";
    else
        result = transport.send(composed.envelope);
    logs.mail(mail.now, mail.scriptName, what, joined(composed.envelope.recipients),
              result.ok ? "sent, subject: " + composed.subject : "FAILED: " + result.error);
    return result.ok;
}

} // namespace

ComposedMail composeCopy(const SubmissionMail& mail, const std::vector<std::string>& recipients) {
    std::string body = "The form of the script " + mail.scriptName + " was submitted.\r\n\r\n" +
                       textBlock(mail.fields, mail.transaction);
    return compose(mail, recipients, std::move(body), "copy");
}

ComposedMail composeLetter(const SubmissionMail& mail, const std::string& visitor,
                           const std::string& letterBody) {
    return compose(mail, {visitor},
                   fillTemplate(letterBody, submissionKeys(mail.fields, mail.transaction), false),
                   "letter");
}

MailReport sendSubmissionMail(const SubmissionMail& mail, MailTransport& transport,
                              const ProcessorLogs& logs) {
    MailReport report;
    auto count = [&report](bool ok) {
        if (ok)
            ++report.sent;
        else
            report.anyFailed = true;
    };
    if (!platform::trimBlanks(mail.script.To).empty()) {
        const std::vector<std::string> recipients = copyRecipients(mail.script.To, mail.home);
        if (recipients.empty()) {
            logs.mail(mail.now, mail.scriptName, "copy of the form", mail.script.To,
                      "FAILED: To names no valid address");
            report.anyFailed = true;
        } else {
            count(sendAndLog(mail, transport, logs, "copy of the form",
                             composeCopy(mail, recipients)));
        }
    }
    if (!mail.script.SendMessage.empty()) {
        using vmcntrl::processor::kEmailField;
        const std::string address(
            platform::trimBlanks(mail.fields.value(kEmailField).value_or(std::string())));
        const std::string letterPath = resolveScriptPath(mail.home, mail.script.SendMessage);
        if (mail.fields.count(kEmailField) != 1 || !isMailAddress(address)) {
            // The visitor gave no usable address: nothing to send, and nothing went wrong.
            logs.mail(mail.now, mail.scriptName, "letter to the visitor", address,
                      "not sent: the E-Mail field holds no single valid address");
        } else if (const auto letter = platform::readFile(letterPath)) {
            count(sendAndLog(mail, transport, logs, "letter to the visitor",
                             composeLetter(mail, address, *letter)));
        } else {
            logs.mail(mail.now, mail.scriptName, "letter to the visitor", address,
                      "FAILED: the letter " + letterPath + " cannot be read");
            report.anyFailed = true;
        }
    }
    return report;
}

} // namespace vellum
