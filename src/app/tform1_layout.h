#pragma once
// The layout's captions of the three hidden labels that once held the window's state, kept
// byte for byte now that the state lives in plain members: a postal file never set still
// reaches line 8 of the settings file as its caption.

namespace nanbaru {

inline constexpr char kPostalFileLayoutText[] = "Label7 ｃｄ　dir";
inline constexpr char kStartFolderLayoutText[] = "label9 起動ディレクトリ";
inline constexpr char kLastAreaFileLayoutText[] = "Label11";

}  // namespace nanbaru
