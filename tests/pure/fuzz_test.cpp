// Randomized robustness checks with a fixed seed: the decoder and the text
// functions get damaged and arbitrary input and must keep their invariants.
#include "framework/property_record.h"
#include "framework/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

using namespace fw;

namespace {

struct KeyForm {
    const char* key;
    Form form;
};

constexpr KeyForm kKeys[] = {
    {"Name", Form::String},       {"Index", Form::Int32},        {"Left", Form::Int32},
    {"LockLeft", Form::Boolean},  {"Visible", Form::Boolean},    {"TextColor", Form::Color},
    {"FillColor", Form::Color},   {"Text", Form::String},        {"HelpTag", Form::String},
    {"TabIndex", Form::Int32},    {"_ScrollWidth", Form::Int32}, {"B", Form::Boolean},
};

std::optional<Form> lookup(std::string_view key) {
    for (const KeyForm& k : kKeys)
        if (key == k.key) return k.form;
    return std::nullopt;
}

using Rng = std::mt19937_64;

int pick(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

std::string randomBytes(Rng& rng, int maxLength) {
    // Bytes that matter to the code under test turn up far more often than chance would allow.
    static constexpr char kInteresting[] = {' ', ',', '_', '\r', '\n', '\0', '.', '-', '+', 'e', '0', '1', '9',
                                            'a', 'b', '\xFF', '\xC3', '\xA9', '\x80'};
    std::string s;
    const int length = pick(rng, 0, maxLength);
    for (int i = 0; i < length; ++i) {
        if (pick(rng, 0, 3) == 0)
            s += static_cast<char>(pick(rng, 0, 255));
        else
            s += kInteresting[pick(rng, 0, static_cast<int>(sizeof kInteresting) - 1)];
    }
    return s;
}

std::vector<DecodedEntry> randomEntries(Rng& rng) {
    std::vector<DecodedEntry> entries;
    const int count = pick(rng, 0, 8);
    for (int i = 0; i < count; ++i) {
        const KeyForm& k = kKeys[pick(rng, 0, static_cast<int>(std::size(kKeys)) - 1)];
        DecodedEntry e{k.key, {}};
        switch (k.form) {
        case Form::Int32: e.value = static_cast<std::int32_t>(rng()); break;
        case Form::Boolean: e.value = pick(rng, 0, 1) == 1; break;
        case Form::Color: e.value = Color::fromRgb(static_cast<std::uint32_t>(rng())); break;
        case Form::String: e.value = randomBytes(rng, 12); break;
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

void mutate(Rng& rng, std::string& record) {
    const int rounds = pick(rng, 1, 3);
    for (int i = 0; i < rounds; ++i) {
        const std::size_t size = record.size();
        const auto at = [&] { return static_cast<std::size_t>(pick(rng, 0, static_cast<int>(size))); };
        switch (pick(rng, 0, 4)) {
        case 0: // bit flip
            if (size > 0) record[at() % size] ^= static_cast<char>(1 << pick(rng, 0, 7));
            break;
        case 1: // truncation
            record.resize(at());
            break;
        case 2: // insertion
            record.insert(at(), randomBytes(rng, 6));
            break;
        case 3: // deletion
            if (size > 0) record.erase(at() % size, static_cast<std::size_t>(pick(rng, 1, 4)));
            break;
        case 4: // a byte set to its extreme, which makes absurd lengths and negative numbers
            if (size > 0) record[at() % size] = pick(rng, 0, 1) ? '\xFF' : '\0';
            break;
        }
    }
}

// Checks everything decodeRecord promises about one input.
void checkDecode(const std::string& record) {
    const DecodeResult r = decodeRecord(record, lookup);
    const std::string again = encodeEntries(r.entries);

    // The entries re-encode to a prefix of the input; only a Boolean byte other
    // than 00 may read back differently, as 01.
    ASSERT_LE(again.size(), record.size());
    std::vector<bool> booleanByte(again.size(), false);
    std::size_t offset = 0;
    for (const DecodedEntry& e : r.entries) {
        offset += e.key.size() + 1;
        if (std::holds_alternative<bool>(e.value)) booleanByte[offset] = true;
        offset += std::visit(
            [](const auto& v) -> std::size_t {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::int32_t>) return 4;
                else if constexpr (std::is_same_v<T, bool>) return 1;
                else if constexpr (std::is_same_v<T, Color>) return 3;
                else return 4 + v.size();
            },
            e.value);
    }
    ASSERT_EQ(offset, again.size());
    for (std::size_t i = 0; i < again.size(); ++i) {
        if (booleanByte[i]) {
            ASSERT_EQ(again[i], record[i] != 0 ? '\x01' : '\0');
        } else {
            ASSERT_EQ(again[i], record[i]) << "byte " << i;
        }
    }

    if (r.complete) {
        ASSERT_EQ(again.size(), record.size());
        ASSERT_TRUE(r.error.empty());
    } else {
        ASSERT_FALSE(r.error.empty());
    }

    const DecodeResult twice = decodeRecord(again, lookup);
    ASSERT_TRUE(twice.complete) << twice.error;
    ASSERT_EQ(twice.entries.size(), r.entries.size());
    for (std::size_t i = 0; i < r.entries.size(); ++i) {
        ASSERT_EQ(twice.entries[i].key, r.entries[i].key);
        ASSERT_EQ(twice.entries[i].value, r.entries[i].value);
    }
}

bool isUtf8Of(const std::string& s, std::int32_t code) {
    if (s.empty() || s.size() > 4) return false;
    const auto lead = static_cast<unsigned char>(s[0]);
    const std::size_t expected = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (s.size() != expected) return false;
    std::uint32_t cp = s.size() == 1 ? lead : lead & (0xFF >> (s.size() + 1));
    for (std::size_t i = 1; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (c & 0x3F);
    }
    return cp == static_cast<std::uint32_t>(code);
}

} // namespace

TEST(Fuzz, ValidRecordsRoundTrip) {
    Rng rng(20240611);
    for (int i = 0; i < 5000; ++i) {
        const std::vector<DecodedEntry> entries = randomEntries(rng);
        const std::string record = encodeEntries(entries);
        const DecodeResult r = decodeRecord(record, lookup);
        ASSERT_TRUE(r.complete) << r.error;
        ASSERT_EQ(encodeEntries(r.entries), record);
    }
}

TEST(Fuzz, MutatedAndRandomRecords) {
    Rng rng(77);
    for (int i = 0; i < 20000; ++i) {
        std::string record;
        if (i % 4 == 0) {
            record = randomBytes(rng, 40);
        } else {
            record = encodeEntries(randomEntries(rng));
            mutate(rng, record);
        }
        checkDecode(record);
        if (::testing::Test::HasFatalFailure()) {
            ADD_FAILURE() << "input of " << record.size() << " bytes, case " << i;
            return;
        }
    }
}

TEST(Fuzz, TextFunctionsKeepTheirInvariants) {
    Rng rng(4242);
    const std::vector<std::string> separators = {",", "_", "\r", std::string(1, '\0'), "ab", "--", " ", "\xC3\xA9", ""};
    for (int i = 0; i < 20000; ++i) {
        const std::string s = randomBytes(rng, 24);
        const std::string sep =
            pick(rng, 0, 4) == 0
                ? randomBytes(rng, 3)
                : separators[static_cast<std::size_t>(pick(rng, 0, static_cast<int>(separators.size()) - 1))];

        const std::vector<std::string> pieces = Split(s, sep);
        ASSERT_FALSE(pieces.empty());
        ASSERT_EQ(Join(pieces, sep), s);
        const std::int32_t n = CountFields(s, sep);
        if (s.empty()) {
            ASSERT_EQ(n, 0);
        } else {
            ASSERT_EQ(static_cast<std::size_t>(n), pieces.size());
            for (std::int32_t k = 1; k <= n; ++k) ASSERT_EQ(NthField(s, sep, k), pieces[static_cast<std::size_t>(k - 1)]);
        }
        ASSERT_EQ(NthField(s, sep, 0), "");
        ASSERT_EQ(NthField(s, sep, n + 1), "");

        const std::string with = randomBytes(rng, 4);
        if (!sep.empty()) {
            ASSERT_EQ(ReplaceAll(s, sep, with), Join(pieces, with));
        }
        ASSERT_EQ(ReplaceAll(s, sep, sep), s);
        const std::string once = Replace(s, sep, with);
        if (!sep.empty() && pieces.size() > 1) {
            ASSERT_EQ(once.size(), s.size() - sep.size() + with.size());
        } else {
            ASSERT_EQ(once, s);
        }

        ASSERT_FALSE(std::isnan(Val(s)));
    }
}

TEST(Fuzz, NumbersSurviveStrAndVal) {
    Rng rng(99);
    for (int i = 0; i < 20000; ++i) {
        double d;
        const std::uint64_t bits = rng();
        std::memcpy(&d, &bits, sizeof d);
        if (!std::isfinite(d)) continue;
        ASSERT_EQ(Val(Str(d)), d) << Str(d);

        const double small = std::ldexp(static_cast<double>(static_cast<std::int64_t>(rng())), -pick(rng, 0, 70));
        ASSERT_EQ(Val(Str(small)), small) << Str(small);
        const std::int32_t whole = ToInt32(small);
        if (std::fabs(small) < 2147483647.0) {
            ASSERT_EQ(whole, static_cast<std::int32_t>(std::trunc(small)));
        }
        ASSERT_EQ(Str(std::int64_t{whole}), Str(static_cast<double>(whole)));
        ASSERT_LE(std::fabs(Round(small) - small), 0.5);

        const auto code = static_cast<std::int32_t>(rng());
        const std::int32_t bounded = code & 0x1FFFFF;
        for (std::int32_t c : {code, bounded}) {
            const std::string ch = Chr(c);
            const bool character = c >= 0 && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
            if (character) {
                ASSERT_TRUE(isUtf8Of(ch, c)) << c;
            } else {
                ASSERT_TRUE(ch.empty()) << c;
            }
        }
    }
}
