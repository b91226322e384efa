#include "core/workspace/ExpressionReader.h"

#include <charconv>
#include <climits>
#include <utility>
#include <vector>

#include "core/workspace/ExpressionTokens.h"

namespace korvane {

namespace {

using Kind = Expression::Kind;
using Token = ExpressionToken;
using TokenKind = ExpressionToken::Kind;

constexpr char kUnknown = 'X';

Expression Node(Kind kind, int place) {
    Expression node;
    node.kind = kind;
    node.place = place;
    return node;
}

Expression Binary(Kind kind, Expression left, Expression right) {
    Expression node = Node(kind, left.place);
    node.operands.push_back(std::move(left));
    node.operands.push_back(std::move(right));
    return node;
}

Expression Unary(Kind kind, Expression operand, int place) {
    Expression node = Node(kind, place);
    node.operands.push_back(std::move(operand));
    return node;
}

Expression Number(ComplexFraction value, int place) {
    Expression node = Node(Kind::kNumber, place);
    node.number = std::move(value);
    return node;
}

// left right; the product of two numbers is one number, as 2i is.
Expression ProductOf(Expression left, Expression right) {
    if (left.kind == Kind::kNumber && right.kind == Kind::kNumber)
        return Number(CpxMul(left.number, right.number), left.place);
    return Binary(Kind::kProduct, std::move(left), std::move(right));
}

bool StartsOperand(TokenKind kind) {
    return kind == TokenKind::kName || kind == TokenKind::kUnit || kind == TokenKind::kNumber ||
           kind == TokenKind::kFunction || kind == TokenKind::kOpen;
}

// Recursive descent: sum := product {(+|-) product};
// product := signed {(*|/) signed | power}; signed := (+|-) signed | power;
// power := atom {^ exponent | superscript}.
class Reader {
  public:
    explicit Reader(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    ReadExpression Read() {
        if (Peek().kind == TokenKind::kEnd) throw ExpressionError("式が空です。");
        ReadExpression read;
        Expression left = Sum();
        if (Peek().kind == TokenKind::kEquals) {
            const int equals = Take().place;
            Expression right = Sum();
            if (Peek().kind == TokenKind::kEquals)
                throw ExpressionError(PlaceText(Peek().place) +
                                      "「=」は2つ目です。式に書ける「=」は1つです。");
            ExpectEnd();
            read.equation = Equation(std::move(left), std::move(right), equals);
            return read;
        }
        ExpectEnd();
        read.expression = std::move(left);
        return read;
    }

  private:
    const Token& Peek() const { return tokens_[at_]; }
    const Token& Take() { return tokens_[at_++]; }

    void ExpectEnd() {
        const Token& token = Peek();
        if (token.kind == TokenKind::kEnd) return;
        if (token.kind == TokenKind::kClose)
            throw ExpressionError(PlaceText(token.place) + "「)」に対応する「(」がありません。");
        throw ExpressionError(PlaceText(token.place) + "「" + token.text + "」は読めません。");
    }

    // Brackets and signs nest no deeper than kMaxExpressionDepth.
    class Deeper {
      public:
        Deeper(int& depth, int place) : depth_(depth) {
            if (++depth_ > kMaxExpressionDepth)
                throw ExpressionError(PlaceText(place) +
                                      "ところで、括弧や符号の入れ子が深すぎます。");
        }
        ~Deeper() { --depth_; }
        Deeper(const Deeper&) = delete;
        Deeper& operator=(const Deeper&) = delete;

      private:
        int& depth_;
    };

    Expression Sum() {
        Expression node = Product();
        while (Peek().kind == TokenKind::kPlus || Peek().kind == TokenKind::kMinus) {
            const Kind kind = Take().kind == TokenKind::kPlus ? Kind::kSum : Kind::kDifference;
            node = Binary(kind, std::move(node), Product());
        }
        return node;
    }

    Expression Product() {
        Expression node = Signed();
        while (true) {
            const TokenKind next = Peek().kind;
            if (next == TokenKind::kTimes) {
                Take();
                node = ProductOf(std::move(node), Signed());
            } else if (next == TokenKind::kSlash) {
                Take();
                node = Quotient(std::move(node), Signed());
            } else if (StartsOperand(next)) {
                node = ProductOf(std::move(node), Power());
            } else {
                return node;
            }
        }
    }

    // left / right; a fraction of two numbers is one number, as 1/2 is.
    static Expression Quotient(Expression left, Expression right) {
        if (left.kind == Kind::kNumber && right.kind == Kind::kNumber && !CpxIsZero(right.number))
            return Number(CpxMul(left.number, CpxInv(right.number)), left.place);
        return Binary(Kind::kQuotient, std::move(left), std::move(right));
    }

    Expression Signed() {
        const Token& sign = Peek();
        if (sign.kind != TokenKind::kPlus && sign.kind != TokenKind::kMinus) return Power();
        const Deeper deeper(depth_, sign.place);
        const bool minus = Take().kind == TokenKind::kMinus;
        Expression operand = Signed();
        if (!minus) return operand;
        // -2 is the number -2, so that -2A is one multiple.
        if (operand.kind == Kind::kNumber) return Number(CpxNeg(operand.number), sign.place);
        return Unary(Kind::kNegation, std::move(operand), sign.place);
    }

    Expression Power() {
        Expression node = Atom();
        while (true) {
            if (Peek().kind == TokenKind::kCaret) {
                const int caret = Take().place;
                node = Exponent(std::move(node), caret);
            } else if (Peek().kind == TokenKind::kSuperscript) {
                const Token& superscript = Take();
                node = Raised(std::move(node), superscript.text, superscript.place);
            } else {
                return node;
            }
        }
    }

    // What follows "^": T, H, *, or an integer, signed or in brackets.
    Expression Exponent(Expression base, int caret) {
        const Token& token = Peek();
        if (token.kind == TokenKind::kName && (token.text == "T" || token.text == "H")) {
            Take();
            return Raised(std::move(base), token.text, caret);
        }
        if (token.kind == TokenKind::kTimes && token.text == "*") {
            Take();
            return Raised(std::move(base), "H", caret);
        }
        const bool bracketed = token.kind == TokenKind::kOpen;
        const int open = token.place;
        if (bracketed) Take();
        std::string exponent;
        if (Peek().kind == TokenKind::kMinus || Peek().kind == TokenKind::kPlus)
            exponent = Take().kind == TokenKind::kMinus ? "-" : "";
        if (Peek().kind != TokenKind::kNumber || Peek().text.find('.') != std::string::npos)
            throw ExpressionError(
                PlaceText(caret) +
                "「^」の後には、整数か、転置の T、共役転置の H か * を書きます。");
        exponent += Take().text;
        if (bracketed && Take().kind != TokenKind::kClose)
            throw ExpressionError(PlaceText(open) + "「(」に対応する「)」がありません。");
        return Raised(std::move(base), exponent, caret);
    }

    // base^exponent for an exponent in ASCII: T, H or a signed integer.
    static Expression Raised(Expression base, const std::string& exponent, int place) {
        const int start = base.place;
        if (exponent == "T") return Unary(Kind::kTranspose, std::move(base), start);
        if (exponent == "H") return Unary(Kind::kAdjoint, std::move(base), start);
        std::int64_t value = 0;
        const char* first = exponent.data();
        const char* last = first + exponent.size();
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != last || value > INT_MAX || value < -INT_MAX)
            throw ExpressionError(PlaceText(place) + "指数 " + exponent +
                                  " は大きすぎます。指数の大きさは " + std::to_string(INT_MAX) +
                                  " までです。");
        Expression node = Unary(Kind::kPower, std::move(base), start);
        node.exponent = value;
        return node;
    }

