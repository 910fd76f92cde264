#pragma once

#include "form_fields.h"
#include "transaction.h"

#include "vmcntrl/config/script_record.h"

#include <string>
#include <vector>

namespace vellum {

struct SaveOutcome {
    bool saved = false;             // the entry is in the archive (or the style saves none)
    std::string error;              // why it is not, when it is not
    std::vector<std::string> notes; // things the operator should know although it was saved
};

// Saves one submission the way the script's OutputStyle says: a row appended to a
// comma-separated archive, a block appended to a text archive, a filled template inserted
// into an HTML archive, a new document per entry, or nothing. Every change of an existing
// file is one locked read-modify-write with an atomic replace; a new document appears whole.
// For "Discrete" the transaction learns the new document's file name.
SaveOutcome saveEntry(const vmcntrl::ScriptRecord& script, const std::string& home,
                      const FormFields& fields, Transaction& transaction);

} // namespace vellum
