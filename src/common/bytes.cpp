#include "common/bytes.h"

#include <algorithm>

namespace nanbaru {

int Pos(std::string_view pattern, std::string_view text) {
  if (pattern.empty()) return 0;
  const std::size_t at = text.find(pattern);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

bool Contains(std::string_view text, std::string_view pattern) {
  return !pattern.empty() && text.find(pattern) != std::string_view::npos;
}

// A start before the first byte counts from the first byte, with the length unchanged.
Bytes Copy(std::string_view text, int start, int length) {
  if (start < 1) start = 1;
  const std::size_t from = static_cast<std::size_t>(start) - 1;
  if (length <= 0 || from >= text.size()) return {};
  return Bytes(text.substr(from, static_cast<std::size_t>(length)));
}

void Delete(Bytes& text, int start, int length) {
  if (length <= 0 || start < 1 || static_cast<std::size_t>(start) > text.size()) return;
  text.erase(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(length));
}

// A position before the first byte inserts at the front.
void Insert(std::string_view piece, Bytes& text, int position) {
  const std::size_t at =
      position < 1 ? 0 : std::min(text.size(), static_cast<std::size_t>(position) - 1);
  text.insert(at, piece);
}

Bytes Trim(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return Bytes(text.substr(first, last - first));
}

}  // namespace nanbaru
