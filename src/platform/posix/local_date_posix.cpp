#include "platform/local_date.h"

namespace nanbaru {

LocalDate LocalDateOf(std::time_t time) {
  std::tm parts{};
  localtime_r(&time, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

}  // namespace nanbaru
