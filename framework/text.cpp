#include "framework/text.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace fw {

namespace {

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Decimal exponent of the leading significant digit in a mantissa such as
// "0012.50" (1) or ".004" (-3); 0 when every digit is zero.
long leadingExponent(std::string_view mantissa) {
    const std::size_t point = mantissa.find('.');
    const std::size_t intDigits = point == std::string_view::npos ? mantissa.size() : point;
    for (std::size_t i = 0; i < mantissa.size(); ++i) {
        const char ch = mantissa[i];
        if (ch == '.' || ch == '0') continue;
        return i < intDigits ? static_cast<long>(intDigits - i) - 1 : -static_cast<long>(i - intDigits);
    }
    return 0;
}

} // namespace

std::int32_t CountFields(std::string_view text, std::string_view sep) {
    if (text.empty()) return 0;
    if (sep.empty()) return 1;
    std::int32_t count = 1;
    for (std::size_t at = text.find(sep); at != std::string_view::npos; at = text.find(sep, at + sep.size())) {
        if (count == std::numeric_limits<std::int32_t>::max()) break;
        ++count;
    }
    return count;
}

std::string NthField(std::string_view text, std::string_view sep, std::int32_t n) {
    if (n < 1 || text.empty()) return {};
    if (sep.empty()) return n == 1 ? std::string(text) : std::string();
    std::size_t start = 0;
    for (std::int32_t field = 1; field < n; ++field) {
        const std::size_t at = text.find(sep, start);
        if (at == std::string_view::npos) return {};
        start = at + sep.size();
    }
    const std::size_t end = text.find(sep, start);
    return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::vector<std::string> Split(std::string_view text, std::string_view sep) {
    std::vector<std::string> pieces;
    if (sep.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    std::size_t start = 0;
    for (std::size_t at = text.find(sep); at != std::string_view::npos; at = text.find(sep, start)) {
        pieces.emplace_back(text.substr(start, at - start));
        start = at + sep.size();
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

std::string Join(const std::vector<std::string>& pieces, std::string_view sep) {
    std::string out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) out.append(sep);
        out.append(pieces[i]);
    }
    return out;
}

std::string Replace(std::string_view text, std::string_view find, std::string_view with) {
    std::string out(text);
    if (find.empty()) return out;
    const std::size_t at = text.find(find);
    if (at != std::string_view::npos) out.replace(at, find.size(), with);
    return out;
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with) {
    if (find.empty()) return std::string(text);
    std::string out;
    std::size_t start = 0;
    for (std::size_t at = text.find(find); at != std::string_view::npos; at = text.find(find, start)) {
        out.append(text.substr(start, at - start));
        out.append(with);
        start = at + find.size();
    }
    out.append(text.substr(start));
    return out;
}

double Val(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;

    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }

    // The number is scanned by hand so that only the plain decimal form counts:
    // from_chars alone would also take "inf", "nan" and hexadecimal digits.
    const std::size_t mantissaStart = at;
    std::size_t digits = 0;
    while (at < text.size() && isDigit(text[at])) ++at, ++digits;
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && isDigit(text[at])) ++at, ++digits;
    }
    if (digits == 0) return 0.0;
    const std::size_t mantissaEnd = at;

    long exponentSign = 1;
    std::string_view exponentDigits;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t e = at + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            exponentSign = text[e] == '-' ? -1 : 1;
            ++e;
        }
        const std::size_t expStart = e;
        while (e < text.size() && isDigit(text[e])) ++e;
        if (e > expStart) {
            exponentDigits = text.substr(expStart, e - expStart);
            at = e;
        }
    }

    const std::string_view number = text.substr(mantissaStart, at - mantissaStart);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a Double: decide by the magnitude of the
        // leading digit, the exponent capped so that it cannot overflow.
        long exponent = 0;
        for (char ch : exponentDigits) {
            exponent = exponent * 10 + (ch - '0');
            if (exponent > 100000) break;
        }
        const std::string_view mantissa = text.substr(mantissaStart, mantissaEnd - mantissaStart);
        const long magnitude = leadingExponent(mantissa) + exponentSign * exponent;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

std::string Str(std::int64_t value) { return std::to_string(value); }

std::string Str(double value) {
    char buffer[400];
    if (value == 0.0) return "0"; // also for -0.0
    // Whole numbers of up to 16 digits print in full; beyond that the shortest
    // form keeps huge values readable.
    const bool whole = std::isfinite(value) && std::trunc(value) == value && std::fabs(value) < 1e16;
    const auto result = whole ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

double Round(double value) { return std::round(value); }

std::int32_t ToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::string Chr(std::int32_t code) {
    if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    const auto cp = static_cast<std::uint32_t>(code);
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

} // namespace fw
