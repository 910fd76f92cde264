#pragma once

#include "cgi_response.h"
#include "form_fields.h"
#include "transaction.h"

#include "vmcntrl/config/script_record.h"

#include <string>
#include <vector>

namespace vellum {

// What the visitor gets back after a submission, by Confirm, SendConf and SendURL: the
// simple confirmation page that lists the fields, the confirmation template filled with
// the submission, or a redirect. A script whose chosen response cannot be given (its
// template is missing, it names no URL) falls back to the simple page and says why in the
// notes, so the visitor still learns the form arrived. Target goes out as Window-target.
CgiResponse respond(const vmcntrl::ScriptRecord& script, const std::string& home,
                    const FormFields& fields, const Transaction& transaction,
                    std::vector<std::string>& notes);

// The simple confirmation page.
std::string simpleConfirmation(const FormFields& fields);

} // namespace vellum