    Expression Atom() {
        const Token& token = Peek();
        switch (token.kind) {
            case TokenKind::kName:
                Take();
                return NameNode(token);
            case TokenKind::kUnit:
                Take();
                return Number({{0, 1}, {1, 1}}, token.place);
            case TokenKind::kNumber:
                Take();
                return Number({FracParse(token.text), {}}, token.place);
            case TokenKind::kFunction:
                Take();
                return Function(token);
            case TokenKind::kOpen: {
                Take();
                const Deeper deeper(depth_, token.place);
                Expression inside = Sum();
                Close(token.place);
                return inside;
            }
            case TokenKind::kEnd:
                throw ExpressionError("式の終わりに、行列か数が要ります。");
            case TokenKind::kClose:
                if (depth_ == 0)
                    throw ExpressionError(PlaceText(token.place) +
                                          "「)」に対応する「(」がありません。");
                break;
            default:
                break;
        }
        throw ExpressionError(PlaceText(token.place) + "「" + token.text +
                              "」の前に、行列か数が要ります。");
    }

    static Expression NameNode(const Token& token) {
        if (token.text == "I") return Node(Kind::kIdentity, token.place);
        if (token.text == "O") return Node(Kind::kZero, token.place);
        Expression node = Node(Kind::kName, token.place);
        node.name = token.text[0];
        return node;
    }

