#pragma once
// A national list read whole into memory, line by line, to be counted, checked and compared
// with another edition. Both editions take about 20 MB this way.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/cancel_flag.h"
#include "common/text_reader.h"
#include "search/postal_list.h"

namespace nanbaru {

class ListText {
 public:
  // Reads `list` to its end, telling its encoding from its first lines, and checks every line
  // against the record layout (and, in the UTF-8 edition, for well-formed UTF-8). Throws
  // InOutError, AppError for a damaged archive, and Cancelled. `size`, the list's size in
  // bytes where it is known, saves growing the copy as it is read.
  ListText(TextReader& list, const CancelFlag& cancel, std::size_t size = 0);

  ListEncoding kind() const { return kind_; }
  std::size_t size() const { return starts_.size() - 1; }
  std::string_view line(std::size_t index) const {
    return std::string_view(bytes_).substr(starts_[index], starts_[index + 1] - starts_[index]);
  }
  // The 1-based number of the first line that is not a record; 0 when every line is one.
  std::size_t first_bad_line() const { return first_bad_line_; }

 private:
  ListEncoding kind_;
  std::string bytes_;                // the lines, one after another, without line ends
  std::vector<std::size_t> starts_;  // where each line starts, and the end after the last
  std::size_t first_bad_line_ = 0;
};

}  // namespace nanbaru
