#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace korvane {

// A sectioned key-value file (INI) held in memory as its lines: read by
// section and key with a default, written by section and key in place.
// Section and key names match regardless of ASCII letter case; CR LF, LF or
// CR line ends, blank lines and white space around names and values are
// accepted, and a NUL byte ends a line too. A key that stands more than once
// is read and written at its first occurrence. Writing changes only the line
// of the key written (or adds one): every other line, comments, blank lines,
// lines without '=' and other sections included, stays as it was, byte for
// byte, with its own line end.
class IniFile {
  public:
    IniFile();
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Reads the file at path when it holds at most maxBytes. The text is
    // UTF-8 (a byte-order mark kept), UTF-16 with a byte-order mark, or
    // Shift_JIS when it is neither. Returns false, holding nothing, when path
    // names no readable regular file or one longer than maxBytes (then
    // TooLarge() is true). Never throws.
    bool Load(const std::string& path, std::size_t maxBytes);
    // Whether the last Load found a file longer than its maxBytes.
    bool TooLarge() const { return tooLarge_; }
    // Takes bytes as a file's content, in any of the encodings Load reads.
    void LoadBytes(std::string_view bytes);

    // Whether a section of that name stands in the file.
    bool HasSection(std::string_view section) const;
    // An optionally signed decimal integer, else defaultValue; values beyond
    // the range of int saturate.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
    void WriteInteger(std::string_view section, std::string_view key, int value);
    // Line breaks and NUL bytes in text become spaces: a value is one line.
    // A new key goes after the last key of its section; a new section at
    // the end of the file.
    void WriteText(std::string_view section, std::string_view key, std::string_view text);

    // Drops the section, every occurrence of it, with all its lines
    // (comments and lines without '=' among them); other lines stay.
    void RemoveSection(std::string_view section);

    // The whole file, every line with its own line end (new lines take the
    // file's first line end, LF in a new file).
    std::string Text() const;
    // Writes Text() to path as UTF-8, replacing the file atomically. Throws
    // Error("<path> に書き込めません").
    void Save(const std::string& path) const;

  private:
    struct Lines;
    std::unique_ptr<Lines> lines_;
    bool tooLarge_ = false;
};

// What read finds in an IniFile holding bytes.
template <typename Read>
auto ReadIniBytes(std::string_view bytes, Read read) {
    IniFile file;
    file.LoadBytes(bytes);
    return read(static_cast<const IniFile&>(file));
}
// What a file holding bytes holds once put has written its keys.
std::string RewrittenIniBytes(std::string_view bytes, const std::function<void(IniFile&)>& put);
// Has put write its keys into the file at path, keeping every other line of
// a file already there, and saves it atomically. Throws Error("<path> に書き
// 込めません") and leaves the file as it was when it cannot be read whole (a
// file larger than maxBytes, no regular file), for writing would lose what
// was not read, or when it cannot be written.
void RewriteIniFile(const std::string& path, std::size_t maxBytes,
                    const std::function<void(IniFile&)>& put);

}  // namespace korvane
