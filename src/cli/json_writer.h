#pragma once
// A flat JSON object written field by field, for the command's --json output.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nanbaru {

class JsonObject {
 public:
  // Texts are UTF-8.
  void Text(std::string_view key, std::string_view value);
  void TextOrNull(std::string_view key, const std::optional<std::string>& value);
  void Bool(std::string_view key, bool value);
  void Number(std::string_view key, std::int64_t value);
  void TextList(std::string_view key, const std::vector<std::string>& values);
  // The object, closed, with a line end.
  std::string Finish() const { return out_ + "}\n"; }

 private:
  void Key(std::string_view key);
  void Quoted(std::string_view text);
  std::string out_ = "{";
};

}  // namespace nanbaru
