#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/editing/IniFile.h"

namespace korvane {
namespace {

using namespace std::string_literals;
using Writes = std::vector<std::tuple<std::string, std::string, std::string>>;

// Writing keys changes their own lines (or adds lines) and nothing else.
TEST(IniFile, WritingKeepsEveryOtherLine) {
    struct Case {
        const char* name;
        std::string before;
        Writes writes;  // section, key, value
        std::string after;
    };
    const Case cases[] = {
        {"comments, blank lines, lines without =",
         "; saved by hand\n\n[size]\nrows=9\njunk line\n\n[matrix]\n# note\nr0c0=5\n",
         {{"size", "rows", "2"}, {"matrix", "r0c0", "1"}, {"matrix", "r0c1", "7"}},
         "; saved by hand\n\n[size]\nrows=2\njunk line\n\n[matrix]\n# note\nr0c0=1\nr0c1=7\n"},
        {"CR LF lines; new lines take the file's line end",
         "[size]\r\nrows=9\r\n",
         {{"size", "cols", "4"}, {"matrix", "r0c0", "1"}},
         "[size]\r\nrows=9\r\ncols=4\r\n[matrix]\r\nr0c0=1\r\n"},
        {"bare CR lines", "[size]\rrows=9\r", {{"size", "rows", "2"}}, "[size]\rrows=2\r"},
        {"bare CR lines: a new key takes CR",
         "[size]\rrows=9\r",
         {{"size", "cols", "4"}},
         "[size]\rrows=9\rcols=4\r"},
        {"a repeated key: the first one is set",
         "[size]\nrows=1\nROWS=2\n",
         {{"size", "rows", "5"}},
         "[size]\nrows=5\nROWS=2\n"},
        {"letter case and blanks around the value stay",
         "[SIZE]\n  Rows = 9 \t\ncols=\n",
         {{"size", "rows", "2"}, {"size", "cols", "3"}},
         "[SIZE]\n  Rows = 2 \t\ncols=3\n"},
        {"no line end at the end",
         "[size]\nrows=1",
         {{"size", "cols", "2"}},
         "[size]\nrows=1\ncols=2\n"},
        {"no line end at the end, a new section after it",
         "[size]\nrows=9",
         {{"matrix", "r0c0", "1"}},
         "[size]\nrows=9\n[matrix]\nr0c0=1\n"},
        {"a section twice: the key goes where it stands, a new one to the first",
         "[matrix]\nr0c0=1\n\n[other]\nx=1\n[matrix]\nr0c1=2\n",
         {{"matrix", "r0c1", "9"}, {"matrix", "r0c2", "3"}},
         "[matrix]\nr0c0=1\nr0c2=3\n\n[other]\nx=1\n[matrix]\nr0c1=9\n"},
        {"keys outside their section and commented out are not the key",
         "rows=7\n[other]\nrows=8\n[size]\n;rows=6\n",
         {{"size", "rows", "2"}},
         "rows=7\n[other]\nrows=8\n[size]\nrows=2\n;rows=6\n"},
        {"NUL bytes end lines and stay",
         "\x01\0[size]\0rows=4\0junk"s,
         {{"size", "rows", "2"}},
         "\x01\0[size]\0rows=2\0junk"s},
        {"a value with line breaks is one line",
         "",
         {{"matrix", "r0c0", "1\r\n2\0"s}},
         "[matrix]\nr0c0=1  2 \n"},
        // A write without a key removes the section: every occurrence.
        {"a section removed with its comments; the rest stays",
         "; top\n[a]\nx=1\n; about a\n[b]\ny=2\n[A]\nz=3\n",
         {{"a", "", ""}},
         "; top\n[b]\ny=2\n"},
        {"a removed section written again goes to the end",
         "[a]\r\nx=1\r\n[b]\r\ny=2",
         {{"a", "", ""}, {"a", "x", "5"}},
         "[b]\r\ny=2\r\n[a]\r\nx=5\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IniFile file;
        file.LoadBytes(c.before);
        for (const auto& [section, key, value] : c.writes) {
            if (key.empty()) {
                file.RemoveSection(section);
            } else {
                file.WriteText(section, key, value);
            }
        }
        EXPECT_EQ(file.Text(), c.after);
        IniFile reread;
        reread.LoadBytes(file.Text());
        for (const auto& [section, key, value] : c.writes) {
            if (!key.empty()) {
                EXPECT_EQ(reread.ReadText(section, key, "?"), file.ReadText(section, key, "!"));
            }
        }
    }
}

TEST(IniFile, ReadsTheFirstOccurrence) {
    IniFile file;
    file.LoadBytes("[size]\nrows=4\nrows=5\n[SIZE]\nrows=6\ncols=7\n[matrix]\n;r0c0=1\n");
    EXPECT_EQ(file.ReadInteger("size", "rows", 0), 4);
    EXPECT_EQ(file.ReadInteger("Size", "COLS", 0), 7);
    EXPECT_EQ(file.ReadText("matrix", "r0c0", "none"), "none");
    EXPECT_TRUE(file.HasSection("MATRIX"));
    EXPECT_FALSE(file.HasSection("other"));
}

}  // namespace
}  // namespace korvane