    Expression Function(const Token& name) {
        if (Peek().kind != TokenKind::kOpen)
            throw ExpressionError(PlaceText(name.place) + " " + name.text +
                                  " の後には「(」が要ります。");
        const int open = Take().place;
        const Deeper deeper(depth_, open);
        Expression argument = Sum();
        Close(open);
        const Kind kind = name.text == "tr"    ? Kind::kTrace
                          : name.text == "det" ? Kind::kDeterminant
                          : name.text == "inv" ? Kind::kInverse
                                               : Kind::kRref;
        return Unary(kind, std::move(argument), name.place);
    }

    void Close(int open) {
        if (Peek().kind != TokenKind::kClose)
            throw ExpressionError(PlaceText(open) + "「(」に対応する「)」がありません。");
        Take();
    }

    static MatrixEquation Equation(Expression left, Expression right, int equals);

    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

// The factors of a product chain as read, left to right: a bracketed
// product stays one factor.
void Factors(const Expression& node, std::vector<const Expression*>& factors) {
    if (node.kind == Kind::kProduct) {
        Factors(node.Left(), factors);
        factors.push_back(&node.Right());
    } else {
        factors.push_back(&node);
    }
}

bool MentionsUnknown(const Expression& node) {
    if (node.kind == Kind::kName && node.name == kUnknown) return true;
    for (const Expression& operand : node.operands) {
        if (MentionsUnknown(operand)) return true;
    }
    return false;
}

// The product of the factors, left-associated.
Expression ProductOfFactors(const std::vector<const Expression*>& factors) {
    Expression product = *factors.front();
    for (std::size_t k = 1; k < factors.size(); ++k)
        product = ProductOf(std::move(product), *factors[k]);
    return product;
}

MatrixEquation Reader::Equation(Expression left, Expression right, int equals) {
    const std::string form = "方程式は、未知の行列を X として、AX = B か XA = B の形に書きます。";
    std::vector<const Expression*> factors;
    Factors(left, factors);
    const auto isUnknown = [](const Expression* f) {
        return f->kind == Kind::kName && f->name == kUnknown;
    };
    if (factors.size() < 2 || isUnknown(factors.front()) == isUnknown(factors.back()))
        throw ExpressionError(PlaceText(equals) + "「=」の左辺が AX や XA の形ではありません。" +
                              form);
    MatrixEquation equation;
    equation.unknownOnLeft = isUnknown(factors.front());
    if (equation.unknownOnLeft) {
        factors.erase(factors.begin());
    } else {
        factors.pop_back();
    }
    equation.coefficient = ProductOfFactors(factors);
    equation.rightSide = std::move(right);
    if (MentionsUnknown(equation.coefficient) || MentionsUnknown(equation.rightSide))
        throw ExpressionError("X が2か所以上にあります。" + form);
    return equation;
}

}  // namespace

ReadExpression ReadExpressionText(std::string_view text) {
    std::vector<ExpressionToken> tokens = ExpressionTokens(text);
    if (static_cast<std::size_t>(tokens.back().place - 1) > kMaxExpressionLength)
        throw ExpressionError("式が長すぎます。式は " + std::to_string(kMaxExpressionLength) +
                              " 文字までです。");
    return Reader(std::move(tokens)).Read();
}

}  // namespace korvane
