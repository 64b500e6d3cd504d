// The zip reader on any bytes, as a download may bring them: the directory and every member
// read without a fault, and a member read to its end without an error has the size the
// directory gave it.

#include <memory>
#include <string>

#include "fuzz_check.h"
#include "platform/errors.h"
#include "platform/zip_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nanbaru;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // A small archive may claim a huge member; reading stops here.
  constexpr std::uint64_t kReadAtMost = 1 << 22;
  try {
    const std::unique_ptr<ZipArchive> archive = OpenZipArchiveInMemory(bytes);
    for (std::size_t i = 0; i < archive->Members().size() && i < 16; ++i) {
      try {
        const std::unique_ptr<ByteSource> member = archive->OpenMember(i);
        std::uint64_t read = 0;
        char block[4096];
        while (read <= kReadAtMost) {
          const std::size_t got = member->Read(block, sizeof block);
          if (got == 0) break;
          read += got;
        }
        if (read <= kReadAtMost) {
          member->Close();
          FUZZ_CHECK(read == archive->Members()[i].size);
        }
      } catch (const AppError&) {
        // A damaged member is reported; the others are still read.
      }
    }
  } catch (const AppError&) {
    // Not an archive, or a damaged one: reported as such.
  }
  return 0;
}
