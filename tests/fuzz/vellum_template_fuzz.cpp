// Any bytes as a template and the values a visitor sent: filling must neither crash nor let
// a value's markup through into an HTML page, and inserting the entry into an output file
// must keep every byte of the file.
#include "vellum/template_filler.h"
#include "vellum/template_insert.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

std::size_t count(std::string_view text, char c) {
    std::size_t n = 0;
    for (char x : text)
        n += x == c;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Template, then a NUL, then the value every key stands for, then a NUL, then the output
    // file the entry goes into.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t first = input.find('\0');
    const std::string_view templateText = input.substr(0, first);
    std::string_view rest =
        first == std::string_view::npos ? std::string_view() : input.substr(first + 1);
    const std::size_t second = rest.find('\0');
    const std::string value(rest.substr(0, second));
    const std::string archive(second == std::string_view::npos ? std::string_view()
                                                               : rest.substr(second + 1));

    const vellum::KeyValues values = [&value](std::string_view name) -> std::optional<std::string> {
        if (name.size() % 2)
            return value;
        return std::nullopt;
    };
    const std::string html = vellum::fillTemplate(templateText, values, true);
    check(count(html, '<') <= count(templateText, '<'));
    check(count(html, '>') <= count(templateText, '>'));
    check(html.empty() || html.substr(html.size() - 2) == "\r\n");
    const std::string text = vellum::fillTemplate(templateText, values, false);
    check(text.empty() || text.substr(text.size() - 2) == "\r\n");

    for (vellum::InsertPlace place : {vellum::InsertPlace::Top, vellum::InsertPlace::Bottom}) {
        std::string file = archive;
        const bool footer = vellum::insertEntry(file, text, place);
        check(file.find(text) != std::string::npos);
        const std::size_t added = file.size() - archive.size();
        check(added == text.size() || (!footer && added == text.size() + 2));
    }
    return 0;
}
