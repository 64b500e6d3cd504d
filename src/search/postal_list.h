#pragma once
// The national list as the postal search reads it: plain or zipped, in Shift-JIS or in the
// UTF-8 edition, each told by its content rather than its name.

#include <memory>
#include <string_view>

#include "common/bytes.h"
#include "common/text_reader.h"

namespace nanbaru {

enum class ListEncoding { kShiftJis, kUtf8 };

struct PostalList {
  std::unique_ptr<TextReader> reader;
  ListEncoding encoding;
};

// Takes the data file at `path` as the host opened it. A zip archive is read from its list's
// member instead; the reader is left at the first line, past a UTF-8 byte-order mark. Throws
// AppError or InOutError when an archive cannot be read.
PostalList RecognisePostalList(std::unique_ptr<TextReader> file, const Bytes& path);

// True when the first bytes of a text read as UTF-8 rather than Shift-JIS: well-formed UTF-8
// sequences outnumber the bytes that start none. Shift-JIS Japanese is almost nothing but the
// latter; a few damaged bytes in a UTF-8 file do not change its kind.
bool LooksLikeUtf8(std::string_view head);

}  // namespace nanbaru
