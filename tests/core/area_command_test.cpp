// `nanbaru-search area`, run as a process: the bundled file, output modes and exit status.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "scratch_dir.h"

namespace nanbaru {
namespace {

struct Outcome {
  int status;
  std::string out;
};

// Runs the command in `dir` with the shell; standard error is dropped.
Outcome RunArea(const std::string& dir, const std::string& args) {
  const std::string command =
      "cd '" + dir + "' && '" NANBARU_SEARCH_EXE "' area " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char block[4096];
  for (std::size_t n; (n = std::fread(block, 1, sizeof block, pipe)) > 0;) out.append(block, n);
  const int raw = pclose(pipe);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

TEST(AreaCommand, SearchesTheBundledFileByDefault) {
  ScratchDir dir;
  const Outcome code = RunArea(dir.path(), "0289");
  EXPECT_EQ(code.status, 0);
  EXPECT_EQ(code.out, "   0289      鹿沼\n    1件です。\n");
  const Outcome place = RunArea(dir.path(), "鹿沼");
  EXPECT_EQ(place.out, code.out);
}

TEST(AreaCommand, RelativeFileIsFoundFromTheStartFolderAndJsonShowsTheState) {
  ScratchDir dir;
  dir.Write("codes.txt", "0289      x\r\n011       y\r\n");
  const Outcome run = RunArea(dir.path(), "--json --file codes.txt ０２８９");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"result_pane\":\"   0289      x\\r\\n    1件です。\\r\\n\",\"query_box\":\"0289\","
            "\"new_code_box\":\"\",\"pref_box\":\"\",\"count_label\":\"  1\","
            "\"status\":\"検索件数　1\",\"status_colour\":null,\"history\":[\"0289\"],"
            "\"search_text\":\"0289\",\"error\":null,\"chooser_opened\":false}\n");
}

TEST(AreaCommand, MissingFileFailsWithTheMessage) {
  ScratchDir dir;
  const Outcome run = RunArea(dir.path(), "--json --file missing.txt 03");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("\"error\":\"ﾌｧｲﾙが見つかりません\""), std::string::npos);
}

}  // namespace
}  // namespace nanbaru
