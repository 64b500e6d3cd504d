#pragma once
// A scratch folder for the writer tests, with helpers to put files in and look at them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "scratch_dir.h"

namespace nanbaru {

class TextWriterTest : public testing::Test {
 protected:
  std::string Put(const std::string& name, std::string_view bytes) {
    return scratch_.Write(name, bytes);
  }

  // Names beginning with the writer's temporary prefix that are left in a folder.
  static int Leftovers(const std::string& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Utf8Path(folder))) {
      if (entry.path().filename().string().starts_with(".nanbaru-")) ++count;
    }
    return count;
  }

  ScratchDir scratch_;
  const std::string dir_ = scratch_.path();
};

}  // namespace nanbaru
