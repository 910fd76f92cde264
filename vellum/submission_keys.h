#pragma once

#include "form_fields.h"
#include "template_filler.h"
#include "transaction.h"

namespace vellum {

// The keys a template of this submission may use: the transaction keys, which no form field
// can stand in for, then the form's fields by name.
KeyValues submissionKeys(const FormFields& fields, const Transaction& transaction);

} // namespace vellum
