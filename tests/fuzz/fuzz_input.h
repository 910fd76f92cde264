#pragma once

// Splits a fuzz input into fields at NUL bytes, so one input can fill several parameters;
// missing fields are empty.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

inline std::vector<std::string_view> fuzzFields(const std::uint8_t* data, std::size_t size,
                                                std::size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        const std::size_t end = rest.find('\0');
        if (end == std::string_view::npos)
            break;
        fields.push_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    fields.push_back(rest);
    fields.resize(count);
    return fields;
}
