#include "core/editing/IniFile.h"

#include <algorithm>
#include <climits>
#include <new>
#include <optional>

// SimpleIni is used header-only: its definitions are compiled here, and with
// no wide-character conversion, as every text is UTF-8 already.
#define SI_IMPLEMENTATION
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include "core/editing/FileAccess.h"
#include "core/editing/TextEncoding.h"

namespace korvane {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) return {};
    long long value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

// The whole lines of a file cut off at the read limit.
std::string_view WholeLines(std::string_view bytes) {
    const std::size_t lastBreak = bytes.rfind('\n');
    return lastBreak == std::string_view::npos ? std::string_view()
                                               : bytes.substr(0, lastBreak + 1);
}

std::string WithoutBlankLines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (!line.empty()) {
            out += line;
            out += '\n';
        }
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return out;
}

}  // namespace

struct IniFile::Store {
    Store() { ini.SetSpaces(false); }
    CSimpleIniA ini;
};

IniFile::IniFile() : store_(std::make_unique<Store>()) {}
IniFile::~IniFile() = default;

bool IniFile::Load(const std::string& path, std::size_t maxBytes) {
    store_->ini.Reset();
    truncated_ = false;
    try {
        std::optional<FileHead> head = ReadRegularFile(path, maxBytes);
        if (!head) return false;
        truncated_ = head->truncated;
        std::string bytes(truncated_ ? WholeLines(head->bytes) : head->bytes);
        // The parser stops at a NUL byte; a binary file gets its keys read
        // from the lines in between instead.
        std::replace(bytes.begin(), bytes.end(), '\0', '\n');
        LoadText(FileTextToUtf8(bytes));
        return true;
    } catch (const std::bad_alloc&) {
        store_->ini.Reset();
        return false;
    }
}

void IniFile::LoadText(std::string_view text) {
    store_->ini.Reset();
    store_->ini.LoadData(text.data(), text.size());
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const char* value =
        store_->ini.GetValue(std::string(section).c_str(), std::string(key).c_str());
    if (value == nullptr) return defaultValue;
    return ParseDecimal(value).value_or(defaultValue);
}

std::string IniFile::ReadText(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const {
    const char* value =
        store_->ini.GetValue(std::string(section).c_str(), std::string(key).c_str());
    return value == nullptr ? std::string(defaultValue) : std::string(value);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteText(section, key, std::to_string(value));
}

void IniFile::WriteText(std::string_view section, std::string_view key, std::string_view text) {
    std::string line(text);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    if (store_->ini.SetValue(std::string(section).c_str(), std::string(key).c_str(), line.c_str()) <
        0)
        throw std::bad_alloc();
}

std::string IniFile::Text() const {
    std::string text;
    store_->ini.Save(text, false);
    // SimpleIni puts two blank lines between sections; matrix files have
    // always been written without them.
    return WithoutBlankLines(text);
}

void IniFile::Save(const std::string& path) const {
    ReplaceFileAtomically(path, Text());
}

}  // namespace korvane
