#include "common/text_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "io_code.h"
#include "platform/errors.h"
#include "platform/file_source.h"
#include "platform/sjis_codec.h"
#include "scratch_dir.h"
#include "shared/reference_lines.h"
#include "test_platform.h"

namespace nanbaru {
namespace {

// The reader's first read (a block and room for a carried line start), for boundary cases.
constexpr std::size_t kBlock = 68 * 1024;

// Up to three blocks of 'a' and 'b' with CR and LF: lines run about 2^k bytes for a k below
// `scale_bits`, and 'b' comes `b_weight` times as often as either line end byte. With
// `with_end_mark`, one byte at random becomes a 0x1A.
std::string RandomFile(std::mt19937& random, unsigned scale_bits, unsigned b_weight,
                       bool with_end_mark) {
  const std::size_t size = random() % (3 * kBlock);
  const unsigned line_scale = 1u << (random() % scale_bits);
  std::string bytes(size, 'a');
  for (char& c : bytes) {
    const unsigned r = random() % (2 * line_scale + 2 + 2 * b_weight);
    c = r == 0 ? '\r' : r == 1 ? '\n' : r <= 1 + b_weight ? 'b' : 'a';
  }
  if (with_end_mark && size > 0) bytes[random() % size] = '\x1A';
  return bytes;
}

class TextReaderTest : public testing::Test {
 protected:
  Bytes Write(std::string_view bytes, const std::string& name = "data.txt") {
    std::ofstream(Utf8Path(dir_ + "/" + name), std::ios::binary).write(bytes.data(), bytes.size());
    return Sj(dir_ + "/" + name);
  }

  std::vector<std::string> ReadAll(std::string_view bytes) {
    TextReader reader(OpenFileSource(Write(bytes)));
    std::vector<std::string> lines;
    while (!reader.AtEnd()) lines.emplace_back(reader.ReadLine());
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_TRUE(reader.AtEnd());
    reader.Close();
    return lines;
  }

  // Every line SkipToLineContaining stops at, called until the end.
  std::vector<std::string> Matches(std::string_view bytes, std::string_view pattern,
                                   std::size_t budget) {
    TextReader reader(OpenFileSource(Write(bytes)));
    const ByteSearcher searcher(pattern);
    std::vector<std::string> found;
    std::string_view line;
    for (;;) {
      const TextReader::Scan scan = reader.SkipToLineContaining(searcher, budget, line);
      if (scan == TextReader::Scan::kEnd) break;
      if (scan == TextReader::Scan::kFound) found.emplace_back(line);
    }
    EXPECT_TRUE(reader.AtEnd());
    return found;
  }

  static std::vector<std::string> ReferenceMatches(std::string_view bytes,
                                                   std::string_view pattern) {
    std::vector<std::string> found;
    for (const std::string& line : ReferenceLines(bytes)) {
      if (line.find(pattern) != std::string::npos) found.push_back(line);
    }
    return found;
  }

