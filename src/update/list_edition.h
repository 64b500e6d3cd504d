#pragma once
// Which edition of the national list a file holds: its date, its kind and its size. The date
// is the one the postal service gives the list's member inside its archive, else the file's
// own modification date.

#include <cstddef>
#include <ctime>
#include <memory>
#include <optional>

#include "common/bytes.h"
#include "common/text_reader.h"
#include "search/postal_list.h"

namespace nanbaru {

struct ListEdition {
  std::optional<std::time_t> date;  // none when neither the archive nor the file gives one
  bool dated_by_member = false;     // the archive member's date, not the file's
  ListEncoding kind = ListEncoding::kShiftJis;
  std::size_t records = 0;
  std::size_t first_bad_line = 0;  // 1-based; 0 when every line is a record
};

// The list at `path`, opened (the member of an archive, or the plain file) with its date.
struct DatedList {
  std::unique_ptr<TextReader> reader;
  std::optional<std::time_t> date;
  bool dated_by_member = false;
  std::size_t size = 0;  // the list's size in bytes, where the archive gives it
};
// Throws InOutError, and AppError for an archive without a readable list.
DatedList OpenDatedList(const Bytes& path);

// Reads the whole list. Throws as OpenDatedList.
ListEdition ReadListEdition(const Bytes& path);

// The kind alone, told from the list's first lines; none when it cannot be opened.
std::optional<ListEncoding> ReadListKind(const Bytes& path);

// The date alone, read from the archive's directory or the file system; none when the list
// cannot be opened or gives none.
std::optional<std::time_t> ReadEditionDate(const Bytes& path);

// "2026-05-26".
std::string EditionDateText(std::time_t date);

// A list this many days older than today is out of date: the postal service publishes a new
// one every month.
inline constexpr int kStaleDays = 60;
bool IsStale(std::time_t date, std::time_t now);
// The one sentence the status line shows at start for a stale list, naming its date and the
// menu item that updates it.
Bytes StaleListSentence(std::time_t date);

}  // namespace nanbaru
