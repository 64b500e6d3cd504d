#pragma once
// Calendar dates in the user's own time zone, as the system keeps it.

#include <ctime>

namespace nanbaru {

struct LocalDate {
  int year;
  int month;  // 1 to 12
  int day;    // 1 to 31
};

LocalDate LocalDateOf(std::time_t time);

}  // namespace nanbaru
