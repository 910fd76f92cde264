#pragma once

#include "form_fields.h"
#include "mail_transport.h"
#include "processor_logs.h"
#include "transaction.h"

#include "vmcntrl/config/script_record.h"

#include <chrono>
#include <string>

namespace vellum {

// The Config values the mailer uses.
struct MailSettings {
    std::string server;       // MailServer: "host" or "host:port"
    std::string from;         // From: envelope sender and reply address
    std::string serverDomain; // ServerDomain
};

struct SubmissionMail {
    const vmcntrl::ScriptRecord& script;
    const std::string& home;
    const std::string& scriptName;
    const FormFields& fields;
    const Transaction& transaction;
    const MailSettings& settings;
    std::chrono::system_clock::time_point now;
};

struct MailReport {
    int sent = 0;
    bool anyFailed = false;
};

// The script's messages: the copy of the submission to To (an address or a recipient group
// file), and the letter (SendMessage) to the address in the form's E-Mail field when that
// field holds exactly one valid address. Recipients come only from the script and that one
// field, never from other fields. Every message sent or failed is a line in vellsmtp.log.
MailReport sendSubmissionMail(const SubmissionMail& mail, MailTransport& transport,
                              const ProcessorLogs& logs);

// The message parts of the copy and the letter, without sending (for tests).
struct ComposedMail {
    OutgoingMail envelope;
    std::string subject;
};
ComposedMail composeCopy(const SubmissionMail& mail, const std::vector<std::string>& recipients);
ComposedMail composeLetter(const SubmissionMail& mail, const std::string& visitor,
                           const std::string& letterBody);

} // namespace vellum
