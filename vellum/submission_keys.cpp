#include "submission_keys.h"

namespace vellum {

KeyValues submissionKeys(const FormFields& fields, const Transaction& transaction) {
    return [&fields, &transaction](std::string_view name) {
        if (auto value = transaction.key(name))
            return value;
        return fields.value(name);
    };
}

} // namespace vellum
