#include "applet_properties.h"

namespace tessaly {

AppletProperties AppletProperties::initial() {
    AppletProperties p;
    for (const PropertyInfo& info : kProperties)
        p[info.property] = info.initialText;
    return p;
}

int linkTypeIndex(std::string_view text) {
    for (std::size_t i = 0; i < kLinkTypes.size(); ++i)
        if (kLinkTypes[i] == text)
            return static_cast<int>(i);
    return -1;
}

} // namespace tessaly
