#pragma once
// The real data files kept beside the sources, for the tests that search them.

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "common/bytes.h"
#include "scratch_dir.h"

namespace nanbaru {

// The national postal list.
inline const Bytes kNationalList = NANBARU_SHARED_DATA "/KEN_ALL.CSV";

// Unzips the business-office list into `dir` and returns its path; throws when it cannot.
inline std::string UnzipBusinessList(const ScratchDir& dir) {
  const std::string command =
      "unzip -q -o '" NANBARU_SHARED_DATA "/jigyosyo.zip' -d '" + dir.path() + "'";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("cannot unzip jigyosyo.zip");
  return dir.Path("JIGYOSYO.CSV");
}

}  // namespace nanbaru
