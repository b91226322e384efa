#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace korvane {

// A sectioned key-value file (INI) held in memory: read by section and key
// with a default, written by section and key in place. Section and key
// names match regardless of ASCII letter case; CR LF or LF line ends, blank
// lines and white space around names and values are accepted. Sections and
// keys keep the order they were read or added in.
class IniFile {
  public:
    IniFile();
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Reads the file at path, at most maxBytes of it (a longer file keeps
    // only its whole lines within that). The text is UTF-8, or Shift_JIS
    // when it is not valid UTF-8. Returns false, holding nothing, when path
    // names no readable regular file. Never throws.
    bool Load(const std::string& path, std::size_t maxBytes);
    // Whether the last Load stopped at maxBytes before the end of the file.
    bool Truncated() const { return truncated_; }
    // Parses text (UTF-8) as a file's content.
    void LoadText(std::string_view text);

    // An optionally signed decimal integer, else defaultValue; values beyond
    // the range of int saturate.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
    void WriteInteger(std::string_view section, std::string_view key, int value);
    // Line breaks in text become spaces: a value is one line.
    void WriteText(std::string_view section, std::string_view key, std::string_view text);

    // The whole file: every section and key=value line in order, LF line ends.
    std::string Text() const;
    // Writes Text() to path as UTF-8, replacing the file atomically. Throws
    // Error("<path> に書き込めません").
    void Save(const std::string& path) const;

  private:
    struct Store;
    std::unique_ptr<Store> store_;
    bool truncated_ = false;
};

}  // namespace korvane
