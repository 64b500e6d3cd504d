// The byte searcher against a plain search, over every start and end of a text, so that each
// wide loop, the sixteen-byte loop and the byte-by-byte tail all meet every alignment and
// every place of a match, with and without a stop byte that ends the text.

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/byte_searcher.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const char stop = input.ConsumeIntegral<char>();
  const std::string pattern = input.ConsumeRandomLengthString(40);
  // The text is mostly made of the pattern's own bytes, so near-matches are common.
  const std::string choices = input.ConsumeRandomLengthString(8) + pattern;
  std::string text = input.ConsumeRandomLengthString(240);
  if (!choices.empty()) {
    for (char& c : text) c = choices[static_cast<unsigned char>(c) % choices.size()];
  }
  const nanbaru::ByteSearcher searcher(pattern);
  const std::string_view whole(text);
  // Ends stepped so the slices reach every length class; every start for each. Each end gets
  // a block of its own, so a read past it is a finding.
  for (std::size_t end = whole.size();; end = end > 7 ? end - 7 : end - 1) {
    const std::vector<char> block(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(end));
    for (std::size_t begin = 0; begin <= end; ++begin) {
      const std::string_view slice(block.data() + begin, end - begin);
      const std::size_t at = pattern.empty() ? std::string_view::npos : slice.find(pattern);
      const char* hit = searcher.Find(slice.data(), slice.data() + slice.size());
      FUZZ_CHECK(at == std::string_view::npos ? hit == nullptr : hit == slice.data() + at);
      // The text taken to end at its first stop byte: a match wholly before it, else that byte.
      const std::size_t end_at = slice.find(stop);
      const std::size_t before =
          pattern.empty() ? std::string_view::npos : slice.substr(0, end_at).find(pattern);
      const char* expected = before != std::string_view::npos   ? slice.data() + before
                             : end_at != std::string_view::npos ? slice.data() + end_at
                                                                : nullptr;
      FUZZ_CHECK(searcher.FindBeforeStop(slice.data(), slice.data() + slice.size(), stop) ==
                 expected);
    }
    if (end == 0) break;
  }
  FUZZ_CHECK(searcher.Find(nullptr, nullptr) == nullptr);
  FUZZ_CHECK(searcher.FindBeforeStop(nullptr, nullptr, stop) == nullptr);
  return 0;
}
