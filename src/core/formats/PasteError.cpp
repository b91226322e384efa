#include "core/formats/PasteError.h"

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
    }
    return "行列として読めない文字です。";
}

}  // namespace

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

PasteError PasteError::DoesNotFit(int rows, int cols, int row, int col) {
    Details details = TooLarge(rows, cols).details();
    details.kind = Kind::kDoesNotFit;
    details.row = row;
    details.col = col;
    return PasteError(details);
}

}  // namespace korvane
