#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellum {

// One submitted field, in the order the browser sent it. Names and values are the bytes the
// browser sent, decoded from the body's own encoding only.
struct FormField {
    std::string name;
    std::string value;
    bool operator==(const FormField&) const = default;
};

struct BodyParse {
    bool ok = false;
    std::vector<FormField> fields;
    std::string error; // why the body was refused, for the error log
};

// A form body as browsers send it: application/x-www-form-urlencoded or multipart/form-data.
// File parts of a multipart body are left out (the processor saves no uploads); any other
// content type, or a body that does not follow its type, is refused.
BodyParse parseFormBody(std::string_view contentType, std::string_view body);

BodyParse parseUrlEncoded(std::string_view body);
BodyParse parseMultipart(std::string_view body, std::string_view boundary);

// The value of a parameter of a header value ("multipart/form-data; boundary=x"), with one
// pair of quotes and their backslash escapes undone; empty when it is absent.
std::string headerParameter(std::string_view headerValue, std::string_view name);
// The same, telling an absent parameter (nullopt) from an empty one.
std::optional<std::string> findHeaderParameter(std::string_view headerValue, std::string_view name);

} // namespace vellum
