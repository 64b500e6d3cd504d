#pragma once
// A line of the business-office list and the result line made from it.

#include <optional>
#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

struct OfficeRecord {
  Bytes name;        // field 3
  Bytes prefecture;  // field 4
  Bytes city;        // field 5
  Bytes town;        // field 6
  Bytes street;      // field 7: block and number, a building or a post-office box note
  Bytes code;        // field 8, seven digits
  bool po_box;       // field 11 is 1: the code is that of a post-office box
};

// The record of a line of the office list's shape: 13 fields, the reading (field 2) in double
// quotes and a seven-digit code in double quotes in field 8. Nothing for any other line.
std::optional<OfficeRecord> ParseOfficeLine(std::string_view line);

// The reading column (field 2) of an office line, found cheaply for every line of a scan: the
// bytes between the line's first two double quotes.
std::string_view OfficeReading(std::string_view line);

// Aligned columns: the code as 322-8601, the prefecture, the address, the office's name, and
// 私書箱 for a post-office box.
Bytes FormatOfficeResult(const OfficeRecord& record);

// The result line of a line of the list, and the prefecture it names. A line of another
// layout must not be shown as an office found: it throws AppError naming its first bytes.
Bytes OfficeResultLine(std::string_view line, Bytes& prefecture);

}  // namespace nanbaru
