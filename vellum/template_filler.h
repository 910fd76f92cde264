#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vellum {

// The value a template key stands for (the name without its carets), or nullopt when the
// name is not a key of this submission.
using KeyValues = std::function<std::optional<std::string>(std::string_view name)>;

// Fills a template: lines that begin with "#" are comments and are dropped; "^name^" is
// replaced by the key's value, HTML-escaped when the result is an HTML page. A name that
// looks like a field name but was not submitted (a check box left clear) becomes empty
// text; carets around anything else (blanks, markup) are kept as written. Every line of
// the result ends with CR LF.
std::string fillTemplate(std::string_view templateText, const KeyValues& values, bool html);

// The five characters that matter in HTML text and attribute values, as entities.
std::string escapeHtml(std::string_view text);

// Whether a file is an HTML page, by its extension (.htm, .html, .shtml, .xhtml).
bool isHtmlFile(std::string_view path);

} // namespace vellum