  ScratchDir scratch_;
  const std::string dir_ = scratch_.path();
};

using Lines = std::vector<std::string>;

TEST_F(TextReaderTest, LinesEndAtCrWithAnOptionalLf) {
  EXPECT_EQ(ReadAll("one\r\ntwo\rthree\r\n"), (Lines{"one", "two", "three"}));
  EXPECT_EQ(ReadAll("\r\n\r\n"), (Lines{"", ""}));
  EXPECT_EQ(ReadAll("\r\r\n"), (Lines{"", ""}));
  EXPECT_EQ(ReadAll("a\r\n\nb"), (Lines{"a", "\nb"}));
}

TEST_F(TextReaderTest, ALoneLfIsAnOrdinaryByte) {
  EXPECT_EQ(ReadAll("a\nb\nc\n"), (Lines{"a\nb\nc\n"}));
  EXPECT_EQ(ReadAll("\n"), (Lines{"\n"}));
}

TEST_F(TextReaderTest, ALastLineWithoutEndIsALine) {
  EXPECT_EQ(ReadAll("a\r\nlast"), (Lines{"a", "last"}));
  EXPECT_EQ(ReadAll("x"), (Lines{"x"}));
}

TEST_F(TextReaderTest, AnEmptyFileHasNoLines) {
  TextReader reader(OpenFileSource(Write("")));
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_EQ(reader.ReadLine(), "");
  reader.Close();
}

TEST_F(TextReaderTest, ReadingOnAtTheEndGivesEmptyLines) {
  TextReader reader(OpenFileSource(Write("only\r\n")));
  EXPECT_EQ(reader.ReadLine(), "only");
  EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_TRUE(reader.AtEnd());
}

TEST_F(TextReaderTest, TheFirst1AEndsTheFile) {
  EXPECT_EQ(ReadAll("a\r\nb\x1A\r\nc\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(ReadAll("\x1A"
                    "a\r\n"),
            Lines{});
  EXPECT_EQ(ReadAll("a\r\x1A\nb"), (Lines{"a"}));
  EXPECT_EQ(ReadAll("a\r\n\x1A"), (Lines{"a"}));
}

TEST_F(TextReaderTest, CrLfSplitAcrossBlocksIsOneLineEnd) {
  for (std::size_t cr_at : {kBlock - 1, 2 * kBlock - 1, kBlock, kBlock - 2}) {
    std::string bytes(cr_at, 'x');
    bytes += "\r\nnext\r\n";
    EXPECT_EQ(ReadAll(bytes), (Lines{std::string(cr_at, 'x'), "next"})) << cr_at;
  }
}

TEST_F(TextReaderTest, CrAtABlockEndFollowedByOtherBytes) {
  std::string bytes(kBlock - 1, 'x');
  bytes += "\rnext";
  EXPECT_EQ(ReadAll(bytes), (Lines{std::string(kBlock - 1, 'x'), "next"}));
  bytes.resize(kBlock);
  bytes += "\x1A\n";
  EXPECT_EQ(ReadAll(bytes), (Lines{std::string(kBlock - 1, 'x')}));
  bytes.resize(kBlock);
  EXPECT_EQ(ReadAll(bytes), (Lines{std::string(kBlock - 1, 'x')}));
}

TEST_F(TextReaderTest, An1AAtTheStartOfABlockEndsTheFile) {
  std::string bytes(kBlock, 'y');
  bytes += "\x1Amore\r\n";
  EXPECT_EQ(ReadAll(bytes), (Lines{std::string(kBlock, 'y')}));
}

TEST_F(TextReaderTest, LinesLongerThanABlockAreWhole) {
  const std::string longest(5 * kBlock + 17, 'L');
  EXPECT_EQ(ReadAll("a\r\n" + longest + "\r\nb"), (Lines{"a", longest, "b"}));
  EXPECT_EQ(ReadAll(longest), (Lines{longest}));
}

TEST_F(TextReaderTest, AgreesWithThePlainRulesOnRandomFiles) {
  std::mt19937 random(3);
  for (int round = 0; round < 40; ++round) {
    // Short lines, long lines and sizes across several blocks; 0x1A only now and then.
    const std::string bytes = RandomFile(random, 16, 1, round % 4 == 0);
    ASSERT_EQ(ReadAll(bytes), ReferenceLines(bytes)) << "round " << round;
  }
}

TEST_F(TextReaderTest, SkippingFindsTheSameLinesAsReadingEachLine) {
  std::mt19937 random(5);
  for (int round = 0; round < 60; ++round) {
    const std::string bytes = RandomFile(random, 14, 2, round % 5 == 0);
    const std::string pattern = round % 3 == 0 ? "bab" : round % 3 == 1 ? "bb" : "abba";
    const std::size_t budget = round % 2 == 0 ? 0 : random() % 100000;
    ASSERT_EQ(Matches(bytes, pattern, budget), ReferenceMatches(bytes, pattern))
        << "round " << round;
  }
}

TEST_F(TextReaderTest, SkippingFindsMatchesAcrossBlockBoundariesAndInLongLines) {
  const std::string pattern = "NEEDLE";
  for (std::size_t at = kBlock - 5; at <= kBlock + 1; ++at) {
    std::string bytes = "head\r\n" + std::string(at - 6, 'x') + pattern + "tail\r\nafter\r\n";
    EXPECT_EQ(Matches(bytes, pattern, 0), ReferenceMatches(bytes, pattern)) << at;
  }
  const std::string longest = std::string(3 * kBlock, 'x') + pattern + std::string(kBlock, 'y');
  EXPECT_EQ(Matches("a\r\n" + longest + "\r\n", pattern, 0), Lines{longest});
}

// A search that reads each line once the prefecture is reached switches from skipping to
// reading mid-file, often right after a skip that stopped on its budget with a block only
// partly looked at: the lines read must still end at the first 0x1A, wherever it lies. Each
// line starts with its number, so a line read tells where the reader is.
TEST_F(TextReaderTest, ReadingAfterSkippingFollowsTheSameLines) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    std::string bytes;
    for (std::size_t i = 0, count = random() % 2000; i < count; ++i) {
      bytes += std::to_string(i) + ':';
      const std::size_t length = random() % (random() % 8 == 0 ? 4000 : 40);
      for (std::size_t k = 0; k < length; ++k) bytes += "aabbb\n"[random() % 6];
      bytes += random() % 2 == 0 ? "\r\n" : "\r";
    }
    if (round % 2 == 0 && !bytes.empty()) bytes[random() % bytes.size()] = '\x1A';
    const Lines lines = ReferenceLines(bytes);
    const auto holds = [&](std::size_t i) { return lines[i].find("bab") != std::string::npos; };
    TextReader reader(OpenFileSource(Write(bytes)));
    const ByteSearcher searcher("bab");
    std::size_t next = 0;        // The reference line the reader is at, as far as known.
    bool passed_unseen = false;  // A skip that spent its budget passed over lines unseen.
    for (;;) {
      std::string_view line;
      const bool skip = random() % 2 == 0;
      if (skip) {
        const TextReader::Scan scan = reader.SkipToLineContaining(searcher, random() % 50000, line);
        passed_unseen = true;
        if (scan == TextReader::Scan::kEnd) break;
        if (scan == TextReader::Scan::kBudgetSpent) continue;
      } else {
        if (reader.AtEnd()) break;
        line = reader.ReadLine();
      }
      // Only skips pass lines over, and only lines without a match.
      while (next < lines.size() && lines[next] != line) {
        ASSERT_TRUE(passed_unseen && !holds(next)) << "round " << round << " line " << next;
        ++next;
      }
      ASSERT_LT(next, lines.size()) << "round " << round << ": " << line;
      ASSERT_TRUE(!skip || holds(next)) << "round " << round << " line " << next;
      ++next;
      passed_unseen = false;
    }
    for (; next < lines.size(); ++next) {
      ASSERT_TRUE(passed_unseen && !holds(next)) << "round " << round << " line " << next;
    }
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.ReadLine(), "");
  }
}

