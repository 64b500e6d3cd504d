// `nanbaru-search area`, run as a process: the bundled file, output modes and exit status.

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace nanbaru
