#include "core/editing/IniFile.h"

#include <algorithm>
#include <climits>
#include <list>
#include <new>
#include <optional>
#include <unordered_map>

#include "core/editing/FileAccess.h"
#include "core/editing/TextEncoding.h"
#include "mklibs/Errors.h"

namespace korvane {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

enum class LineEnd : unsigned char { kNone, kLf, kCrLf, kCr, kNul };

std::string_view EndText(LineEnd end) {
    switch (end) {
        case LineEnd::kLf:
            return "\n";
        case LineEnd::kCrLf:
            return "\r\n";
        case LineEnd::kCr:
            return "\r";
        case LineEnd::kNul:
            return std::string_view("\0", 1);
        case LineEnd::kNone:
            break;
    }
    return {};
}

struct Line {
    std::string text;
    LineEnd end = LineEnd::kNone;
};

using LineList = std::list<Line>;
using LineRef = LineList::iterator;

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The name in a section header "[name]", or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    const std::size_t close = line.find(']');
    if (!line.starts_with('[') || close == std::string_view::npos) return {};
    return Trim(line.substr(1, close - 1));
}

// Where the '=' of a key line "key=value" stands; npos for a comment (';' or
// '#'), a section header, or a line without a key before an '='.
std::size_t EqualsSign(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#' ||
        trimmed.front() == '[')
        return std::string_view::npos;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trim(line.substr(0, equals)).empty())
        return std::string_view::npos;
    return equals;
}

// The index of a key: names match regardless of letter case, and no line
// holds a '\n'.
std::string KeyIndex(std::string_view section, std::string_view key) {
    return Lower(section) + '\n' + Lower(key);
}

std::optional<int> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    long long value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

// Splits text into lines at LF, CR LF, a bare CR and NUL; a last line
// without an end is kept, an empty one after the last end is not.
LineList SplitLines(std::string_view text) {
    LineList lines;
    while (!text.empty()) {
        const std::size_t stop = text.find_first_of(std::string_view("\n\r\0", 3));
        Line& line = lines.emplace_back();
        line.text = text.substr(0, stop);
        if (stop == std::string_view::npos) break;
        std::size_t endLength = 1;
        if (text[stop] == '\n') {
            line.end = LineEnd::kLf;
        } else if (text[stop] == '\0') {
            line.end = LineEnd::kNul;
        } else if (stop + 1 < text.size() && text[stop + 1] == '\n') {
            line.end = LineEnd::kCrLf;
            endLength = 2;
        } else {
            line.end = LineEnd::kCr;
        }
        text.remove_prefix(stop + endLength);
    }
    return lines;
}

}  // namespace

struct IniFile::Lines {
    std::string byteOrderMark;
    LineList lines;
    // The first line of each key, by KeyIndex.
    std::unordered_map<std::string, LineRef> keys;
    // Where a new key of a section goes: after the last key of the section's
    // first occurrence (its header when it has none), by lower-case name.
    std::unordered_map<std::string, LineRef> sectionEnds;
    LineEnd newLineEnd = LineEnd::kLf;

    void Parse(std::string_view text) {
        lines = SplitLines(text);
        const LineEnd firstEnd = lines.empty() ? LineEnd::kNone : lines.front().end;
        newLineEnd =
            (firstEnd == LineEnd::kCrLf || firstEnd == LineEnd::kCr) ? firstEnd : LineEnd::kLf;
        Index();
    }

    // Finds the keys and the sections' ends in the lines.
    void Index() {
        keys.clear();
        sectionEnds.clear();
        std::optional<std::string> section;  // none before the first header
        bool firstOccurrence = false;
        for (LineRef line = lines.begin(); line != lines.end(); ++line) {
            if (const auto name = SectionName(line->text)) {
                section = Lower(*name);
                firstOccurrence = sectionEnds.try_emplace(*section, line).second;
                continue;
            }
            const std::size_t equals = EqualsSign(line->text);
            if (!section || equals == std::string_view::npos) continue;
            keys.try_emplace(KeyIndex(*section, Trim(line->text.substr(0, equals))), line);
            if (firstOccurrence) sectionEnds[*section] = line;
        }
    }

    // Drops every occurrence of the section: its header and each line up to
    // the next header.
    void RemoveSection(std::string_view section) {
        const std::string name = Lower(section);
        bool inside = false;
        for (LineRef line = lines.begin(); line != lines.end();) {
            if (const auto header = SectionName(line->text)) inside = Lower(*header) == name;
            line = inside ? lines.erase(line) : std::next(line);
        }
        Index();
    }

