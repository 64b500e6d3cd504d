#pragma once
// A fresh folder for one test's files, removed with everything in it at the end.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

// A UTF-8 name as the file system's path, on every platform.
inline std::filesystem::path Utf8Path(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

class ScratchDir {
 public:
  ScratchDir() {
    std::random_device seed;
    std::mt19937 random(seed());
    const std::filesystem::path temp = std::filesystem::temp_directory_path();
    for (;;) {
      const std::filesystem::path candidate = temp / ("nanbaru-" + std::to_string(random()));
      if (std::filesystem::create_directory(candidate)) {
        const std::u8string utf8 = candidate.u8string();
        path_.assign(utf8.begin(), utf8.end());
        return;
      }
    }
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(Utf8Path(path_), ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The path of `name` inside the folder, in UTF-8; for the ASCII names the tests mostly use,
  // it is also the Shift-JIS path.
  std::string Path(std::string_view name) const { return path_ + "/" + std::string(name); }
  const std::string& path() const { return path_; }

  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::string file = Path(name);
    std::ofstream out(Utf8Path(file), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
  }

 private:
  std::string path_;
};

}  // namespace nanbaru
