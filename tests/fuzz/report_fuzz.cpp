// Any script and form text through the report: never a crash, and every line ends with CR LF.
#include "fuzz_input.h"

#include "vmcntrl/config/report_text.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzzFields(data, size, 10);
    vmcntrl::ReportInput in;
    const unsigned choice = f[0].empty() ? 0u : static_cast<unsigned char>(f[0][0]);
    in.save = static_cast<vmcntrl::ReportInput::Save>(choice % 4);
    in.insert = static_cast<vmcntrl::ReportInput::Insert>((choice / 4) % 3);
    in.response = static_cast<vmcntrl::ReportInput::Response>((choice / 12) % 3);
    in.serverExtension = choice & 0x40;
    in.copyTo = choice & 0x80;
    in.letter = f[0].size() > 1 && (f[0][1] & 1);
    in.scriptName = f[1];
    in.winScriptAlias = f[2];
    in.form = f[3];
    in.formTitle = f[4];
    if (!(f[0].size() > 1 && (f[0][1] & 2)))
        in.formText = std::string(f[5]);
    in.writeToFile = f[6];
    in.url = f[7];
    in.copyToText = in.subject = in.from = std::string(f[8]);
    in.letterBody = in.outputTemplate = in.confirmationTemplate = std::string(f[9]);
    const std::string report = vmcntrl::reportText(in);
    if (report.size() < 2 || report.compare(report.size() - 2, 2, "\r\n") != 0)
        std::abort();
    return 0;
}
