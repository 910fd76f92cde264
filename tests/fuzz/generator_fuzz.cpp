// Any document (read from any bytes) through the applet generator's text rules: the
// fragment, the size defaults and the colour value never crash.
#include "tessaly/document/document_file.h"
#include "tessaly/generator/applet_fragment.h"
#include "tessaly/generator/applet_generator.h"
#include "tessaly/generator/colour_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tessaly::Document document = tessaly::documentFromText(platform::ProfileText(bytes));
    (void)tessaly::compileObstacle(document);
    (void)tessaly::appletFragment(document);
    tessaly::applySizeDefaults(document.properties);
    (void)tessaly::appletFragment(document);
    (void)tessaly::colourValue(bytes.substr(0, 64));
    return 0;
}
