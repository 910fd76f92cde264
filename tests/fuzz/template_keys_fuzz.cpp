// Any bytes as a form: the template keys never crash, every key is wrapped in carets, and the
// transaction keys always come last.
#include "vmcntrl/config/template_keys.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const bool newDocument = size > 0 && (data[0] & 1);
    const std::string_view form(reinterpret_cast<const char*>(data), size);
    const vmcntrl::TemplateKeys keys = vmcntrl::buildTemplateKeys(form, newDocument);
    const vmcntrl::TemplateKeys none = vmcntrl::buildTemplateKeys({}, newDocument);
    if (keys.keys.size() < none.keys.size())
        std::abort();
    for (std::size_t i = 0; i < none.keys.size(); ++i)
        if (keys.keys[keys.keys.size() - none.keys.size() + i] != none.keys[i])
            std::abort();
    for (const std::string& key : keys.keys)
        if (key.size() < 2 || key.front() != '^' || key.back() != '^')
            std::abort();
    (void)vmcntrl::templateKeyName(form.substr(0, 80));
    return 0;
}
