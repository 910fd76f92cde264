#include "form_body.h"

#include "percent_decoding.h"

#include "platform/profile_text.h"

#include <optional>

namespace vellum {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view mediaType(std::string_view contentType) {
    return platform::trimBlanks(contentType.substr(0, contentType.find(';')));
}

BodyParse refuse(std::string reason) {
    BodyParse parse;
    parse.error = std::move(reason);
    return parse;
}

// Splits a part's header block into its Content-Disposition parameters.
struct PartHeaders {
    bool formData = false;
    bool hasFileName = false;
    std::string name;
};

std::optional<PartHeaders> parsePartHeaders(std::string_view block) {
    PartHeaders headers;
    bool sawDisposition = false;
    while (!block.empty()) {
        const std::size_t end = block.find(kCrLf);
        const std::string_view line = block.substr(0, end);
        block = end == std::string_view::npos ? std::string_view() : block.substr(end + 2);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            return std::nullopt;
        if (lowerAscii(platform::trimBlanks(line.substr(0, colon))) != "content-disposition")
            continue;
        const std::string_view value = line.substr(colon + 1);
        sawDisposition = true;
        headers.formData = lowerAscii(mediaType(value)) == "form-data";
        headers.name = headerParameter(value, "name");
        // filename="" is what a file input without a chosen file sends: still a file part.
        headers.hasFileName = findHeaderParameter(value, "filename").has_value();
    }
    if (!sawDisposition)
        return std::nullopt;
    return headers;
}

} // namespace

std::string headerParameter(std::string_view headerValue, std::string_view name) {
    return findHeaderParameter(headerValue, name).value_or(std::string());
}

std::optional<std::string> findHeaderParameter(std::string_view headerValue,
                                               std::string_view name) {
    const std::string wanted = lowerAscii(name);
    std::size_t at = headerValue.find(';');
    while (at != std::string_view::npos) {
        std::string_view rest = headerValue.substr(at + 1);
        const std::size_t eq = rest.find('=');
        if (eq == std::string_view::npos)
            return std::nullopt;
        const std::string key = lowerAscii(platform::trimBlanks(rest.substr(0, eq)));
        std::string_view value = rest.substr(eq + 1);
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
            value.remove_prefix(1);
        std::string decoded;
        std::size_t consumed = 0;
        if (!value.empty() && value.front() == '"') {
            std::size_t i = 1;
            for (; i < value.size() && value[i] != '"'; ++i) {
                if (value[i] == '\\' && i + 1 < value.size())
                    ++i;
                decoded += value[i];
            }
            consumed = i < value.size() ? i + 1 : i;
        } else {
            consumed = value.find(';');
            if (consumed == std::string_view::npos)
                consumed = value.size();
            decoded = std::string(platform::trimBlanks(value.substr(0, consumed)));
        }
        if (key == wanted)
            return decoded;
        const std::size_t next = value.find(';', consumed);
        if (next == std::string_view::npos)
            return std::nullopt;
        at = static_cast<std::size_t>(value.data() + next - headerValue.data());
    }
    return std::nullopt;
}

BodyParse parseUrlEncoded(std::string_view body) {
    BodyParse parse;
    // A body ends with a line end when a client was written by hand; it is not part of the
    // last value.
    while (!body.empty() && (body.back() == '\n' || body.back() == '\r'))
        body.remove_suffix(1);
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t end = body.find('&', start);
        if (end == std::string_view::npos)
            end = body.size();
        const std::string_view pair = body.substr(start, end - start);
        start = end + 1;
        if (pair.empty())
            continue;
        const std::size_t eq = pair.find('=');
        auto name = decodeFormComponent(pair.substr(0, eq));
        auto value = eq == std::string_view::npos ? std::optional<std::string>(std::string())
                                                  : decodeFormComponent(pair.substr(eq + 1));
        if (!name || !value)
            return refuse("Malformed form data: a bad %-escape");
        if (name->empty())
            continue; // a field without a name cannot be looked up or saved
        parse.fields.push_back({std::move(*name), std::move(*value)});
    }
    parse.ok = true;
    return parse;
}

BodyParse parseMultipart(std::string_view body, std::string_view boundary) {
    if (boundary.empty() || boundary.size() > 70)
        return refuse("Malformed form data: no usable multipart boundary");
    const std::string delimiter = "--" + std::string(boundary);
    // The body starts with the first delimiter, or with a preamble that ends in a line end.
    std::size_t at;
    if (body.substr(0, delimiter.size()) == delimiter) {
        at = 0;
    } else {
        at = body.find("\r\n" + delimiter);
        if (at == std::string_view::npos)
            return refuse("Malformed form data: no multipart boundary in the body");
        at += 2;
    }
    BodyParse parse;
    const std::string nextDelimiter = "\r\n" + delimiter;
    for (;;) {
        std::size_t after = at + delimiter.size();
        if (body.substr(after, 2) == "--") {
            parse.ok = true; // the closing delimiter; what follows is an epilogue
            return parse;
        }
        while (after < body.size() && (body[after] == ' ' || body[after] == '\t'))
            ++after;
        if (body.substr(after, 2) != kCrLf)
            return refuse("Malformed form data: a multipart boundary line is broken");
        const std::size_t headersAt = after + 2;
        const std::size_t headersEnd = body.find("\r\n\r\n", headersAt);
        if (headersEnd == std::string_view::npos)
            return refuse("Malformed form data: a part without the end of its headers");
        // A part without headers has an empty header block directly followed by CR LF.
        const auto headers = parsePartHeaders(body.substr(headersAt, headersEnd - headersAt));
        if (!headers || !headers->formData)
            return refuse("Malformed form data: a part is not form data");
        const std::size_t contentAt = headersEnd + 4;
        const std::size_t contentEnd = body.find(nextDelimiter, contentAt);
        if (contentEnd == std::string_view::npos)
            return refuse("Malformed form data: the multipart body is not closed");
        if (!headers->hasFileName && !headers->name.empty())
            parse.fields.push_back(
                {headers->name, std::string(body.substr(contentAt, contentEnd - contentAt))});
        at = contentEnd + 2;
    }
}

BodyParse parseFormBody(std::string_view contentType, std::string_view body) {
    const std::string type = lowerAscii(mediaType(contentType));
    if (type == "application/x-www-form-urlencoded" || (type.empty() && body.empty()))
        return parseUrlEncoded(body);
    if (type == "multipart/form-data")
        return parseMultipart(body, headerParameter(contentType, "boundary"));
    return refuse("Unsupported content type: " + std::string(mediaType(contentType)));
}

} // namespace vellum
