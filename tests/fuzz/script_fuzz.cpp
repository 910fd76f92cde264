// Any vellum.ini section as a script: interpreting it never crashes, and saving what the
// editor shows is stable (a second load and save changes nothing more).
#include "platform/profile_text.h"
#include "vmcntrl/config/editor_state.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const platform::ProfileText text(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto sections = text.sectionNames();
    const std::string section = sections.empty() ? std::string() : sections.front();
    vmcntrl::ScriptRecord record;
    for (const vmcntrl::ScriptKey& key : vmcntrl::kScriptKeys)
        record.*key.field = text.value(section, key.name).value_or(std::string());
    const vmcntrl::EditorState shown = vmcntrl::interpretScript(record);
    const vmcntrl::ScriptRecord saved = vmcntrl::collectScript(shown, record);
    const vmcntrl::EditorState again = vmcntrl::interpretScript(saved);
    if (again != shown || vmcntrl::collectScript(again, saved) != saved)
        std::abort();
    return 0;
}
