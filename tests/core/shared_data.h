#pragma once
// The real data files kept beside the sources, for the tests that search them.

#include <string>

#include "common/bytes.h"
#include "fake_host.h"
#include "platform/sjis_codec.h"

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

// The business-office list, unpacked at configure time.
inline const Bytes kBusinessList = NANBARU_BUSINESS_LIST;

}  // namespace nanbaru
