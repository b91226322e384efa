#include "core/practice/PracticeTexts.h"

#include <algorithm>

#include "core/engine/RowOperationText.h"
#include "core/methods/DeterminantRelation.h"

namespace korvane {

namespace {

std::string RowName(int row) {
    return std::to_string(row + 1) + "行目";
}

// An operation quoted inside a sentence: 「2行目を1/2倍します」.
std::string Quoted(const RowOperation& op, const LogStyle& style) {
    std::string sentence = RowOperationLine(op, style);
    const std::string stop = "。";
    if (sentence.ends_with(stop)) sentence.resize(sentence.size() - stop.size());
    return "「" + sentence + "」";
}

std::string QuotedAll(const std::vector<RowOperation>& operations, const LogStyle& style) {
    std::string text;
    for (const RowOperation& op : operations)
        text += Quoted(op, style);
    return text;
}

std::string EntryNames(const std::vector<GridCell>& cells) {
    std::string text;
    for (const GridCell& cell : cells)
        text += (text.empty() ? "" : "、") + EntryName(cell);
    return text;
}

std::string InsteadSentence(const std::string& what, const Diagnosis& d, const LogStyle& style) {
    return what + Quoted(d.intended[d.slipAt], style) + "ではなく、" + Quoted(*d.done, style) +
           "の計算になっています。";
}

std::string UntouchedSentence(GridCell from, int lastCol, int augmentedFrom) {
    const std::string row = RowName(from.row);
    if (from.col == augmentedFrom) return row + "の右半分が、前のままです。";
    const std::string col = std::to_string(from.col + 1) + "列目";
    if (from.col == lastCol) return row + "の" + col + "が、前のままです。";
    return row + "の" + col + "から右が、前のままです。";
}

void AddSlipSentences(const Diagnosis& d, int lastCol, int augmentedFrom, const LogStyle& style,
                      std::vector<std::string>& lines) {
    switch (d.kind) {
        case SlipKind::kSign:
            lines.push_back(d.done ? InsteadSentence("符号が違います。", d, style)
                                   : EntryNames(d.wrongCells) + "の符号が違います。");
            break;
        case SlipKind::kMultiple:
            lines.push_back(InsteadSentence("倍数が違います。", d, style));
            break;
        case SlipKind::kWrongRow:
            lines.push_back(d.done
                                ? InsteadSentence("行が違います。", d, style)
                                : "行が違います。" + RowName(d.misplacedFrom) + "の計算結果が、" +
                                      RowName(d.misplacedInto) + "に書かれています。");
            break;
        case SlipKind::kPartialRow:
            lines.push_back("行の一部にしか計算をしていません。");
            for (const GridCell& from : d.untouchedFrom)
                lines.push_back(UntouchedSentence(from, lastCol, augmentedFrom));
            break;
        case SlipKind::kOneEntry:
            lines.push_back(EntryNames(d.wrongCells) + "の計算が違います。");
            break;
        case SlipKind::kOtherStep:
            lines.push_back("この行列は、" + QuotedAll(d.other, style) + "をした結果です。");
            break;
        case SlipKind::kSeveral:
            lines.push_back(EntryNames(d.wrongCells) + "が違います。");
            break;
    }
}

}  // namespace

std::string GoalName(PracticeGoal goal) {
    switch (goal) {
        case PracticeGoal::kReducedRowEchelon:
            return "行階段標準形";
        case PracticeGoal::kRowEchelon:
            return "行階段形";
        case PracticeGoal::kInverse:
            return "逆行列";
        case PracticeGoal::kDeterminant:
            break;
    }
    return "行列式";
}

std::string TaskSentence(PracticeGoal goal) {
    if (goal == PracticeGoal::kInverse)
        return "上の行列の左半分を、行基本変形で単位行列にしてください。";
    if (goal == PracticeGoal::kDeterminant)
        return "上の行列 A を行基本変形で上三角行列にして、行列式を求めてください。操作のたびに、"
               "操作の前の行列式が後の行列式の何倍かも答えてください。そのときの行列を B とし、"
               "det A を det B で表していきます。";
    return "上の行列を、行基本変形で" + GoalName(goal) + "にしてください。";
}

std::vector<std::string> WrongFactorSentences(const std::vector<RowOperation>& operations) {
    std::vector<std::string> lines{"行列式の倍率が違います。"};
    for (const RowOperation& op : operations) {
        const std::string rule = RuleSentence(op);
        if (std::find(lines.begin(), lines.end(), rule) == lines.end()) lines.push_back(rule);
    }
    lines.push_back("もう一度計算してください。");
    return lines;
}

std::string EntryName(GridCell cell) {
    std::string name = "(";
    name += std::to_string(cell.row + 1);
    name += ',';
    name += std::to_string(cell.col + 1);
    name += ")成分";
    return name;
}

std::vector<std::string> SlipSentences(const Diagnosis& diagnosis, bool named, int columns,
                                       int augmentedFrom, bool additionWording) {
    // Quoted inside a sentence, without the notation.
    const LogStyle style{false, additionWording};
    std::vector<std::string> lines;
    if (!named && !diagnosis.intended.empty())
        lines.push_back(QuotedAll(diagnosis.intended, style) + "のつもりだとすると、");
    AddSlipSentences(diagnosis, columns - 1, augmentedFrom, style, lines);
    lines.push_back("もう一度計算してください。");
    return lines;
}

}  // namespace korvane
