// The line reader against the plain reading rules, fed by a source that cuts its reads short
// at scripted lengths and fails at a scripted offset or on closing. Reading line by line and
// the fast skip to a line holding a key are mixed in the order the input chooses.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "common/text_reader.h"
#include "fuzz_check.h"
#include "platform/errors.h"
#include "shared/reference_lines.h"

namespace nanbaru {
namespace {

constexpr int kScriptedFailure = 1117;

class ScriptedSource : public ByteSource {
 public:
  ScriptedSource(std::string_view bytes, std::vector<std::size_t> cuts,
                 std::optional<std::size_t> fail_at, bool fail_on_close)
      : bytes_(bytes), cuts_(std::move(cuts)), fail_at_(fail_at), fail_on_close_(fail_on_close) {}

  std::size_t Read(char* into, std::size_t size) override {
    FUZZ_CHECK(size > 0);
    if (fail_at_ && offset_ >= *fail_at_) {
      failed_ = true;
      throw InOutError(kScriptedFailure);
    }
    std::size_t count = std::min({size, bytes_.size() - offset_, cuts_[turn_++ % cuts_.size()]});
    if (fail_at_) count = std::min(count, *fail_at_ - offset_);
    std::memcpy(into, bytes_.data() + offset_, count);
    offset_ += count;
    return count;
  }

  void Close() override {
    if (fail_on_close_) {
      failed_ = true;
      throw InOutError(kScriptedFailure);
    }
  }

  bool failed() const { return failed_; }

 private:
  std::string_view bytes_;
  std::vector<std::size_t> cuts_;
  std::optional<std::size_t> fail_at_;
  bool fail_on_close_;
  std::size_t offset_ = 0;
  std::size_t turn_ = 0;
  bool failed_ = false;
};

enum class Step { kAtEnd, kReadLine, kSkip, kSkipWithBudget, kMaxValue = kSkipWithBudget };

// Runs the steps against the reference lines; returns normally or by the scripted failure.
void Run(TextReader& reader, FuzzedDataProvider& input, const std::vector<std::string>& lines,
         const ByteSearcher& searcher) {
  std::size_t next = 0;  // The reference line the reader stands at.
  std::string_view line;
  while (input.remaining_bytes() > 0) {
    switch (input.ConsumeEnum<Step>()) {
      case Step::kAtEnd:
        FUZZ_CHECK(reader.AtEnd() == (next == lines.size()));
        break;
      case Step::kReadLine:
        FUZZ_CHECK(reader.ReadLine() == (next < lines.size() ? lines[next] : ""));
        next = std::min(next + 1, lines.size());
        break;
      case Step::kSkip: {
        const auto scan =
            reader.SkipToLineContaining(searcher, std::numeric_limits<std::size_t>::max(), line);
        while (next < lines.size() && !searcher.FoundIn(lines[next])) ++next;
        if (next == lines.size()) {
          FUZZ_CHECK(scan == TextReader::Scan::kEnd);
        } else {
          FUZZ_CHECK(scan == TextReader::Scan::kFound && line == lines[next]);
          ++next;
        }
        break;
      }
      case Step::kSkipWithBudget: {
        // Where a spent budget leaves the reader is not fixed, so this skips to the end and
        // holds the lines found against the remaining matches.
        const std::size_t budget = input.ConsumeIntegralInRange<std::size_t>(0, 300);
        std::vector<std::string> found;
        for (;;) {
          const auto scan = reader.SkipToLineContaining(searcher, budget, line);
          if (scan == TextReader::Scan::kEnd) break;
          if (scan == TextReader::Scan::kFound) found.emplace_back(line);
        }
        std::vector<std::string> expected;
        for (; next < lines.size(); ++next) {
          if (searcher.FoundIn(lines[next])) expected.push_back(lines[next]);
        }
        FUZZ_CHECK(found == expected);
        FUZZ_CHECK(reader.AtEnd());
        break;
      }
    }
  }
}

}  // namespace
}  // namespace nanbaru

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nanbaru;
  FuzzedDataProvider input(data, size);
  const std::string pattern = input.ConsumeRandomLengthString(8);
  // Now and then the middle of the text is repeated past the reader's first block, so long
  // lines grow the buffer and lines cross the ends of full blocks. Short reads grow with it,
  // to keep a run's count of reads about the same.
  const std::size_t repeats =
      input.ConsumeBool() ? input.ConsumeIntegralInRange<std::size_t>(1, 2000) : 1;
  std::vector<std::size_t> cuts(input.ConsumeIntegralInRange<std::size_t>(1, 4));
  for (std::size_t& cut : cuts) {
    cut = input.ConsumeBool() ? input.ConsumeIntegralInRange<std::size_t>(1, 9) * repeats
                              : std::numeric_limits<std::size_t>::max();
  }
  const std::optional<std::size_t> fail_at =
      input.ConsumeBool() ? std::optional(input.ConsumeIntegral<std::uint16_t>() * repeats)
                          : std::nullopt;
  const bool fail_on_close = input.ConsumeBool();
  const std::string head = input.ConsumeRandomLengthString(64);
  const std::string middle = input.ConsumeRandomLengthString(512);
  std::string text = head;
  for (std::size_t i = 0; i < repeats; ++i) text += middle;
  text += input.ConsumeRandomLengthString(64);

  const std::vector<std::string> lines = ReferenceLines(text);
  const ByteSearcher searcher(pattern);
  auto owned = std::make_unique<ScriptedSource>(text, cuts, fail_at, fail_on_close);
  ScriptedSource& source = *owned;
  TextReader reader(std::move(owned));
  try {
    Run(reader, input, lines, searcher);
    reader.Close();
  } catch (const InOutError& error) {
    FUZZ_CHECK(error.code() == kScriptedFailure && source.failed());
  }
  return 0;
}
