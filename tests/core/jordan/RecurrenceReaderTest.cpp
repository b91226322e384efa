// The recurrence reader: what it takes, and every refusal with its place.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/jordan/RecurrenceReader.h"

namespace korvane {
namespace {

std::vector<std::string> Texts(const std::vector<ComplexFraction>& values) {
    std::vector<std::string> texts;
    for (const ComplexFraction& v : values)
        texts.push_back(CpxText(v));
    return texts;
}

TEST(RecurrenceReader, Reads) {
    const struct {
        const char* text;
        std::vector<std::string> coefficients;  // of a(n), a(n+1), …
        std::vector<std::string> initial;
        const char* written;
    } cases[] = {
        {"a(n+2)=a(n+1)+a(n); a(0)=0; a(1)=1", {"1", "1"}, {"0", "1"}, "a(n+2) = a(n+1) + a(n)"},
        {"a(n) = a(n-1) + a(n-2)\na(1) = 1\na(0) = 0", {"1", "1"}, {"0", "1"},
         "a(n+2) = a(n+1) + a(n)"},
        {"b(n+1) = -2b(n); b(0) = 3;", {"-2"}, {"3"}, "b(n+1) = -2b(n)"},
        {"a(n+2)=2*a(n+1)-1/2·a(n);a(0)=1;a(1)=i/2", {"-1/2", "2"}, {"1", "i/2"},
         "a(n+2) = 2a(n+1) - (1/2)a(n)"},
        {"a(n+2) = (1+i)a(n+1) + ia(n) + a(n); a(0)=1; a(1)=0.5", {"1+i", "1+i"}, {"1", "1/2"},
         "a(n+2) = (1+i)a(n+1) + (1+i)a(n)"},
        // A gap stays a gap: a(0), a(1) and a(2) are all needed.
        {"a(n+3) = 4a(n+1); a(2)=1; a(1)=2; a(0)=3", {"0", "4", "0"}, {"3", "2", "1"},
         "a(n+3) = 4a(n+1)"},
        {"a(n+1) = 0a(n); a(0) = 7", {"0"}, {"7"}, "a(n+1) = 0a(n)"},
    };
    for (const auto& c : cases) {
        const Recurrence r = ReadRecurrence(c.text);
        EXPECT_EQ(Texts(r.coefficients), c.coefficients) << c.text;
        EXPECT_EQ(Texts(r.initial), c.initial) << c.text;
        EXPECT_EQ(RecurrenceText(r), c.written) << c.text;
        std::string written = RecurrenceText(r);
        for (std::size_t j = 0; j < r.initial.size(); ++j)
            written += "; " + std::string(1, r.name) + "(" + std::to_string(j) + ") = " +
                       CpxText(r.initial[j]);
        const Recurrence again = ReadRecurrence(written);
        EXPECT_EQ(again.coefficients, r.coefficients) << written;
        EXPECT_EQ(again.initial, r.initial) << written;
    }
}

TEST(RecurrenceReader, Refuses) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "漸化式が空です。"},
        {" ; ", "漸化式が空です。"},
        {"a(0)=1", "a(n+2) = a(n+1) + a(n) のような、n を含む漸化式がありません。"},
        {"a(n+2)=a(n+1)+a(n); a(0)=0", "a(1) の値がありません。"},
        {"a(n+2)=a(n+1)+b(n); a(0)=0; a(1)=1", "15文字目の「b」は数列の名前 a と違います。"},
        {"a(n+2)=a(n+1)+a(n)+1; a(0)=0; a(1)=1", "20文字目の「1」で始まる項は n を含みません。定数の項のない漸化式だけを扱います。"},
        {"a(n+2)=a(n+2)+a(n); a(0)=0; a(1)=1", "8文字目の「a」で始まる項の番号が左辺より小さくありません。"},
        {"a(n+2)=a(n+1)+a(n); a(0)=0; a(1)=1; a(2)=1", "38文字目の「(」からの番号が初期値の範囲 0〜1 にありません。"},
        {"a(n+1)=a(n); a(0)=0; a(0)=1", "23文字目の「(」からの番号の初期値が2つ目です。"},
        {"a(n+1)=a(n); a(0)=x", "19文字目の「x」から始まる値を数として読めません。"},
        {"a(n+1)=2x a(n); a(0)=1", "8文字目の「2」から始まる係数を数として読めません。"},
        {"a(n+1)=a(n) a(n); a(0)=1", "13文字目の「a」のところに「+」か「-」が要ります。"},
        {"a(n+1)=1/0a(n); a(0)=1", "8文字目の「1」から始まる数は0で割っています。"},
        {"a(n+11)=a(n); a(0)=1", "漸化式の階数が11で、10を超えます。"},
        {"a(n+1)=a(n); a(n)=1", "14文字目の「a」で始まる漸化式が2つ目です。"},
        {"a(n+1)=a(n)+", "最後のところに、数列の名前（a など）が要ります。"},
        {"a(n+1)=*a(n); a(0)=1", "8文字目の「*」の前に係数がありません。"},
        {"a(n+1)=a(n); a(n+1)=a(n); a(0)=1", "14文字目の「a」で始まる漸化式が2つ目です。"},
        {"a(n+1)=; a(0)=1", "8文字目の「;」のところに右辺が要ります。"},
        {"a(n+1)=a(n; a(0)=1", "11文字目の「;」のところに「)」が要ります。"},
        {"a(n+1)=a(n+999); a(0)=1", "12文字目の「9」から始まる数が大きすぎます。"},
        {"a(n+1)a(n)", "7文字目の「a」のところに「=」が要ります。"},
        {"i(n+1)=i(n); i(0)=1", "1文字目の「i」のところに、数列の名前（a など）が要ります。"},
        {"λ(n+1)=λ(n)", "1文字目の「λ」のところに、数列の名前（a など）が要ります。"},
        {"a(n+1)=2*; a(0)=1", "10文字目の「;」のところに、数列の名前（a など）が要ります。"},
    };
    for (const auto& c : cases) {
        try {
            ReadRecurrence(c.text);
            ADD_FAILURE() << "read: " << c.text;
        } catch (const RecurrenceError& e) {
            EXPECT_EQ(std::string(e.what()), c.message) << c.text;
        }
    }
}

}  // namespace
}  // namespace korvane
