#include "core/formats/PasteError.h"

#include "core/formats/Numerals.h"
#include "core/formats/TextEscaping.h"

namespace korvane {

namespace {

std::string N(int n) {
    return std::to_string(n);
}

std::string At(const PasteError::Details& d) {
    return N(d.row) + "行" + N(d.col) + "列";
}

std::string Size(int rows, int cols) {
    return N(rows) + "行" + N(cols) + "列";
}

std::string Message(const PasteError::Details& d) {
    using Kind = PasteError::Kind;
    switch (d.kind) {
        case Kind::kEmpty:
            return "貼り付ける文字がありません。";
        case Kind::kUnreadable:
            return "行列として読めない文字です。";
        case Kind::kRagged:
            return N(d.row) + "行目のセルが" + N(d.count) + "個で、1行目の" + N(d.expected) +
                   "個と揃っていません。";
        case Kind::kTooLarge:
            return Size(d.rows, d.cols) + "の行列は大きすぎます。行も列も10までです。";
        case Kind::kBadCell:
            return At(d) + "の「" + d.cell + "」を数として読めません。";
        case Kind::kDivisionByZero:
            return At(d) + "の「" + d.cell + "」は0で割っています。";
        case Kind::kControlCharacter:
            return At(d) + "に制御文字（" + d.cell + "）があります。";
        case Kind::kDoesNotFit:
            return Size(d.rows, d.cols) + "の行列は、" + At(d) +
                   "から貼り付けると10行10列に収まりません。";
        case Kind::kExponentTooLarge:
            return At(d) + "の「" + d.cell + "」は指数が大きすぎます。指数は" + N(kMaxExponent) +
                   "までです。";
        case Kind::kSurroundingText:
            return "行列の外にある「" + d.cell + "」は読めません。行列だけを貼り付けてください。";
        case Kind::kTwoMatrices:
            return "2つの行列が含まれています。1つだけ貼り付けてください。";
        case Kind::kRootRefused:
            return At(d) + "の「" + d.cell + "」で、" + d.reason;
        case Kind::kTwoLetters: {
            std::string text = At(d) + "の「" + d.cell + "」の文字 ";
            text += d.secondLetter;
            text += " は、ほかの成分の文字 ";
            text += d.firstLetter;
            text += " と違います。文字は1つだけ使えます。";
            return text;
        }
    }
    return "行列として読めない文字です。";
}

}  // namespace

std::string ShortenedText(std::string_view text) {
    constexpr std::size_t kMax = 40;
    std::string blanked(text);
    for (char& c : blanked) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
    }
    const std::string clean = CleanText(blanked);
    for (std::size_t pos = kMax; pos < clean.size(); ++pos) {
        if ((static_cast<unsigned char>(clean[pos]) & 0xC0) != 0x80) return clean.substr(0, pos) + "…";
    }
    return clean;
}

PasteError::PasteError(Details details) : Error(Message(details)), details_(std::move(details)) {}

PasteError PasteError::Of(Kind kind) {
    Details details;
    details.kind = kind;
    return PasteError(details);
}

PasteError PasteError::Ragged(int row, int count, int expected) {
    Details details;
    details.kind = Kind::kRagged;
    details.row = row;
    details.count = count;
    details.expected = expected;
    return PasteError(details);
}

PasteError PasteError::TooLarge(int rows, int cols) {
    Details details;
    details.kind = Kind::kTooLarge;
    details.rows = rows;
    details.cols = cols;
    return PasteError(details);
}

PasteError PasteError::AtCell(Kind kind, int row, int col, std::string cell) {
    Details details;
    details.kind = kind;
    details.row = row;
    details.col = col;
    details.cell = std::move(cell);
    return PasteError(details);
}

PasteError PasteError::RootRefused(int row, int col, std::string cell, std::string reason) {
    Details details = AtCell(Kind::kRootRefused, row, col, std::move(cell)).details();
    details.reason = std::move(reason);
    return PasteError(details);
}

PasteError PasteError::Beside(std::string_view text) {
    Details details;
    details.kind = Kind::kSurroundingText;
    details.cell = ShortenedText(text);
    return PasteError(details);
}

PasteError PasteError::TwoLetters(int row, int col, std::string cell, char first, char second) {
    Details details = AtCell(Kind::kTwoLetters, row, col, std::move(cell)).details();
    details.firstLetter = first;
    details.secondLetter = second;
    return PasteError(details);
}

PasteError PasteError::DoesNotFit(int rows, int cols, int row, int col) {
    Details details = TooLarge(rows, cols).details();
    details.kind = Kind::kDoesNotFit;
    details.row = row;
    details.col = col;
    return PasteError(details);
}

}  // namespace korvane