TEST_F(TextReaderTest, SkippingNeverReportsAPatternThatCrossesALineEnd) {
  EXPECT_EQ(Matches("ab\r\ncd\r\n", "bc", 1000), Lines{});
  EXPECT_EQ(Matches("ab\r\ncd\r\n", "b\r\nc", 1000), Lines{});
  EXPECT_EQ(Matches("ab\r\ncd\nef\r\n", "d\ne", 1000), Lines{"cd\nef"});
  EXPECT_EQ(Matches("ab\rcd\r", "b\rc", 1000), Lines{});
  EXPECT_EQ(Matches("ab\x1A"
                    "cd\r\n",
                    "b", 1000),
            Lines{"ab"});
  EXPECT_EQ(Matches("ab\x1A"
                    "cd\r\n",
                    "cd", 1000),
            Lines{});
}

TEST_F(TextReaderTest, SkippingAndReadingInterleave) {
  TextReader reader(OpenFileSource(Write("a1\r\nb2\r\na3\r\nb4\r\nb5\r\n")));
  const ByteSearcher searcher("b");
  std::string_view line;
  ASSERT_EQ(reader.SkipToLineContaining(searcher, 1000, line), TextReader::Scan::kFound);
  EXPECT_EQ(line, "b2");
  EXPECT_EQ(reader.ReadLine(), "a3");
  ASSERT_EQ(reader.SkipToLineContaining(searcher, 1000, line), TextReader::Scan::kFound);
  EXPECT_EQ(line, "b4");
  ASSERT_EQ(reader.SkipToLineContaining(searcher, 1000, line), TextReader::Scan::kFound);
  EXPECT_EQ(line, "b5");
  EXPECT_EQ(reader.SkipToLineContaining(searcher, 1000, line), TextReader::Scan::kEnd);
  EXPECT_EQ(reader.ReadLine(), "");
}

TEST_F(TextReaderTest, SkippingStopsOnALineBoundaryWhenTheBudgetIsSpent) {
  std::string bytes;
  for (int i = 0; i < 200000; ++i) bytes += "line " + std::to_string(i) + "\r\n";
  bytes += "match\r\n";
  TextReader reader(OpenFileSource(Write(bytes)));
  const ByteSearcher searcher("match");
  std::string_view line;
  int pauses = 0;
  int expected = 0;
  TextReader::Scan scan;
  while ((scan = reader.SkipToLineContaining(searcher, 1000, line)) ==
         TextReader::Scan::kBudgetSpent) {
    ++pauses;
    // The reader stands at the start of a line, about the budget further on. Lines here are
    // 8 to 13 bytes long.
    const std::string_view next = reader.ReadLine();
    ASSERT_TRUE(next.starts_with("line ")) << next;
    const int number = std::stoi(std::string(next.substr(5)));
    EXPECT_GE(number, expected + 1000 / 13) << pauses;
    EXPECT_LE(number, expected + 1 + 1000 / 8) << pauses;
    expected = number + 1;
  }
  EXPECT_GT(pauses, 1000);
  EXPECT_EQ(scan, TextReader::Scan::kFound);
  EXPECT_EQ(line, "match");
}

