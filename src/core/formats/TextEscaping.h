#pragma once

#include <string>
#include <string_view>

namespace korvane {

// Log lines in the markup of each export. Every one first makes the text
// valid UTF-8 without control characters (tab aside): a cell text a file
// brought in may hold anything, and an XML or TeX reader refuses such bytes.
// Each bad byte becomes U+FFFD.
std::string CleanText(std::string_view text);

// &, <, > and " as character references.
std::string XmlText(std::string_view text);
// TeX's reserved characters (\ { } $ & # ^ _ % ~) made printable.
std::string LatexText(std::string_view text);
// Characters that would start Markdown markup (or math) escaped with "\".
std::string MarkdownText(std::string_view text);

}  // namespace korvane
