#pragma once
// A fresh folder for one test's files, removed with everything in it at the end.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "nanbaru-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The path of `name` inside the folder; the tests use ASCII names, so it is also the
  // Shift-JIS path.
  std::string Path(std::string_view name) const { return path_ + "/" + std::string(name); }
  const std::string& path() const { return path_; }

  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::string file = Path(name);
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
  }

 private:
  std::string path_;
};

}  // namespace nanbaru