TEST_F(TextReaderTest, PatternsWithLineEndBytesAreTestedLineByLine) {
  const std::string bytes = "a\nb\r\nxa\nb\r\na\rb\r\n";
  EXPECT_EQ(Matches(bytes, "a\nb", 0), ReferenceMatches(bytes, "a\nb"));
  EXPECT_EQ(Matches(bytes, "\n", 3), ReferenceMatches(bytes, "\n"));
}

TEST_F(TextReaderTest, OpeningFailuresCarryFileCodes) {
  auto code_for = [](const Bytes& path) {
    return IoCodeOf([&] { TextReader reader(OpenFileSource(path)); });
  };
  EXPECT_EQ(code_for(Sj(dir_ + "/missing.txt")), 2);
  EXPECT_EQ(code_for(Sj(dir_ + "/nofolder/missing.txt")), 3);
  EXPECT_EQ(code_for(Sj(dir_)), 5);  // A folder is no file to read.
  EXPECT_EQ(code_for(Sj(dir_) + "/\x82.txt"), 3);
}

TEST_F(TextReaderTest, ReadFailuresAreReported) {
  const std::optional<FailingRead> failing = FileFailingToRead();
  if (!failing) GTEST_SKIP() << "no file here fails to read";
  TextReader reader(OpenFileSource(failing->path));
  EXPECT_EQ(IoCodeOf([&] { reader.AtEnd(); }), failing->code);
}

TEST_F(TextReaderTest, ReadsShiftJisNamedFiles) {
  const Bytes path = Write("x\r\n", "郵電話.txt");
  TextReader reader(OpenFileSource(path));
  EXPECT_EQ(reader.ReadLine(), "x");
  reader.Close();
  reader.Close();
}

// Large inputs come through a pipe, so nothing large is written to disk.
class PipedInput {
 public:
  PipedInput(const std::string& path, std::string chunk, std::size_t repeats)
      : made_(MakeFifo(path)) {
    if (made_) writer_ = std::thread([=] { FeedFifo(path, chunk, repeats); });
  }
  ~PipedInput() {
    if (made_) writer_.join();
  }
  bool made() const { return made_; }

 private:
  bool made_;
  std::thread writer_;
};

TEST_F(TextReaderTest, AGigabyteOfShortLinesNeedsLittleMemory) {
  // Peak resident memory is reset, so only what this scan adds is measured.
  if (!ResetPeakMemory()) GTEST_SKIP() << "the peak memory cannot be reset here";
  const long before = *PeakMemoryKilobytes();
  std::string chunk;
  while (chunk.size() < (1 << 20)) chunk += "01234,\"322  \",\"3220061\",\"tochigi\"\r\n";
  const std::size_t repeats = (std::size_t{1} << 30) / chunk.size();
  PipedInput input(dir_ + "/pipe", chunk, repeats);
  if (!input.made()) GTEST_SKIP() << "no named pipes in folders here";
  TextReader reader(OpenFileSource(Sj(dir_ + "/pipe")));
  const ByteSearcher searcher("absent");
  std::string_view line;
  while (reader.SkipToLineContaining(searcher, 1 << 20, line) != TextReader::Scan::kEnd) {
  }
  const long peak = *PeakMemoryKilobytes();
  EXPECT_LT(peak - before, 30 * 1024) << "peak " << peak << " kB, before " << before << " kB";
}

TEST_F(TextReaderTest, ALineOf200MegabytesIsReadWhole) {
  const std::size_t repeats = 200;
  std::string chunk(1 << 20, 'z');
  chunk[100] = '\n';  // Lone line feeds keep it one line.
  PipedInput input(dir_ + "/pipe", chunk, repeats);
  if (!input.made()) GTEST_SKIP() << "no named pipes in folders here";
  TextReader reader(OpenFileSource(Sj(dir_ + "/pipe")));
  const std::string_view line = reader.ReadLine();
  EXPECT_EQ(line.size(), repeats << 20);
  EXPECT_EQ(line.substr(99, 3), "z\nz");
  EXPECT_EQ(line.substr(line.size() - 3), "zzz");
  EXPECT_TRUE(reader.AtEnd());
}

}  // namespace
}  // namespace nanbaru
