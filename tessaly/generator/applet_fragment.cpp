#include "applet_fragment.h"

#include "colour_text.h"

#include "platform/paths.h"

#include <array>

namespace tessaly {

namespace {
constexpr std::string_view kLineEnd = "\r\n";

constexpr std::array<AppletClass, 3> kAppletClasses{{
    {"multdesc", "descriptions", false},
    {"MultiList", "multidescription", true},
    {"framer", "descriptions", true},
}};

// A double quote would end a PARAM value early and break the page; it is the one character
// written as an entity. Commas stay: the applets split their lists on them.
void appendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
}

void appendJoined(std::string& out, const std::vector<std::string>& items,
                  std::string_view separator) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += separator;
        appendEscaped(out, items[i]);
    }
}

void appendParam(std::string& out, std::string_view name, std::string_view escapedValue) {
    out += "<PARAM NAME=\"";
    out += name;
    out += "\" VALUE=\"";
    out += escapedValue;
    out += "\">";
    out += kLineEnd;
}

std::string escaped(std::string_view text) {
    std::string out;
    appendEscaped(out, text);
    return out;
}
} // namespace

const AppletClass* appletClassFor(std::string_view linkType) {
    const int index = linkTypeIndex(linkType);
    return index < 0 ? nullptr : &kAppletClasses[static_cast<std::size_t>(index)];
}

std::optional<std::string> colourValue(std::string_view text) {
    const auto number = colourNumber(text);
    return number ? std::optional<std::string>(std::to_string(*number)) : std::nullopt;
}

void applySizeDefaults(AppletProperties& properties) {
    const auto fill = [&](Property p, const char* text) {
        if (properties[p].empty())
            properties[p] = text;
    };
    fill(Property::AppletWidth, "310");
    fill(Property::AppletHeight, "60");
    fill(Property::ListWidth, "100");
    fill(Property::ListHeight, "50");
}

std::optional<std::string> appletFragment(const Document& document, bool forBrowsersWithoutJava) {
    const AppletProperties& p = document.properties;
    const AppletClass* applet = appletClassFor(p[Property::LinkType]);
    if (!applet)
        return std::nullopt;

    const LinkList& links = document.links;
    std::string out;
    out.reserve(256 + links.size() * 64);
    out += "<APPLET CODE=\"";
    out += applet->code;
    out += "\" WIDTH=" + p[Property::AppletWidth] + " HEIGHT=" + p[Property::AppletHeight];
    out += kLineEnd;
    out += "ALIGN=" + p[Property::Alignment] + ">";
    out += kLineEnd;
    out += "<!--This applet was created by Tessaly v1.2-->";
    out += kLineEnd;

    std::string joined;
    appendJoined(joined, links.urls(), ", ");
    appendParam(out, "multidest", joined);
    joined.clear();
    appendJoined(joined, links.descriptions(), ",");
    appendParam(out, applet->descriptionParameter, joined);
    joined.clear();
    appendJoined(joined, links.frames(), ",");
    appendParam(out, "frames", joined);

    appendParam(out, "font", escaped(p[Property::FontType]));
    appendParam(out, "fontsize", escaped(p[Property::FontSize]));
    appendParam(out, "fontstyle", escaped(p[Property::FontStyle]));
    if (const auto colour = colourValue(p[Property::TextColour]))
        appendParam(out, "colour", *colour);
    if (const auto background = colourValue(p[Property::BackgroundColour]))
        appendParam(out, "background", *background);
    if (!p[Property::Sound].empty())
        appendParam(out, "sound", escaped(platform::fileNameFromPath(p[Property::Sound])));
    if (applet->hasSizeParameters) {
        appendParam(out, "sizewidth", escaped(p[Property::ListWidth]));
        appendParam(out, "sizeheight", escaped(p[Property::ListHeight]));
    }
    if (forBrowsersWithoutJava) {
        out += kScriptRuntimeLine;
        out += kLineEnd;
    }
    out += "This browser is unable to view Java applets.";
    out += kLineEnd;
    out += "</APPLET>";
    out += kLineEnd;
    return out;
}

} // namespace tessaly
