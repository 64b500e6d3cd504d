#pragma once
// UTF-8 and UTF-16, the encodings at the terminal, the screen and the file system.

#include <string>
#include <string_view>

namespace nanbaru {

// Converts UTF-8 to UTF-16. Lenient: each maximal ill-formed piece becomes one U+FFFD and
// true is returned. Exact: false at the first ill-formed byte, `out` then undefined.
bool Utf8ToUtf16(std::string_view utf8, bool exact, std::u16string& out);

// Converts UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace nanbaru
