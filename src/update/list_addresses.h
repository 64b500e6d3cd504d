#pragma once
// Where the postal service publishes the national list, in its two editions: the address of
// today first, then the one it used before, tried when the first fails. When the service
// moves its downloads again, change them here; until a new release has them, users give the
// new address with `nanbaru-search update --url`, or download the file and choose it.

#include <array>
#include <string_view>

namespace nanbaru {

using ListAddresses = std::array<std::string_view, 2>;

inline constexpr ListAddresses kShiftJisListAddresses = {
    "https://www.post.japanpost.jp/service/search/zipcode/download/kogaki/zip/ken_all.zip",
    "https://www.post.japanpost.jp/zipcode/dl/kogaki/zip/ken_all.zip",
};

inline constexpr ListAddresses kUtf8ListAddresses = {
    "https://www.post.japanpost.jp/service/search/zipcode/download/utf/zip/utf_ken_all.zip",
    "https://www.post.japanpost.jp/zipcode/dl/utf/zip/utf_ken_all.zip",
};

}  // namespace nanbaru
