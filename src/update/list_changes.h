#pragma once
// What an update changed: the records only the new list has, and those only the old one had,
// as result lines, so that a user sees which codes are new or gone.

#include <vector>

#include "common/bytes.h"
#include "update/list_text.h"

namespace nanbaru {

struct ListChanges {
  std::vector<Bytes> added;    // in the new list's order
  std::vector<Bytes> removed;  // in the old list's order
};

// Compares the list `before` reads, from its first line (its encoding told there), with
// `after`. Lines are compared whole; a line changed only where the result line does not show
// it (a reading, a flag) is neither added nor removed. Throws as the reader, and Cancelled.
ListChanges CompareLists(TextReader& before, const ListText& after, const CancelFlag& cancel);

// The result pane's lines: the added records, then the removed ones, each group under its
// heading, at most kPostalResultLimit records in all, then the counts.
std::vector<Bytes> ChangeLines(const ListChanges& changes);

}  // namespace nanbaru
