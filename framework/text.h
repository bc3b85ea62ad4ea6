// The runtime's text functions. Fields are counted from 1; texts are UTF-8 and
// separators are compared byte for byte. No GUI here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// Number of fields that `sep` cuts `text` into: 0 for the empty text, 1 when the
// separator is absent or empty.
std::int32_t CountFields(std::string_view text, std::string_view sep);

// Field `n` (from 1); the empty text for n below 1 or past the last field.
std::string NthField(std::string_view text, std::string_view sep, std::int32_t n);

// The pieces between separators; one piece (the whole text) when the separator
// is absent or empty, so Split("", ",") is one empty piece.
std::vector<std::string> Split(std::string_view text, std::string_view sep);

std::string Join(const std::vector<std::string>& pieces, std::string_view sep);

// First occurrence only; an empty `find` changes nothing.
std::string Replace(std::string_view text, std::string_view find, std::string_view with);
// Every occurrence, left to right, never rescanning inserted text.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with);

// The number at the head of a text ("." as decimal point, optional sign and
// exponent, leading blanks skipped); 0 when there is none.
double Val(std::string_view text);

// Whole numbers as plain decimal text.
std::string Str(std::int64_t value);
// A whole Double prints without decimals; others in the shortest form that reads back.
std::string Str(double value);

// Nearest whole number; an exact half rounds away from zero.
double Round(double value);

// Double to Int32: exact when whole, otherwise truncated toward zero; values
// outside the Int32 range (and NaN) saturate, NaN to 0.
std::int32_t ToInt32(double value);

// The character with the given Unicode code point, as UTF-8; the empty text for
// a code that is no character.
std::string Chr(std::int32_t code);

} // namespace fw
