#include "cli/json_writer.h"

#include <cstdio>

namespace nanbaru {

void JsonObject::Text(std::string_view key, std::string_view value) {
  Key(key);
  Quoted(value);
}

void JsonObject::TextOrNull(std::string_view key, const std::optional<std::string>& value) {
  if (value) {
    Text(key, *value);
  } else {
    Key(key);
    out_ += "null";
  }
}

void JsonObject::Bool(std::string_view key, bool value) {
  Key(key);
  out_ += value ? "true" : "false";
}

void JsonObject::Number(std::string_view key, std::int64_t value) {
  Key(key);
  out_ += std::to_string(value);
}

void JsonObject::TextList(std::string_view key, const std::vector<std::string>& values) {
  Key(key);
  out_ += '[';
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out_ += ',';
    Quoted(values[i]);
  }
  out_ += ']';
}

void JsonObject::Key(std::string_view key) {
  if (out_.size() > 1) out_ += ',';
  Quoted(key);
  out_ += ':';
}

void JsonObject::Quoted(std::string_view text) {
  out_ += '"';
  for (const char c : text) {
    switch (c) {
      case '"':
        out_ += "\\\"";
        break;
      case '\\':
        out_ += "\\\\";
        break;
      case '\n':
        out_ += "\\n";
        break;
      case '\r':
        out_ += "\\r";
        break;
      case '\t':
        out_ += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
          out_ += escaped;
        } else {
          out_ += c;
        }
    }
  }
  out_ += '"';
}

}  // namespace nanbaru
