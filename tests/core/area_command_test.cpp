// `nanbaru-search area`, run as a process: the bundled file, output modes and exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/sjis_codec.h"
#include "scratch_dir.h"
#include "search_process.h"

namespace nanbaru {
namespace {

TEST(AreaCommand, SearchesTheBundledFileByDefault) {
  ScratchDir dir;
  const Outcome code = RunSearchCommand({"area", "0289"}, dir.path());
  EXPECT_EQ(code.status, 0);
  EXPECT_EQ(code.out, "   0289      鹿沼\n    1件です。\n");
  const Outcome place = RunSearchCommand({"area", "鹿沼"}, dir.path());
  EXPECT_EQ(place.out, code.out);
}

TEST(AreaCommand, RelativeFileIsFoundFromTheStartFolderAndJsonShowsTheState) {
  ScratchDir dir;
  dir.Write("codes.txt", "0289      x\r\n011       y\r\n");
  const Outcome run =
      RunSearchCommand({"area", "--json", "--file", "codes.txt", "０２８９"}, dir.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"result_pane\":\"   0289      x\\r\\n    1件です。\\r\\n\",\"query_box\":\"0289\","
            "\"new_code_box\":\"\",\"pref_box\":\"\",\"count_label\":\"  1\","
            "\"status\":\"検索件数　1\",\"status_colour\":null,\"history\":[\"0289\"],"
            "\"search_text\":\"0289\",\"error\":null,\"chooser_opened\":false}\n");
}

TEST(AreaCommand, MissingFileFailsWithTheMessage) {
  ScratchDir dir;
  const Outcome run =
      RunSearchCommand({"area", "--json", "--file", "missing.txt", "03"}, dir.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("\"error\":\"ﾌｧｲﾙが見つかりません\""), std::string::npos);
}

TEST(AreaCommand, AFolderNameShiftJisCannotHoldIsNamed) {
  ScratchDir dir;
  const std::string folder = dir.Path("한");
  std::filesystem::create_directory(Utf8Path(folder));
  const Outcome run =
      RunSearchCommand({"area", "--file", dir.Write("a.txt", "0289\r\n"), "0289"}, folder);
  EXPECT_EQ(run.status, 1);
  // The folder as the system names it, with its own separators.
  const std::u8string shown = Utf8Path(folder).make_preferred().u8string();
  EXPECT_EQ(run.err, "nanbaru-search: 不正なﾌｧｲﾙ名です: the current folder " +
                         std::string(shown.begin(), shown.end()) +
                         " has a name Shift-JIS cannot hold\n");
}

TEST(AreaCommand, AMatchingLineLongerThanAPieceOfOutputPrintsWhole) {
  // The pane's CR falls last in the first piece converted and its LF first in the next.
  ScratchDir dir;
  const std::string line = "0289" + std::string(kUtf8PieceUnits - 8, 'x');
  const Outcome run = RunSearchCommand({"area", "--file", dir.Write("a.txt", line), "0289"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out == "   " + line + "\n    1件です。\n");
}

}  // namespace
}  // namespace nanbaru
