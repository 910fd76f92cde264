// Any template text, script name and alias through the wizard's form writer: never a crash,
// and the template's lines all reach the form (numbered ones only gain digits).
#include "fuzz_input.h"

#include "vmcntrl/config/form_writer.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzzFields(data, size, 4);
    const vmcntrl::WizardSaveStyle style =
        static_cast<vmcntrl::WizardSaveStyle>((f[0].empty() ? 0 : f[0][0]) % 3);
    const bool extension = !f[0].empty() && (f[0][0] & 4);
    const vmcntrl::FormFileText form = vmcntrl::formFileText(f[3], f[1], f[2], extension, style);
    if (form.bytes.size() < f[3].size())
        std::abort();
    if (style != vmcntrl::WizardSaveStyle::Data && !form.dataHeader.empty())
        std::abort();
    (void)vmcntrl::dataFileText(style, f[1], form.dataHeader);
    return 0;
}
