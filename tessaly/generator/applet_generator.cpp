#include "applet_generator.h"

#include "applet_fragment.h"
#include "destination_directory.h"

#include "platform/file_ops.h"
#include "platform/paths.h"

namespace tessaly {

std::optional<std::string_view> compileObstacle(const Document& document) {
    if (document.links.size() < 2)
        return kTooFewLinksMessage;
    if (!appletClassFor(document.properties[Property::LinkType]))
        return kUnknownLinkTypeMessage;
    return std::nullopt;
}

GenerateResult Generate(Document& document, const GeneratorPlaces& places,
                        bool forBrowsersWithoutJava) {
    if (!appletClassFor(document.properties[Property::LinkType]))
        return {false, {}, std::string(kUnknownLinkTypeMessage)};

    // A failed copy (no sound chosen, a missing class file, a missing folder) is skipped:
    // the code is still worth having.
    const std::string& sound = document.properties[Property::Sound];
    if (!sound.empty())
        platform::copyFile(
            sound, destinationFile(places.defaultDirectory, platform::fileNameFromPath(sound)));
    const std::string destination = destinationDirectory(places.defaultDirectory);
    const auto copyFromProgram = [&](std::string_view name) {
        platform::copyFile(platform::joinPath(places.programDirectory, name),
                           destinationFile(destination, name));
    };
    for (std::string_view name : kClassFileCopies)
        copyFromProgram(name);
    if (forBrowsersWithoutJava)
        copyFromProgram(kScriptRuntimeFile);

    applySizeDefaults(document.properties);
    return {true, *appletFragment(document, forBrowsersWithoutJava), {}};
}

} // namespace tessaly
