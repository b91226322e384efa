#include "mklibs/Integer.h"

#include <flint/fmpz.h>

#include <charconv>
#include <ostream>
#include <type_traits>

namespace korvane {

static_assert(std::is_same_v<fmpz, long>, "Integer stores a raw fmpz word");
static_assert(SMALL_FMPZ_BITCOUNT_MAX == 62, "Integer::IsInline assumes 62-bit inline values");

namespace {

std::strong_ordering FromCmp(int cmp) {
    if (cmp < 0) return std::strong_ordering::less;
    if (cmp > 0) return std::strong_ordering::greater;
    return std::strong_ordering::equal;
}

}  // namespace

Integer::Integer(std::int64_t value) {
    fmpz_set_si(raw(), value);
}

Integer& Integer::operator=(const Integer& other) {
    if (IsInline(word_) && IsInline(other.word_)) {
        word_ = other.word_;
    } else {
        fmpz_set(raw(), other.raw());
    }
    return *this;
}

void Integer::CopyLarge(const Integer& other) {
    word_ = 0;
    fmpz_set(raw(), other.raw());
}

void Integer::ClearLarge() {
    fmpz_clear(raw());
}

Integer Integer::FromDecimal(std::string_view digits) {
    Integer result;
    if (digits.empty()) return result;
    std::string text(digits);
    if (fmpz_set_str(result.raw(), text.c_str(), 10) != 0) fmpz_zero(result.raw());
    return result;
}

std::string Integer::ToString() const {
    std::string text;
    AppendTo(text);
    return text;
}

void Integer::AppendTo(std::string& text) const {
    if (IsInline(word_)) {
        char buffer[24];
        auto end = std::to_chars(buffer, buffer + sizeof buffer, word_).ptr;
        text.append(buffer, end);
        return;
    }
    // Room for the sign, every digit and the terminating zero GMP writes;
    // the size in base 10 may be one too large, so cut at the zero.
    const std::size_t start = text.size();
    text.resize(start + fmpz_sizeinbase(raw(), 10) + 2);
    fmpz_get_str(text.data() + start, 10, raw());
    text.resize(start + std::char_traits<char>::length(text.data() + start));
}

int Integer::Sign() const {
    return fmpz_sgn(raw());
}

bool Integer::FitsInt64() const {
    return fmpz_fits_si(raw()) != 0;
}

std::int64_t Integer::ToInt64() const {
    return fmpz_get_si(raw());
}

Integer Integer::operator-() const {
    Integer result;
    fmpz_neg(result.raw(), raw());
    return result;
}

Integer Integer::Abs() const {
    Integer result;
    fmpz_abs(result.raw(), raw());
    return result;
}

Integer operator+(const Integer& a, const Integer& b) {
    Integer result;
    fmpz_add(result.raw(), a.raw(), b.raw());
    return result;
}

Integer operator-(const Integer& a, const Integer& b) {
    Integer result;
    fmpz_sub(result.raw(), a.raw(), b.raw());
    return result;
}

Integer operator*(const Integer& a, const Integer& b) {
    Integer result;
    fmpz_mul(result.raw(), a.raw(), b.raw());
    return result;
}

Integer DivideExact(const Integer& a, const Integer& b) {
    Integer result;
    fmpz_divexact(result.raw(), a.raw(), b.raw());
    return result;
}

Integer Gcd(const Integer& a, const Integer& b) {
    Integer result;
    fmpz_gcd(result.raw(), a.raw(), b.raw());
    return result;
}

bool operator==(const Integer& a, const Integer& b) {
    return fmpz_equal(a.raw(), b.raw()) != 0;
}

std::strong_ordering operator<=>(const Integer& a, const Integer& b) {
    return FromCmp(fmpz_cmp(a.raw(), b.raw()));
}

bool operator==(const Integer& a, std::int64_t b) {
    return fmpz_equal_si(a.raw(), b) != 0;
}

std::strong_ordering operator<=>(const Integer& a, std::int64_t b) {
    return FromCmp(fmpz_cmp_si(a.raw(), b));
}

std::ostream& operator<<(std::ostream& out, const Integer& value) {
    return out << value.ToString();
}

std::int32_t IntMin(std::int32_t a, std::int32_t b) {
    return b < a ? b : a;
}

std::int32_t IntDelta(std::int32_t a, std::int32_t b) {
    return a == b ? 1 : 0;
}

void ReleaseThreadNumbers() {
    flint_cleanup();
}

}  // namespace korvane
