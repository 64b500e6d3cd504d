// A data folder that cannot take the new list: full, or read-only. The update fails with the
// file error, and neither the list in use nor the folder keeps anything of it.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/errors.h"
#include "shared/scratch_fs.h"
#include "update/update_fixture.h"

namespace nanbaru {
namespace {

using UpdateFolderTest = UpdateTest;

TEST_F(UpdateFolderTest, AFullOrReadOnlyFolderChangesNothing) {
  const std::string newer = Serve("newer.zip", EditedList(true), LocalNoon(2026, 6, 26));
  ASSERT_EQ(mkdir(folder_.c_str(), 0777), 0);
  test::ScratchMount mount(folder_, "size=64k");
  if (!mount.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
  for (const bool read_only : {false, true}) {
    if (read_only && !mount.SetReadOnly()) GTEST_SKIP() << "cannot make it read-only";
    QuietProgress quiet;
    try {
      UpdateList(Request(http_ + "/files/" + newer), quiet, CancelFlag());
      ADD_FAILURE() << "the list was written";
    } catch (const InOutError& e) {
      EXPECT_EQ(e.code(), read_only ? 5 : 101) << e.what();
    }
    ExpectNothingChanged();
  }
}

}  // namespace
}  // namespace nanbaru
