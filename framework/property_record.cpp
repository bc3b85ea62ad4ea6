#include "framework/property_record.h"

#include <string>
#include <type_traits>
#include <utility>

namespace fw {

namespace {

std::uint32_t readBigEndian(std::string_view bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

void appendBigEndian(std::string& out, std::uint32_t v) {
    out += static_cast<char>((v >> 24) & 0xFF);
    out += static_cast<char>((v >> 16) & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
    out += static_cast<char>(v & 0xFF);
}

std::string where(std::size_t offset) { return " at byte " + std::to_string(offset); }

} // namespace

DecodeResult decodeRecord(std::string_view bytes, const FormLookup& formOf) {
    DecodeResult result;
    std::size_t at = 0;
    const auto fail = [&result](std::string why) {
        result.complete = false;
        result.error = std::move(why);
        return std::move(result);
    };

    while (at < bytes.size()) {
        const std::size_t keyStart = at;
        const std::size_t blank = bytes.find(' ', at);
        if (blank == std::string_view::npos) return fail("key without blank" + where(keyStart));
        if (blank == keyStart) return fail("empty key" + where(keyStart));
        const std::string_view key = bytes.substr(keyStart, blank - keyStart);

        const std::optional<Form> form = formOf ? formOf(key) : std::nullopt;
        if (!form) return fail("unknown key \"" + std::string(key) + "\"" + where(keyStart));

        at = blank + 1;
        const std::size_t left = bytes.size() - at;
        const auto cutShort = [&] { return fail("value of \"" + std::string(key) + "\" cut short" + where(at)); };

        PropertyValue value;
        switch (*form) {
        case Form::Int32:
            if (left < 4) return cutShort();
            value = static_cast<std::int32_t>(readBigEndian(bytes, at));
            at += 4;
            break;
        case Form::Boolean:
            if (left < 1) return cutShort();
            value = bytes[at] != 0;
            at += 1;
            break;
        case Form::Color:
            if (left < 3) return cutShort();
            value = Color{static_cast<std::uint8_t>(bytes[at]), static_cast<std::uint8_t>(bytes[at + 1]),
                          static_cast<std::uint8_t>(bytes[at + 2])};
            at += 3;
            break;
        case Form::String: {
            if (left < 4) return cutShort();
            // The length is checked against the bytes that remain before anything
            // is allocated, so a corrupt length cannot ask for gigabytes.
            const std::uint32_t length = readBigEndian(bytes, at);
            if (length > left - 4)
                return fail("text of \"" + std::string(key) + "\" longer than the record" + where(at));
            value = std::string(bytes.substr(at + 4, length));
            at += 4 + length;
            break;
        }
        default:
            return fail("key \"" + std::string(key) + "\" has no known form" + where(keyStart));
        }
        result.entries.push_back(DecodedEntry{std::string(key), std::move(value)});
    }

    result.complete = true;
    return result;
}

std::string encodeEntries(const std::vector<DecodedEntry>& entries) {
    std::string out;
    for (const DecodedEntry& entry : entries) {
        out += entry.key;
        out += ' ';
        std::visit(
            [&out](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::int32_t>) {
                    appendBigEndian(out, static_cast<std::uint32_t>(v));
                } else if constexpr (std::is_same_v<T, bool>) {
                    out += static_cast<char>(v ? 1 : 0);
                } else if constexpr (std::is_same_v<T, Color>) {
                    out += static_cast<char>(v.r);
                    out += static_cast<char>(v.g);
                    out += static_cast<char>(v.b);
                } else {
                    appendBigEndian(out, static_cast<std::uint32_t>(v.size()));
                    out += v;
                }
            },
            entry.value);
    }
    return out;
}

} // namespace fw
