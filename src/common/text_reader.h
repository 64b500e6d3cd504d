#pragma once
// Reading a text file by lines. A line ends at CR; an LF right after it belongs to the line
// end, a lone LF is an ordinary byte. The file ends at its physical end or at the first 0x1A.
// Lines have no length limit. The file is read in large blocks, so memory is bounded by the
// longest line and never by the file: a line held whole takes about 1.5 times its length at most.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "common/byte_searcher.h"
#include "common/byte_source.h"
#include "common/grow_buffer.h"

namespace nanbaru {

class TextReader {
 public:
  // Reads lines from any source of bytes.
  explicit TextReader(std::unique_ptr<ByteSource> source);
  ~TextReader();
  TextReader(const TextReader&) = delete;
  TextReader& operator=(const TextReader&) = delete;

  // True when no byte is left before the physical end or a 0x1A. May read; throws InOutError.
  bool AtEnd();
  // The next line without its line end; at the end, an empty line. The view stays valid
  // until the next call on this reader. Throws InOutError on a read error.
  std::string_view ReadLine();
  // Up to `size` unread bytes (fewer only at the end) without consuming them, so a caller can
  // tell what kind of text follows. The view stays valid until the next call on this reader.
  std::string_view Peek(std::size_t size);
  // Consumes `size` bytes of what Peek gave.
  void Skip(std::size_t size);

  enum class Scan { kFound, kBudgetSpent, kEnd };
  // Consumes lines until one contains the searcher's pattern and returns it in `line` (kFound),
  // or stops at a line boundary once about `budget` bytes have been passed over (kBudgetSpent),
  // or at the end (kEnd). Gives the same lines as ReadLine with a Contains test on each, for
  // a pattern without CR or LF; patterns holding either are tested line by line.
  Scan SkipToLineContaining(const ByteSearcher& searcher, std::size_t budget,
                            std::string_view& line);

  // Closes the file; throws InOutError if the platform reports a failure.
  void Close();

 private:
  void ReadBlock();              // Reads one more block, unsettled; sets eof_ at the physical end.
  void EndAt(std::size_t stop);  // The file ends at `stop`, where a 0x1A is.
  void Settle();                 // Ends the file at the first 0x1A past checked_.
  void Fill();                   // Reads one more block and settles it.
  void Compact();
  void ResolvePendingLf();
  Scan SkipLineByLine(const ByteSearcher& searcher, std::size_t budget, std::string_view& line);

  std::unique_ptr<ByteSource> source_;
  GrowBuffer buffer_;
  std::size_t begin_ = 0;    // First unread byte.
  std::size_t end_ = 0;      // One past the last valid byte.
  std::size_t checked_ = 0;  // [begin_, checked_) holds no 0x1A; past it nothing is known yet.
  bool eof_ = false;         // No more bytes will come from the file.
  bool pending_lf_ = false;  // The previous line ended in a CR at the end of the buffer.
};

}  // namespace nanbaru
