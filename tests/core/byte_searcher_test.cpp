#include "common/byte_searcher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace nanbaru {
namespace {

const char* Reference(std::string_view text, std::string_view pattern) {
  if (pattern.empty()) return nullptr;
  const std::size_t at = text.find(pattern);
  return at == std::string_view::npos ? nullptr : text.data() + at;
}

// The text ends at its first `stop` byte: the first match before it, else that byte.
const char* ReferenceBeforeStop(std::string_view text, std::string_view pattern, char stop) {
  const std::string_view before = text.substr(0, text.find(stop));
  if (const char* hit = Reference(before, pattern)) return hit;
  return before.size() < text.size() ? text.data() + before.size() : nullptr;
}

TEST(ByteSearcherTest, FindsTheFirstOccurrence) {
  const std::string text = "xxabcabc";
  const ByteSearcher searcher("abc");
  EXPECT_EQ(searcher.Find(text.data(), text.data() + text.size()), text.data() + 2);
  EXPECT_EQ(searcher.Find(text.data() + 3, text.data() + text.size()), text.data() + 5);
  EXPECT_EQ(searcher.Find(text.data() + 6, text.data() + text.size()), nullptr);
  EXPECT_TRUE(searcher.FoundIn(text));
  EXPECT_EQ(searcher.pattern(), "abc");
}

TEST(ByteSearcherTest, EmptyPatternAndShortTextsFindNothing) {
  const std::string text = "abc";
  EXPECT_EQ(ByteSearcher("").Find(text.data(), text.data() + 3), nullptr);
  EXPECT_FALSE(ByteSearcher("").FoundIn(""));
  EXPECT_FALSE(ByteSearcher("abcd").FoundIn(text));
  EXPECT_FALSE(ByteSearcher("a").FoundIn(""));
  EXPECT_FALSE(ByteSearcher("a").FoundIn(std::string_view()));
}

TEST(ByteSearcherTest, MatchesEndingOnTheLastByteAreFound) {
  // Lengths around the width of one vector step, with the match flush against the end.
  for (std::size_t length = 1; length < 70; ++length) {
    for (std::size_t m = 1; m <= length && m < 20; ++m) {
      std::string text(length, 'a');
      const std::string pattern = std::string(m - 1, 'a') + 'b';
      text.back() = 'b';
      const ByteSearcher searcher(pattern);
      EXPECT_EQ(searcher.Find(text.data(), text.data() + text.size()), text.data() + length - m)
          << length << " " << m;
      EXPECT_EQ(searcher.Find(text.data(), text.data() + text.size() - 1), nullptr);
    }
  }
}

TEST(ByteSearcherTest, AgreesWithAPlainSearchOnRandomTexts) {
  std::mt19937 random(11);
  for (int round = 0; round < 20000; ++round) {
    // A small alphabet makes partial matches common; high bytes check signedness.
    const char alphabet[] = {'a', 'b', '\x93', '\xE0'};
    const std::size_t alphabet_size = 2 + random() % 3;
    std::string text(random() % 100, '\0');
    for (char& c : text) c = alphabet[random() % alphabet_size];
    std::string pattern(1 + random() % 8, '\0');
    for (char& c : pattern) c = alphabet[random() % alphabet_size];
    const ByteSearcher searcher(pattern);
    const std::size_t from = text.empty() ? 0 : random() % text.size();
    const std::string_view part = std::string_view(text).substr(from);
    ASSERT_EQ(searcher.Find(part.data(), part.data() + part.size()), Reference(part, pattern))
        << text << " / " << pattern;
  }
}

// Texts of several vector steps with the pattern planted, often flush against either end, so
// real matches fall everywhere in a step and not only chance ones near the start. The text is
// copied to a buffer of exactly its size, so that a read past either end shows under ASan.
// 0x1A is also the stop byte: before, inside and after matches, and in patterns.
TEST(ByteSearcherTest, AgreesWithAPlainSearchOnLongTextsWithPlantedPatterns) {
  std::mt19937 random(29);
  const char alphabet[] = {'7', '0', '-', '\x93', '\x1A'};
  for (int round = 0; round < 30000; ++round) {
    const std::size_t alphabet_size = 1 + random() % 5;
    const auto pick = [&] { return alphabet[random() % alphabet_size]; };
    std::string pattern(1 + random() % 40, '\0');
    // A third are one byte repeated, as a key 7777777 is.
    if (random() % 3 == 0) {
      pattern.assign(pattern.size(), pick());
    } else {
      for (char& c : pattern) c = pick();
    }
    std::string text(random() % 400, '\0');
    for (char& c : text) c = pick();
    if (text.size() >= pattern.size() && random() % 2 == 0) {
      const std::size_t room = text.size() - pattern.size();
      const std::size_t choice = random() % 4;
      const std::size_t at = choice == 0 ? 0 : choice == 1 ? room : random() % (room + 1);
      text.replace(at, pattern.size(), pattern);
    }
    const std::vector<char> exact(text.begin() + random() % (text.size() + 1), text.end());
    const std::string_view part(exact.data(), exact.size());
    const ByteSearcher searcher(pattern);
    ASSERT_EQ(searcher.Find(exact.data(), exact.data() + exact.size()), Reference(part, pattern))
        << text << " / " << pattern;
    ASSERT_EQ(searcher.FindBeforeStop(exact.data(), exact.data() + exact.size(), '\x1A'),
              ReferenceBeforeStop(part, pattern, '\x1A'))
        << text << " / " << pattern;
  }
}

}  // namespace
}  // namespace nanbaru
