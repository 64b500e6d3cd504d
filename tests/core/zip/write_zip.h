#pragma once
// Zip archives written with libzip for the tests that read them: members stored or deflated,
// encrypted, with the date they are given.

#include <zip.h>

#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

#include "scratch_dir.h"

namespace nanbaru {

struct Member {
  std::string name;
  std::string data;
  bool stored = false;
  bool encrypted = false;
  std::time_t modified = 0;  // 0: when the archive is written
};

inline std::string WriteZip(const ScratchDir& dir, const std::string& name,
                            const std::vector<Member>& members) {
  const std::string path = dir.Path(name);
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) throw std::runtime_error("zip_open failed");
  for (const Member& m : members) {
    zip_source_t* source = zip_source_buffer(archive, m.data.data(), m.data.size(), 0);
    const zip_int64_t index = zip_file_add(archive, m.name.c_str(), source, 0);
    if (index < 0) throw std::runtime_error("zip_file_add failed");
    const auto i = static_cast<zip_uint64_t>(index);
    if (m.stored) zip_set_file_compression(archive, i, ZIP_CM_STORE, 0);
    // The traditional method needs no crypto library, which the Windows build of libzip lacks.
    if (m.encrypted && zip_file_set_encryption(archive, i, ZIP_EM_TRAD_PKWARE, "secret") != 0) {
      throw std::runtime_error("zip_file_set_encryption failed");
    }
    if (m.modified != 0) zip_file_set_mtime(archive, i, m.modified, 0);
  }
  if (zip_close(archive) != 0) throw std::runtime_error("zip_close failed");
  return path;
}

}  // namespace nanbaru
