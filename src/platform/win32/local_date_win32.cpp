#include "platform/local_date.h"

namespace nanbaru {

LocalDate LocalDateOf(std::time_t time) {
  std::tm parts{};
  localtime_s(&parts, &time);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

}  // namespace nanbaru
