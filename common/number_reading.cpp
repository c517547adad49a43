#include "number_reading.h"

#include <charconv>
#include <limits>
#include <string>

namespace korvane {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isExponentMark(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// A number as read from the text, before it is converted.
struct Scanned {
    std::string mantissa;  // digits with at most one point, never empty once digits were seen
    long exponent = 0;     // clamped to +-100000, far beyond a double's range
    long wholeDigits = 0;  // significant digits before the point; negative: zeros after it
    bool negative = false;
    bool found = false;
};

// Copies the text without the blanks that the reading passes over.
std::string withoutBlanks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (!isBlank(c)) kept += c;
    }
    return kept;
}

void scanExponent(const std::string& s, std::size_t pos, Scanned& out) {
    if (pos >= s.size() || !isExponentMark(s[pos])) return;
    ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
    if (pos >= s.size() || !isDigit(s[pos])) return;
    long exponent = 0;
    for (; pos < s.size() && isDigit(s[pos]); ++pos) {
        if (exponent < 100000) exponent = exponent * 10 + (s[pos] - '0');
    }
    out.exponent = negative ? -exponent : exponent;
}

Scanned scan(const std::string& s) {
    Scanned out;
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) out.negative = s[pos++] == '-';
    bool significant = false;
    for (; pos < s.size() && isDigit(s[pos]); ++pos) {
        out.mantissa += s[pos];
        significant = significant || s[pos] != '0';
        if (significant) ++out.wholeDigits;
    }
    if (pos < s.size() && s[pos] == '.') {
        out.mantissa += s[pos++];
        for (; pos < s.size() && isDigit(s[pos]); ++pos) {
            out.mantissa += s[pos];
            if (!significant && s[pos] == '0') --out.wholeDigits;
            significant = significant || s[pos] != '0';
        }
    }
    out.found = out.mantissa.find_first_of("0123456789") != std::string::npos;
    if (out.found) scanExponent(s, pos, out);
    return out;
}

}  // namespace

double readNumber(std::string_view text) {
    const Scanned n = scan(withoutBlanks(text));
    if (!n.found) return 0.0;
    std::string number = n.mantissa + "e" + std::to_string(n.exponent);
    if (number.front() == '.') number.insert(number.begin(), '0');

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range above reads as the largest double; below, as zero.
        value = n.wholeDigits + n.exponent > 0 ? std::numeric_limits<double>::max() : 0.0;
    }
    return n.negative ? -value : value;
}

}  // namespace korvane
