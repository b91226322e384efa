#include "main/FormulaText.h"

#include <array>

#include "main/TypesetNumber.h"

namespace korvane {

namespace {

using Kind = FormulaNode::Kind;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Operators set apart by a space on each side when they stand between two
// terms; a minus sign at the front of a term stays close.
constexpr std::array<std::string_view, 9> kSpaced{"+", "-", "=", "≈", "≠", "→", "↔", "|", "·"};

bool IsSpaced(const FormulaNode& node) {
    if (node.kind != Kind::kOperator) return false;
    for (const std::string_view op : kSpaced) {
        if (node.text == op) return true;
    }
    return false;
}

// In a script (h_{k,k}, an exponent) the operators stand close.
QString OperatorText(const FormulaNode& node, bool between, bool script) {
    const QString sign = node.text == "-" ? QStringLiteral("\u2212") : Text(node.text);
    if (script) return sign;
    if (node.text == ",") return QStringLiteral(", ");
    return between ? QLatin1Char(' ') + sign + QLatin1Char(' ') : sign;
}

void InsertNode(QTextCursor& cursor, const FormulaNode& node, const QTextCharFormat& format);

void InsertAll(QTextCursor& cursor, const Formula& formula, const QTextCharFormat& format) {
    for (std::size_t k = 0; k < formula.size(); ++k) {
        const FormulaNode& node = formula[k];
        if (node.kind == Kind::kOperator) {
            const bool between = IsSpaced(node) && k > 0 && formula[k - 1].kind != Kind::kOperator;
            cursor.insertText(OperatorText(node, between, format.baselineOffset() != 0), format);
        } else {
            InsertNode(cursor, node, format);
        }
    }
}

void InsertVector(QTextCursor& cursor, const std::vector<std::string>& entries,
                  const QTextCharFormat& format) {
    cursor.insertText(QStringLiteral("("), format);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (k > 0) cursor.insertText(QStringLiteral(", "), format);
        TypesetNumber(cursor, entries[k], format);
    }
    cursor.insertText(QStringLiteral(")"), format);
}

void InsertNode(QTextCursor& cursor, const FormulaNode& node, const QTextCharFormat& format) {
    switch (node.kind) {
        case Kind::kLetter: {
            QTextCharFormat italic = format;
            italic.setFontItalic(true);
            cursor.insertText(Text(node.text), italic);
            return;
        }
        case Kind::kGroup:
            if (!node.text.empty()) cursor.insertText(Text(node.text.substr(0, 1)), format);
            InsertAll(cursor, node.children, format);
            if (node.text.size() > 1) cursor.insertText(Text(node.text.substr(1, 1)), format);
            return;
        case Kind::kVector:
            InsertVector(cursor, node.entries, format);
            return;
        case Kind::kPower:
            InsertNode(cursor, node.children[0], format);
            InsertAll(cursor, node.children[1].children, Raised(format));
            return;
        case Kind::kSubscript:
            InsertNode(cursor, node.children[0], format);
            InsertAll(cursor, node.children[1].children, Lowered(format));
            return;
        case Kind::kFraction:
            InsertAll(cursor, node.children[0].children, Raised(format));
            cursor.insertText(QStringLiteral("/"), format);
            InsertAll(cursor, node.children[1].children, Lowered(format));
            return;
        default:
            cursor.insertText(Text(node.text), format);
    }
}

}  // namespace

void TypesetFormula(QTextCursor& cursor, const Formula& formula, const QTextCharFormat& format) {
    InsertAll(cursor, formula, format);
}

}  // namespace korvane
