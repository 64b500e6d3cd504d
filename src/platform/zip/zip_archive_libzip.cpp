// Zip archives through libzip.

#include <string>
#include <system_error>

#include "platform/errors.h"
#include "platform/native_name.h"
#include "platform/sjis_codec.h"
#include "platform/system_error.h"
#include "platform/zip/libzip_functions.h"
#include "platform/zip_archive.h"

namespace nanbaru {

namespace {

// libzip's reason is English; it follows the message for whoever has to look into it.
[[noreturn]] void ThrowZipError(zip_error_t* error) {
  const LibZip& lib = LibZipFunctions();
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

// Gives libzip's error back once it has been thrown as ours.
[[noreturn]] void ThrowAndFinish(zip_error_t* error) {
  try {
    ThrowZipError(error);
  } catch (...) {
    LibZipFunctions().error_fini(error);
    throw;
  }
}

[[noreturn]] void ThrowZipError(int code) {
  zip_error_t error;
  LibZipFunctions().error_init_with_code(&error, code);
  ThrowAndFinish(&error);
}

// The archive is discarded when the last of the archive object and its members' sources goes.
using SharedZip = std::shared_ptr<zip_t>;

class MemberSource : public ByteSource {
 public:
  MemberSource(SharedZip archive, zip_file_t* file) : archive_(std::move(archive)), file_(file) {}
  ~MemberSource() override {
    if (file_ != nullptr) LibZipFunctions().fclose(file_);
  }
  MemberSource(const MemberSource&) = delete;
  MemberSource& operator=(const MemberSource&) = delete;

  std::size_t Read(char* into, std::size_t size) override {
    const zip_int64_t got = LibZipFunctions().fread(file_, into, size);
    if (got < 0) ThrowZipError(LibZipFunctions().file_get_error(file_));
    return static_cast<std::size_t>(got);
  }

  void Close() override {
    if (file_ == nullptr) return;
    const int result = LibZipFunctions().fclose(file_);
    file_ = nullptr;
    archive_.reset();
    if (result != 0) ThrowZipError(result);
  }

 private:
  SharedZip archive_;
  zip_file_t* file_;
};

class LibZipArchive : public ZipArchive {
 public:
  explicit LibZipArchive(SharedZip archive) : archive_(std::move(archive)) {
    const LibZip& lib = LibZipFunctions();
    const zip_int64_t count = lib.get_num_entries(archive_.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
      zip_stat_t stat;
      // Names come as stored: libzip would otherwise take those not marked UTF-8 for CP437.
      if (lib.stat_index(archive_.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW, &stat) !=
          0) {
        ThrowZipError(lib.get_error(archive_.get()));
      }
      ZipMember& member = members_.emplace_back();
      member.name = stat.name;
      member.encrypted =
          (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE;
      member.size = stat.valid & ZIP_STAT_SIZE ? stat.size : 0;
      member.packed_size = stat.valid & ZIP_STAT_COMP_SIZE ? stat.comp_size : 0;
      if (stat.valid & ZIP_STAT_MTIME) member.modified = stat.mtime;
    }
  }

  const std::vector<ZipMember>& Members() const override { return members_; }

  std::unique_ptr<ByteSource> OpenMember(std::size_t index) override {
    zip_file_t* file = LibZipFunctions().fopen_index(archive_.get(), index, 0);
    if (file == nullptr) ThrowZipError(LibZipFunctions().get_error(archive_.get()));
    return std::make_unique<MemberSource>(archive_, file);
  }

 private:
  SharedZip archive_;
  std::vector<ZipMember> members_;
};

}  // namespace

std::unique_ptr<ZipArchive> OpenZipArchiveInMemory(std::string_view bytes) {
  const LibZip& lib = LibZipFunctions();
  zip_error_t error;
  lib.error_init(&error);
  zip_source_t* source = lib.source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (source == nullptr) ThrowAndFinish(&error);
  zip_t* archive = lib.open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
  if (archive == nullptr) {
    lib.source_free(source);
    ThrowAndFinish(&error);
  }
  lib.error_fini(&error);
  return std::make_unique<LibZipArchive>(SharedZip(archive, lib.discard));
}

std::unique_ptr<ZipArchive> OpenZipArchive(const Bytes& path) {
  const LibZip& lib = LibZipFunctions();
  // libzip takes file names as UTF-8 on every system.
  const std::u8string name = NativeNameOf(path).path.u8string();
  int code = 0;
  zip_t* archive = lib.open(reinterpret_cast<const char*>(name.c_str()), ZIP_RDONLY, &code);
  if (archive == nullptr) ThrowZipError(code);
  return std::make_unique<LibZipArchive>(SharedZip(archive, lib.discard));
}

}  // namespace nanbaru
