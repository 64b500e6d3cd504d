// The path an untrusted download takes before it may replace the list: the archive's list
// member, read by lines, every line checked. Whatever the bytes, a line the check takes is
// shown without an error, and the list compared with itself has no changes.

#include <memory>
#include <string>

#include "common/text_reader.h"
#include "fuzz_check.h"
#include "platform/errors.h"
#include "platform/zip_archive.h"
#include "search/postal_list.h"
#include "search/postal_record.h"
#include "update/list_changes.h"
#include "update/list_text.h"

namespace {

class MemorySource : public nanbaru::ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  std::size_t Read(char* into, std::size_t size) override {
    const std::size_t got = std::min(size, bytes_.size());
    bytes_.copy(into, got);
    bytes_.remove_prefix(got);
    return got;
  }
  void Close() override {}

 private:
  std::string_view bytes_;
};

// The list in an archive, or the bytes themselves when they are no archive.
std::unique_ptr<nanbaru::TextReader> OpenList(const std::string& bytes) {
  using namespace nanbaru;
  if (!LooksLikeZip(bytes))
    return std::make_unique<TextReader>(std::make_unique<MemorySource>(bytes));
  const std::shared_ptr<ZipArchive> archive = OpenZipArchiveInMemory(bytes);
  return std::make_unique<TextReader>(archive->OpenMember(ListMemberIndex(*archive)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nanbaru;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const CancelFlag never;
  try {
    const std::unique_ptr<TextReader> reader = OpenList(bytes);
    const ListText text(*reader, never, size);
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text.first_bad_line() != 0 && i + 1 >= text.first_bad_line()) break;
      const std::string_view line = text.line(i);
      FUZZ_CHECK(IsWellFormedRecord(line));
      if (text.kind() == ListEncoding::kShiftJis) FormatPostalResult(ParsePostalLine(line));
    }
    const ListChanges changes = CompareLists(*OpenList(bytes), text, never);
    FUZZ_CHECK(changes.added.empty() && changes.removed.empty());
  } catch (const AppError&) {
    // A damaged archive, or one without the list: reported as such.
  }
  return 0;
}
