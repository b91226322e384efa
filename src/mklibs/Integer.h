#pragma once

#include <compare>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>

namespace korvane {

// An exact integer of any size over FLINT's fmpz. Values that fit in 62 bits
// are stored inline without allocation; larger ones grow as needed.
// FLINT's headers stay out of this one (they define macros such as `ulong`
// that clash with Qt), so the word below is a raw fmpz.
class Integer {
  public:
    Integer() noexcept = default;
    Integer(std::int64_t value);  // NOLINT: implicit by design
    Integer(const Integer& other) : word_(other.word_) {
        if (!IsInline(word_)) CopyLarge(other);
    }
    Integer(Integer&& other) noexcept : word_(other.word_) { other.word_ = 0; }
    Integer& operator=(const Integer& other);
    Integer& operator=(Integer&& other) noexcept {
        std::swap(word_, other.word_);
        return *this;
    }
    ~Integer() {
        if (!IsInline(word_)) ClearLarge();
    }

    // Reads an optional '-' followed by decimal digits only; anything else
    // is the caller's fault and gives 0.
    static Integer FromDecimal(std::string_view digits);
    std::string ToString() const;
    // Appends the decimal text to text, written in place.
    void AppendTo(std::string& text) const;

    bool IsZero() const { return word_ == 0; }
    bool IsOne() const { return word_ == 1; }
    int Sign() const;
    bool FitsInt64() const;
    std::int64_t ToInt64() const;  // only when FitsInt64()

    Integer operator-() const;
    Integer Abs() const;
    friend Integer operator+(const Integer& a, const Integer& b);
    friend Integer operator-(const Integer& a, const Integer& b);
    friend Integer operator*(const Integer& a, const Integer& b);
    // Division known to be exact (such as by a common divisor).
    friend Integer DivideExact(const Integer& a, const Integer& b);
    friend Integer Gcd(const Integer& a, const Integer& b);

    friend bool operator==(const Integer& a, const Integer& b);
    friend std::strong_ordering operator<=>(const Integer& a, const Integer& b);
    friend bool operator==(const Integer& a, std::int64_t b);
    friend std::strong_ordering operator<=>(const Integer& a, std::int64_t b);

  private:
    // An fmpz word holds its value inline unless its top two bits are 01.
    static bool IsInline(long word) { return (word >> 62) != 1; }
    friend struct RawInteger;  // FLINT kernels inside this library
    void CopyLarge(const Integer& other);
    void ClearLarge();
    long* raw() { return &word_; }
    const long* raw() const { return &word_; }

    long word_ = 0;
};

std::ostream& operator<<(std::ostream& out, const Integer& value);

// The smaller of a and b.
std::int32_t IntMin(std::int32_t a, std::int32_t b);
// Kronecker delta: 1 when a == b, else 0.
std::int32_t IntDelta(std::int32_t a, std::int32_t b);

// Frees the spare storage FLINT keeps for the calling thread's large
// integers; a thread that worked on large numbers calls it as it ends, or
// that storage is lost with the thread. Integers still alive stay valid.
void ReleaseThreadNumbers();

}  // namespace korvane
