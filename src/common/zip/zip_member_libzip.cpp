// Reading the list's member of a zip archive through libzip.

#include <dlfcn.h>
#include <zip.h>

#include <string>
#include <vector>

#include "common/zip_member.h"
#include "platform/errors.h"
#include "platform/native_name.h"
#include "platform/sjis_codec.h"
#include "platform/system_error.h"

namespace nanbaru {

namespace {

// libzip is loaded when the first archive is opened. Linked in, it and the libraries it needs
// (a crypto library among them) would add more to every start of the headless command than a
// whole search of the plain list takes.
struct LibZip {
  decltype(zip_open)* open;
  decltype(zip_discard)* discard;
  decltype(zip_get_num_entries)* get_num_entries;
  decltype(zip_get_name)* get_name;
  decltype(zip_get_error)* get_error;
  decltype(zip_stat_index)* stat_index;
  decltype(zip_fopen_index)* fopen_index;
  decltype(zip_fread)* fread;
  decltype(zip_fclose)* fclose;
  decltype(zip_file_get_error)* file_get_error;
  decltype(zip_error_init_with_code)* error_init_with_code;
  decltype(zip_error_fini)* error_fini;
  decltype(zip_error_system_type)* error_system_type;
  decltype(zip_error_code_system)* error_code_system;
  decltype(zip_error_code_zip)* error_code_zip;
  decltype(zip_error_strerror)* error_strerror;
};

template <typename Function>
bool Bind(void* library, const char* name, Function*& function) {
  function = reinterpret_cast<Function*>(dlsym(library, name));
  return function != nullptr;
}

// Null when the library or one of its functions is missing.
const LibZip* LoadLibZip() {
  static const LibZip* const loaded = []() -> const LibZip* {
    void* library = dlopen(NANBARU_LIBZIP_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    static LibZip lib;
    const bool bound =
        Bind(library, "zip_open", lib.open) && Bind(library, "zip_discard", lib.discard) &&
        Bind(library, "zip_get_num_entries", lib.get_num_entries) &&
        Bind(library, "zip_get_name", lib.get_name) &&
        Bind(library, "zip_get_error", lib.get_error) &&
        Bind(library, "zip_stat_index", lib.stat_index) &&
        Bind(library, "zip_fopen_index", lib.fopen_index) &&
        Bind(library, "zip_fread", lib.fread) && Bind(library, "zip_fclose", lib.fclose) &&
        Bind(library, "zip_file_get_error", lib.file_get_error) &&
        Bind(library, "zip_error_init_with_code", lib.error_init_with_code) &&
        Bind(library, "zip_error_fini", lib.error_fini) &&
        Bind(library, "zip_error_system_type", lib.error_system_type) &&
        Bind(library, "zip_error_code_system", lib.error_code_system) &&
        Bind(library, "zip_error_code_zip", lib.error_code_zip) &&
        Bind(library, "zip_error_strerror", lib.error_strerror);
    return bound ? &lib : nullptr;
  }();
  return loaded;
}

const LibZip& Lib() {
  const LibZip* lib = LoadLibZip();
  if (lib == nullptr) {
    throw AppError(
        Sj("ZIPファイルを読むためのlibzip（" NANBARU_LIBZIP_SONAME "）が見つかりません"));
  }
  return *lib;
}

// libzip's reason is English; it follows the message for whoever has to look into it.
[[noreturn]] void ThrowZipError(zip_error_t* error) {
  const LibZip& lib = Lib();
  if (lib.error_system_type(error) == ZIP_ET_SYS) {
    throw InOutError(CodeFromSystemError(
        std::error_code(lib.error_code_system(error), std::generic_category())));
  }
  const int code = lib.error_code_zip(error);
  const bool damaged = code == ZIP_ER_CRC || code == ZIP_ER_ZLIB || code == ZIP_ER_NOZIP ||
                       code == ZIP_ER_INCONS || code == ZIP_ER_EOF ||
                       code == ZIP_ER_COMPRESSED_DATA;
  throw AppError(Sj(damaged ? "ZIPファイルが壊れています（" : "ZIPファイルを読めません（") +
                 lib.error_strerror(error) + Sj("）"));
}

[[noreturn]] void ThrowZipError(int code) {
  const LibZip& lib = Lib();
  zip_error_t error;
  lib.error_init_with_code(&error, code);
  try {
    ThrowZipError(&error);
  } catch (...) {
    lib.error_fini(&error);
    throw;
  }
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
  const LibZip& lib = Lib();
  const zip_int64_t count = lib.get_num_entries(archive, 0);
  std::vector<zip_uint64_t> csv;
  for (zip_int64_t i = 0; i < count; ++i) {
    const auto index = static_cast<zip_uint64_t>(i);
    const char* name = lib.get_name(archive, index, ZIP_FL_ENC_RAW);
    if (name == nullptr) ThrowZipError(lib.get_error(archive));
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
    if (file_ != nullptr) Lib().fclose(file_);
    if (archive_ != nullptr) Lib().discard(archive_);
  }
  ZipMember(const ZipMember&) = delete;
  ZipMember& operator=(const ZipMember&) = delete;

  std::size_t Read(char* into, std::size_t size) override {
    const zip_int64_t got = Lib().fread(file_, into, size);
    if (got < 0) ThrowZipError(Lib().file_get_error(file_));
    return static_cast<std::size_t>(got);
  }

  void Close() override {
    if (file_ == nullptr) return;
    const int result = Lib().fclose(file_);
    file_ = nullptr;
    Lib().discard(archive_);
    archive_ = nullptr;
    if (result != 0) ThrowZipError(result);
  }

 private:
  zip_t* archive_;
  zip_file_t* file_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenZipMember(const Bytes& path) {
  const LibZip& lib = Lib();
  int code = 0;
  zip_t* archive = lib.open(NativeNameOf(path).path.c_str(), ZIP_RDONLY, &code);
  if (archive == nullptr) ThrowZipError(code);
  try {
    const zip_uint64_t index = ChooseMember(archive);
    zip_stat_t stat;
    if (lib.stat_index(archive, index, 0, &stat) != 0) ThrowZipError(lib.get_error(archive));
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
      throw AppError(Sj("ZIPファイルの郵便番号データが暗号化されていて読めません"));
    }
    zip_file_t* file = lib.fopen_index(archive, index, 0);
    if (file == nullptr) ThrowZipError(lib.get_error(archive));
    return std::make_unique<ZipMember>(archive, file);
  } catch (...) {
    lib.discard(archive);
    throw;
  }
}

}  // namespace nanbaru
