#pragma once
// A postal search (of the office list in office mode) run on a FakeHost to its end, or to the
// error that ends it.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "fake_host.h"
#include "platform/errors.h"
#include "search/postal_search.h"

namespace nanbaru {

struct PostalOutcome {
  std::vector<Bytes> results;  // the result pane afterwards
  std::optional<Bytes> error;  // what the error box shows, without its period
};

inline PostalOutcome RunPostalToOutcome(FakeHost& host) {
  PostalOutcome outcome;
  try {
    RunListSearch(host);
  } catch (const AppError& e) {
    outcome.error = e.message();
  }
  EXPECT_FALSE(host.busy);
  outcome.results = host.results;
  return outcome;
}

}  // namespace nanbaru