    // A new line after where (or at the end); the line before it gets an
    // end if it had none.
    LineRef Insert(LineRef where, std::string text) {
        if (where != lines.end() && where->end == LineEnd::kNone) where->end = newLineEnd;
        if (where == lines.end() && !lines.empty() && lines.back().end == LineEnd::kNone)
            lines.back().end = newLineEnd;
        const LineRef at = where == lines.end() ? where : std::next(where);
        return lines.insert(at, Line{std::move(text), newLineEnd});
    }

    // The value of a key, white space around it dropped.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const {
        const auto found = keys.find(KeyIndex(section, key));
        if (found == keys.end()) return {};
        const std::string_view line = found->second->text;
        return Trim(line.substr(line.find('=') + 1));
    }

    // Where a new key of section goes; a new section is added at the end.
    LineRef SectionEnd(std::string_view section) {
        const std::string name = Lower(section);
        if (const auto found = sectionEnds.find(name); found != sectionEnds.end())
            return found->second;
        std::string header = "[";
        header.append(section).append("]");
        return sectionEnds[name] = Insert(lines.end(), std::move(header));
    }
};

IniFile::IniFile() : lines_(std::make_unique<Lines>()) {}
IniFile::~IniFile() = default;

bool IniFile::Load(const std::string& path, std::size_t maxBytes) {
    LoadBytes("");
    tooLarge_ = false;
    try {
        std::optional<FileHead> head = ReadRegularFile(path, maxBytes);
        if (!head) return false;
        if (head->truncated) {
            tooLarge_ = true;
            return false;
        }
        LoadBytes(head->bytes);
        return true;
    } catch (const std::bad_alloc&) {
        LoadBytes("");
        return false;
    }
}

void IniFile::LoadBytes(std::string_view bytes) {
    const std::string text = FileTextToUtf8(bytes);
    // The mark goes back in front when the file is written. A text that
    // itself begins with U+FEFF gets one too, or reading it back would take
    // that character for the mark.
    const bool marked = bytes.starts_with(kUtf8ByteOrderMark) ||
                        std::string_view(text).starts_with(kUtf8ByteOrderMark);
    lines_->byteOrderMark = marked ? kUtf8ByteOrderMark : "";
    lines_->Parse(text);
}

bool IniFile::HasSection(std::string_view section) const {
    return lines_->sectionEnds.contains(Lower(section));
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const std::optional<std::string_view> value = lines_->Value(section, key);
    if (!value) return defaultValue;
    return ParseDecimal(*value).value_or(defaultValue);
}

std::string IniFile::ReadText(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const {
    return std::string(lines_->Value(section, key).value_or(defaultValue));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteText(section, key, std::to_string(value));
}

void IniFile::WriteText(std::string_view section, std::string_view key, std::string_view text) {
    std::string value(text);
    std::replace_if(
        value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; },
        ' ');
    const std::string index = KeyIndex(section, key);
    if (const auto found = lines_->keys.find(index); found != lines_->keys.end()) {
        // Only the value itself changes; the blanks around it stay.
        std::string& line = found->second->text;
        const std::size_t afterEquals = line.find('=') + 1;
        const std::string_view old = Trim(std::string_view(line).substr(afterEquals));
        const std::size_t start =
            old.empty() ? line.size() : static_cast<std::size_t>(old.data() - line.data());
        line.replace(start, old.size(), value);
        return;
    }
    const LineRef added =
        lines_->Insert(lines_->SectionEnd(section), std::string(key) + "=" + value);
    lines_->sectionEnds[Lower(section)] = added;
    lines_->keys.emplace(index, added);
}

void IniFile::RemoveSection(std::string_view section) {
    lines_->RemoveSection(section);
}

std::string IniFile::Text() const {
    std::string text = lines_->byteOrderMark;
    for (const Line& line : lines_->lines) {
        text += line.text;
        text += EndText(line.end);
    }
    return text;
}

void IniFile::Save(const std::string& path) const {
    ReplaceFileAtomically(path, Text());
}

std::string RewrittenIniBytes(std::string_view bytes, const std::function<void(IniFile&)>& put) {
    IniFile file;
    file.LoadBytes(bytes);
    put(file);
    return file.Text();
}

void RewriteIniFile(const std::string& path, std::size_t maxBytes,
                    const std::function<void(IniFile&)>& put) {
    IniFile file;
    if (PathExists(path) && !file.Load(path, maxBytes)) throw Error(path + " に書き込めません");
    put(file);
    file.Save(path);
}

}  // namespace korvane
