#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tessaly {

// The thirteen applet properties, in the order a document stores them.
enum class Property : std::size_t {
    LinkType,
    Alignment,
    FontType,
    FontSize,
    FontStyle,
    ListWidth,
    ListHeight,
    AppletWidth,
    AppletHeight,
    TextColour,
    BackgroundColour,
    Title,
    Sound,
};
inline constexpr std::size_t kPropertyCount = 13;

struct PropertyInfo {
    Property property;
    const char* key;         // key in the document's "Properties" section
    const char* initialText; // what a fresh main window shows
    const char* control;     // design name of the control that holds it
};

// In document order. The background key keeps its historic spelling: every document ever
// saved uses it.
inline constexpr std::array<PropertyInfo, kPropertyCount> kProperties{{
    {Property::LinkType, "Link Type", "Pull down list", "Combo1"},
    {Property::Alignment, "Alignment", "Left", "Combo2"},
    {Property::FontType, "Font Type", "Helvetica", "Combo4"},
    {Property::FontSize, "Font Size", "10", "Combo3"},
    {Property::FontStyle, "Font Style", "Normal", "Combo5"},
    {Property::ListWidth, "List Size Width", "", "Text5"},
    {Property::ListHeight, "List Size Height", "", "Text14"},
    {Property::AppletWidth, "Applet Width", "", "Text9"},
    {Property::AppletHeight, "Applet Height", "", "Text10"},
    {Property::TextColour, "Text Colour", "H000000", "Text13"},
    {Property::BackgroundColour, "Backgorund Colour", "H808080", "Text1"},
    {Property::Title, "Title", "", "Text6"},
    {Property::Sound, "Sound", "", "Text2"},
}};

// One text per property, exactly as the controls show it; nothing is validated.
class AppletProperties {
public:
    // All texts empty, as a document without a "Properties" section loads.
    AppletProperties() = default;
    // The texts a fresh main window starts with.
    static AppletProperties initial();

    std::string& operator[](Property p) { return values_[static_cast<std::size_t>(p)]; }
    const std::string& operator[](Property p) const { return values_[static_cast<std::size_t>(p)]; }

    bool operator==(const AppletProperties&) const = default;

private:
    std::array<std::string, kPropertyCount> values_;
};

// The link types a main window offers, in Combo1's order.
inline constexpr std::array<std::string_view, 3> kLinkTypes{"Pull down list", "Scroll list",
                                                            "Window list"};
// Combo1's index for a link-type text, or -1 when the text is none of the entries (a
// document may hold any text).
int linkTypeIndex(std::string_view text);

} // namespace tessaly
