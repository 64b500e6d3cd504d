#pragma once
// Whether this process still holds a file open, to show that a reader let it go.

namespace nanbaru::test {

bool HeldOpen(const char* file_name);

}  // namespace nanbaru::test
