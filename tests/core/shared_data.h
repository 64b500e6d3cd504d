#pragma once
// The real data files kept beside the sources, for the tests that search them.

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "common/bytes.h"
#include "common/sjis_codec.h"
#include "fake_host.h"
#include "scratch_dir.h"

namespace nanbaru {

// The national postal list.
inline const Bytes kNationalList = NANBARU_SHARED_DATA "/KEN_ALL.CSV";

// A host in postal mode on the national list with `query` (UTF-8) in the query box.
inline FakeHost NationalHost(std::string_view query) {
  FakeHost host;
  host.shared.DataFileName = kNationalList;
  host.query = Sj(query);
  return host;
}

// Unzips the business-office list into `dir` and returns its path; throws when it cannot.
inline std::string UnzipBusinessList(const ScratchDir& dir) {
  const std::string command =
      "unzip -q -o '" NANBARU_SHARED_DATA "/jigyosyo.zip' -d '" + dir.path() + "'";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("cannot unzip jigyosyo.zip");
  return dir.Path("JIGYOSYO.CSV");
}

}  // namespace nanbaru
