#pragma once
// The reading of a query in kana, in the form of the office list's reading column, and the
// match of it in that column.

#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

// The query (Shift-JIS) as the reading column writes it: hiragana and katakana as half-width
// katakana, small kana full size (ｼﾔ for しゃ), voiced kana with their mark (ｶﾞ), ー as "-",
// ・ as ･, spaces left out. Empty unless the query is kana (with those marks and spaces) and
// holds at least one kana.
Bytes FoldReading(std::string_view query);

// True when the reading column holds `folded` (non-empty) once the column's spaces are left
// out and its ｰ is read as "-".
bool ReadingContains(std::string_view column, std::string_view folded);

}  // namespace nanbaru
