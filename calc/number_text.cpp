#include "calc/number_text.h"

#include "calc/decimal_digits.h"
#include "calc/failure.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>

namespace corvald::calc {

namespace {

    // writeNumber uses the exponent form outside 1E-4 <= |x| < 1E+15.
    constexpr int kSmallestFixedExponent = -4;
    constexpr int kLargestDoubleExponent = 308; // the largest double is 1.797...E+308

    bool isBlank(char c) { return c == ' ' || c == '\t'; }
    bool isDigit(char c) { return c >= '0' && c <= '9'; }

    std::string_view trimmed(std::string_view text)
    {
        while (!text.empty() && isBlank(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && isBlank(text.back()))
            text.remove_suffix(1);
        return text;
    }

    // Skips a run of digits; returns how many there were.
    std::size_t skipDigits(std::string_view text, std::size_t& pos)
    {
        const std::size_t start = pos;
        while (pos < text.size() && isDigit(text[pos]))
            ++pos;
        return pos - start;
    }

    // Digits with an optional point and fraction, then an optional exponent.
    bool isUnsignedDecimal(std::string_view text)
    {
        std::size_t pos = 0;
        std::size_t mantissaDigits = skipDigits(text, pos);
        if (pos < text.size() && text[pos] == '.') {
            ++pos;
            mantissaDigits += skipDigits(text, pos);
        }
        if (mantissaDigits == 0)
            return false;
        if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
            ++pos;
            if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
                ++pos;
            if (skipDigits(text, pos) == 0)
                return false;
        }
        return pos == text.size();
    }

    std::string exponentForm(const DecimalDigits& d)
    {
        std::string text = d.negative ? "-" : "";
        text += d.digits.front();
        if (d.digits.size() > 1)
            text.append(".").append(d.digits, 1);
        const int power = d.leadingExponent();
        const std::string powerDigits = std::to_string(power < 0 ? -power : power);
        text += power < 0 ? "E-" : "E+";
        if (powerDigits.size() < 2)
            text += '0';
        text += powerDigits;
        return text;
    }

    // Next to the largest double, 15 digits can round up past it
    // (1.79769313486232E+308): such a text would not read back, so the value
    // counts as an overflow.
    std::string readableExponentForm(const DecimalDigits& d)
    {
        std::string text = exponentForm(d);
        if (d.leadingExponent() >= kLargestDoubleExponent) {
            double value = 0;
            const char* begin = text.data() + (d.negative ? 1 : 0);
            if (std::from_chars(begin, text.data() + text.size(), value).ec != std::errc())
                throw Overflow();
        }
        return text;
    }

    // Every digit of d written out, whole digits (at least "0") and decimals.
    std::string fixedForm(const DecimalDigits& d)
    {
        const auto size = static_cast<int>(d.digits.size());
        const int whole = size + d.exponent; // digits before the point; none when below 1
        const int decimals = d.exponent < 0 ? -d.exponent : 0;
        const auto length = static_cast<std::size_t>(
            (d.negative ? 1 : 0) + std::max(whole, 1) + (decimals > 0 ? 1 + decimals : 0));
        std::string text(length, '0');
        std::size_t at = 0;
        if (d.negative)
            text[at++] = '-';
        for (int i = 0; i < std::max(whole, 1); ++i, ++at)
            if (i < whole && i < size)
                text[at] = d.digits[static_cast<std::size_t>(i)];
        if (decimals > 0) {
            text[at++] = '.';
            for (int i = whole; i < size; ++i, ++at)
                if (i >= 0)
                    text[at] = d.digits[static_cast<std::size_t>(i)];
        }
        return text;
    }

