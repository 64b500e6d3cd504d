// Builds without libzip cannot read an archive; they say so.

#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "platform/zip_archive.h"

namespace nanbaru {

namespace {

[[noreturn]] void ThrowNoZip() {
  throw AppError(Sj("このプログラムはZIPファイルを読めません。展開したCSVファイルを選んで下さい"));
}

}  // namespace

std::unique_ptr<ZipArchive> OpenZipArchive(const Bytes&) {
  ThrowNoZip();
}

std::unique_ptr<ZipArchive> OpenZipArchiveInMemory(std::string_view) {
  ThrowNoZip();
}

}  // namespace nanbaru
