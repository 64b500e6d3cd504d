// Builds without libzip (the Windows cross build) cannot read an archive; they say so.

#include "common/zip_member.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

std::unique_ptr<ByteSource> OpenZipMember(const Bytes&) {
  throw AppError(Sj("このプログラムはZIPファイルを読めません。展開したCSVファイルを選んで下さい"));
}

}  // namespace nanbaru
