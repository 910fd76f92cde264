#pragma once

#include <string>
#include <string_view>

namespace vmcntrl {

// Ready-made starting points for the files a script names, written when the user picks a
// file that does not exist yet. Every line ends with CR LF.
std::string formSkeleton(std::string_view name, bool letterToUser, bool asData);

enum class OutputFileKind { Template, Data, Text };
std::string outputFileSkeleton(OutputFileKind kind, std::string_view name);

enum class TemplateKind { Confirmation, OutputEntries, OutputNewDocument };
std::string templateSkeleton(TemplateKind kind, std::string_view name);

std::string letterSkeleton(std::string_view name);
std::string recipientGroupSkeleton();

} // namespace vmcntrl