    // The shown form of d, rounded to `decimals`: whole digits grouped in threes
    // with ",", the point and the decimals, a negative value in parentheses.
    std::string shownForm(const DecimalDigits& d, int decimals)
    {
        const auto size = static_cast<int>(d.digits.size());
        const int whole = std::max(size + d.exponent, 1); // "0" when below 1
        const int separators = (whole - 1) / 3;
        const auto length = static_cast<std::size_t>(
            whole + separators + (decimals > 0 ? 1 + decimals : 0) + (d.negative ? 2 : 0));
        std::string text(length, '0');
        std::size_t at = 0;
        if (d.negative)
            text[at++] = '(';
        const int first = size + d.exponent - whole; // the digit index of the first whole place
        for (int place = 0; place < whole; ++place, ++at) {
            if (place > 0 && (whole - place) % 3 == 0)
                text[at++] = ',';
            const int i = first + place;
            if (i >= 0 && i < size)
                text[at] = d.digits[static_cast<std::size_t>(i)];
        }
        if (decimals > 0) {
            text[at++] = '.';
            for (int i = first + whole; i < first + whole + decimals; ++i, ++at)
                if (i >= 0 && i < size)
                    text[at] = d.digits[static_cast<std::size_t>(i)];
        }
        if (d.negative)
            text[at] = ')';
        return text;
    }

    // d's digits written out and read back; a text beyond the double range is an
    // overflow, as for writeNumber.
    double fixedValue(const DecimalDigits& d)
    {
        const std::string text = fixedForm(d);
        double value = 0;
        if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc())
            throw Overflow();
        return value;
    }

    // 10^k for 0 <= k <= 22: exact doubles.
    constexpr std::array<double, 23> kExactPowersOfTen = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22 };
    constexpr int kLargestExactPower = 22;

    // The double nearest to d, as readNumber gives it for d's text written out.
    // With at most 15 digits, d's digits are a whole number below 2^53, and for
    // a power of ten within 22 of zero both factors are exact doubles: their
    // product or quotient is the correctly rounded value itself.
    double valueOf(const DecimalDigits& d)
    {
        if (d.isZero())
            return 0;
        if (d.digits.size() > static_cast<std::size_t>(kSignificantDigits)
            || d.exponent < -kLargestExactPower || d.exponent > kLargestExactPower)
            return fixedValue(d);
        std::uint64_t whole = 0;
        const std::string_view digits = d.digits;
        std::size_t i = 0;
        for (; i + 1 < digits.size(); i += 2) // two digits a step
            whole = whole * 100
                + static_cast<std::uint64_t>((digits[i] - '0') * 10 + digits[i + 1] - '0');
        if (i < digits.size())
            whole = whole * 10 + static_cast<std::uint64_t>(digits[i] - '0');
        const double scale = kExactPowersOfTen[static_cast<std::size_t>(
            d.exponent < 0 ? -d.exponent : d.exponent)];
        const double value = d.exponent < 0 ? static_cast<double>(whole) / scale
                                            : static_cast<double>(whole) * scale;
        return d.negative ? -value : value;
    }

} // namespace

double readNumber(std::string_view text)
{
    std::string_view number = trimmed(text);
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    if (!isUnsignedDecimal(number))
        throw TypeMismatch(std::string(text));
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        throw TypeMismatch(std::string(text));
    return negative ? -value : value;
}

std::string writeNumber(double x)
{
    const DecimalDigits d = significantDigits(finite(x));
    if (d.isZero())
        return "0";
    const int power = d.leadingExponent();
    if (power >= kSignificantDigits)
        return readableExponentForm(d);
    if (power < kSmallestFixedExponent)
        return exponentForm(d);
    return fixedForm(d);
}

double roundToFourDecimals(double x) { return roundToDecimals(x, kFactorDecimals); }

std::string fixedDecimals(double x, int decimals)
{
    const DecimalDigits d = roundedToDecimals(significantDigits(finite(x)), decimals, Tie::toEven);
    std::string text = shownForm(d, decimals); // grouped, a negative value in parentheses
    std::erase(text, ',');
    if (d.negative) {
        text.front() = '-';
        text.pop_back();
    }
    return text;
}

double roundToDecimals(double x, int decimals)
{
    return valueOf(roundedToDecimals(significantDigits(finite(x)), decimals, Tie::toEven));
}

double writtenValue(double x)
{
    const DecimalDigits d = significantDigits(finite(x));
    return d.leadingExponent() < kSignificantDigits ? valueOf(d) : readNumber(writeNumber(x));
}

std::string displayFormat(double x, int decimals)
{
    return shownForm(
        roundedToDecimals(significantDigits(finite(x)), decimals, Tie::awayFromZero), decimals);
}

} // namespace corvald::calc
