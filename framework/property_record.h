// Property lists: the binary design records that set a window's or a control's
// properties in one call. A record is a run of entries "key", 0x20, value, where
// the key alone fixes the value's form. The records of the program are written
// as readable tables of RecordRow and encoded into their exact bytes at compile
// time by encodeRecord; decodeRecord reads them back. No GUI here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fw {

enum class Form : std::uint8_t { Int32, Boolean, Color, String };

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    static constexpr Color fromRgb(std::uint32_t rgb) {
        return Color{static_cast<std::uint8_t>((rgb >> 16) & 0xFF), static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
                     static_cast<std::uint8_t>(rgb & 0xFF)};
    }
    constexpr std::uint32_t rgb() const { return (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b; }
    constexpr bool operator==(const Color&) const = default;
};

// One row of a design table: a key and its value in the key's form.
struct RecordRow {
    std::string_view key;
    Form form = Form::Int32;
    std::int32_t i = 0;
    bool b = false;
    Color c{};
    std::string_view s{};
};

constexpr RecordRow I(std::string_view key, std::int32_t v) { return RecordRow{key, Form::Int32, v, false, {}, {}}; }
constexpr RecordRow B(std::string_view key, bool v) { return RecordRow{key, Form::Boolean, 0, v, {}, {}}; }
constexpr RecordRow C(std::string_view key, std::uint32_t rgb) {
    return RecordRow{key, Form::Color, 0, false, Color::fromRgb(rgb), {}};
}
constexpr RecordRow S(std::string_view key, std::string_view v) { return RecordRow{key, Form::String, 0, false, {}, v}; }

// Index value of a control that is not a member of a control array.
inline constexpr std::int32_t kNoIndex = -2147483647 - 1;

constexpr std::size_t valueSize(const RecordRow& row) {
    switch (row.form) {
    case Form::Int32: return 4;
    case Form::Boolean: return 1;
    case Form::Color: return 3;
    case Form::String: return 4 + row.s.size();
    }
    return 0;
}

template <std::size_t N>
constexpr std::size_t encodedSize(const RecordRow (&rows)[N]) {
    std::size_t total = 0;
    for (const RecordRow& row : rows) total += row.key.size() + 1 + valueSize(row);
    return total;
}

namespace detail {
constexpr void putBigEndian(char* out, std::size_t& at, std::uint32_t v) {
    out[at++] = static_cast<char>((v >> 24) & 0xFF);
    out[at++] = static_cast<char>((v >> 16) & 0xFF);
    out[at++] = static_cast<char>((v >> 8) & 0xFF);
    out[at++] = static_cast<char>(v & 0xFF);
}
} // namespace detail

// Encodes a design table into its record bytes at compile time.
template <const auto& Rows>
constexpr auto encodeRecord() {
    constexpr std::size_t size = encodedSize(Rows);
    std::array<char, size> out{};
    std::size_t at = 0;
    for (const RecordRow& row : Rows) {
        for (char ch : row.key) out[at++] = ch;
        out[at++] = ' ';
        switch (row.form) {
        case Form::Int32: detail::putBigEndian(out.data(), at, static_cast<std::uint32_t>(row.i)); break;
        case Form::Boolean: out[at++] = row.b ? 1 : 0; break;
        case Form::Color:
            out[at++] = static_cast<char>(row.c.r);
            out[at++] = static_cast<char>(row.c.g);
            out[at++] = static_cast<char>(row.c.b);
            break;
        case Form::String:
            detail::putBigEndian(out.data(), at, static_cast<std::uint32_t>(row.s.size()));
            for (char ch : row.s) out[at++] = ch;
            break;
        }
    }
    return out;
}

template <std::size_t N>
constexpr std::string_view asView(const std::array<char, N>& bytes) {
    return std::string_view(bytes.data(), N);
}

using PropertyValue = std::variant<std::int32_t, bool, Color, std::string>;

struct DecodedEntry {
    std::string key;
    PropertyValue value;
};

struct DecodeResult {
    std::vector<DecodedEntry> entries; // every entry read before any error
    bool complete = false;             // true when the record parsed to its last byte
    std::string error;                 // why it stopped early, empty when complete
};

// Tells the form of a key's value, or nothing for a key that names no property.
using FormLookup = std::function<std::optional<Form>(std::string_view key)>;

// Reads a record. A key that names no property, or a record cut short, stops the
// reading there: the value's length cannot be known past either.
DecodeResult decodeRecord(std::string_view bytes, const FormLookup& formOf);

// Encodes entries at run time (used to check round trips and by fuzzing).
std::string encodeEntries(const std::vector<DecodedEntry>& entries);

} // namespace fw
