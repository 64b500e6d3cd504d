// Reading the list's member of a zip archive through libzip.

#include <zip.h>

#include <string>
#include <vector>

#include "common/errors.h"
#include "common/native_path.h"
#include "common/sjis_codec.h"
#include "common/zip_member.h"

namespace nanbaru {

namespace {

// libzip's reason is English; it follows the message for whoever has to look into it.
[[noreturn]] void ThrowZipError(zip_error_t* error) {
  if (zip_error_system_type(error) == ZIP_ET_SYS) {
    throw InOutError(CodeFromErrno(zip_error_code_system(error)));
  }
  const int code = zip_error_code_zip(error);
  const bool damaged = code == ZIP_ER_CRC || code == ZIP_ER_ZLIB || code == ZIP_ER_NOZIP ||
                       code == ZIP_ER_INCONS || code == ZIP_ER_EOF ||
                       code == ZIP_ER_COMPRESSED_DATA;
  throw AppError(Sj(damaged ? "ZIPファイルが壊れています（" : "ZIPファイルを読めません（") +
                 zip_error_strerror(error) + Sj("）"));
}

[[noreturn]] void ThrowZipError(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  ThrowZipError(&error);
}

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool IsListName(const std::string& lower_name) {
  const std::size_t slash = lower_name.rfind('/');
  const std::string_view base =
      slash == std::string::npos ? lower_name : std::string_view(lower_name).substr(slash + 1);
  return base == "ken_all.csv" || base == "utf_ken_all.csv";
}

// The index of the member that holds the list.
zip_uint64_t ChooseMember(zip_t* archive) {
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  std::vector<zip_uint64_t> csv;
  for (zip_int64_t i = 0; i < count; ++i) {
    const auto index = static_cast<zip_uint64_t>(i);
    const char* name = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
    if (name == nullptr) ThrowZipError(zip_get_error(archive));
    const std::string lower = AsciiLower(name);
    if (IsListName(lower)) return index;
    if (lower.ends_with(".csv")) csv.push_back(index);
  }
  if (csv.empty()) throw AppError(Sj("ZIPファイルに郵便番号データ（CSVファイル）がありません"));
  if (csv.size() > 1) {
    throw AppError(Sj("ZIPファイルにCSVファイルが複数あり、どれが郵便番号データか分かりません"));
  }
  return csv.front();
}

class ZipMember : public ByteSource {
 public:
  ZipMember(zip_t* archive, zip_file_t* file) : archive_(archive), file_(file) {}
  ~ZipMember() override {
    if (file_ != nullptr) zip_fclose(file_);
    if (archive_ != nullptr) zip_discard(archive_);
  }
  ZipMember(const ZipMember&) = delete;
  ZipMember& operator=(const ZipMember&) = delete;

  std::size_t Read(char* into, std::size_t size) override {
    const zip_int64_t got = zip_fread(file_, into, size);
    if (got < 0) ThrowZipError(zip_file_get_error(file_));
    return static_cast<std::size_t>(got);
  }

  void Close() override {
    if (file_ == nullptr) return;
    const int result = zip_fclose(file_);
    file_ = nullptr;
    zip_discard(archive_);
    archive_ = nullptr;
    if (result != 0) ThrowZipError(result);
  }

 private:
  zip_t* archive_;
  zip_file_t* file_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenZipMember(const Bytes& path) {
  int code = 0;
  zip_t* archive = zip_open(NativePath(path).c_str(), ZIP_RDONLY, &code);
  if (archive == nullptr) ThrowZipError(code);
  try {
    const zip_uint64_t index = ChooseMember(archive);
    zip_stat_t stat;
    if (zip_stat_index(archive, index, 0, &stat) != 0) ThrowZipError(zip_get_error(archive));
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
      throw AppError(Sj("ZIPファイルの郵便番号データが暗号化されていて読めません"));
    }
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (file == nullptr) ThrowZipError(zip_get_error(archive));
    return std::make_unique<ZipMember>(archive, file);
  } catch (...) {
    zip_discard(archive);
    throw;
  }
}

}  // namespace nanbaru
