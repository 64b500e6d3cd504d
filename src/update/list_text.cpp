#include "update/list_text.h"

#include <algorithm>

#include "common/utf.h"
#include "search/postal_record.h"

namespace nanbaru {

namespace {

// Lines read between two looks at the cancel flag.
constexpr std::size_t kLinesPerCheck = 4096;

// About the length of a line of the Shift-JIS list; the UTF-8 edition's are longer.
constexpr std::size_t kTypicalLine = 100;

}  // namespace

ListText::ListText(TextReader& list, const CancelFlag& cancel, std::size_t size)
    : kind_(TakeListEncoding(list)), starts_{0} {
  // An archive may claim any size; no list comes near this.
  constexpr std::size_t kLargestHint = 64 * 1024 * 1024;
  size = std::min(size, kLargestHint);
  bytes_.reserve(size);
  starts_.reserve(size / kTypicalLine + 1);
  std::u16string scratch;
  while (!list.AtEnd()) {
    const std::string_view line = list.ReadLine();
    if (first_bad_line_ == 0 &&
        (!IsWellFormedRecord(line) ||
         (kind_ == ListEncoding::kUtf8 && !Utf8ToUtf16(line, true, scratch)))) {
      first_bad_line_ = starts_.size();
    }
    bytes_.append(line);
    starts_.push_back(bytes_.size());
    if (starts_.size() % kLinesPerCheck == 0) cancel.ThrowIfCancelled();
  }
}

}  // namespace nanbaru
