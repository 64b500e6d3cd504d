#include "platform/text_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "io_code.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "shared/file_bytes.h"
#include "text_writer_fixture.h"

namespace nanbaru {
namespace {

TEST_F(TextWriterTest, EachLineEndsWithCrLf) {
  const std::string path = dir_ + "/out.txt";
  TextWriter writer(Sj(path));
  writer.WriteLine(Sj("栃木県"));
  writer.WriteLine("");
  writer.WriteLine("a\nb");
  writer.Close();
  EXPECT_EQ(FileBytes(path), Sj("栃木県") + "\r\n\r\na\nb\r\n");
}

TEST_F(TextWriterTest, AnExistingFileIsEmptiedAndNoLinesGiveAnEmptyFile) {
  const std::string path = Put("old.txt", "a much longer old content\r\n");
  TextWriter(Sj(path)).Close();
  EXPECT_EQ(FileBytes(path), "");
  TextWriter writer(Sj(path));
  writer.WriteLine("new");
  writer.Close();
  EXPECT_EQ(FileBytes(path), "new\r\n");
}

TEST_F(TextWriterTest, ManyLinesArriveWhole) {
  const std::string path = dir_ + "/many.txt";
  std::string expected;
  TextWriter writer(Sj(path));
  for (int i = 0; i < 50000; ++i) {
    const std::string line = "line " + std::to_string(i);
    writer.WriteLine(line);
    expected += line + "\r\n";
  }
  writer.Close();
  EXPECT_EQ(FileBytes(path), expected);
}

TEST_F(TextWriterTest, SafeWriterReplacesTheFileOnlyOnCommit) {
  const std::string path = Put("keep.txt", "old\r\n");
  {
    SafeTextWriter writer(Sj(path));
    writer.WriteLine("new");
    EXPECT_EQ(FileBytes(path), "old\r\n");
    writer.Commit();
  }
  EXPECT_EQ(FileBytes(path), "new\r\n");
  {
    SafeTextWriter writer(Sj(path));
    writer.WriteLine("abandoned");
  }
  EXPECT_EQ(FileBytes(path), "new\r\n");
  EXPECT_EQ(Leftovers(dir_), 0);
}

TEST_F(TextWriterTest, CreateFailuresCarryFileCodes) {
  EXPECT_EQ(IoCodeOf([&] { TextWriter(Sj(dir_ + "/nofolder/out.txt")); }), 3);
  EXPECT_EQ(IoCodeOf([&] { TextWriter(Sj(dir_)); }), 5);
  EXPECT_EQ(IoCodeOf([&] { TextWriter(Sj(dir_) + "/\x82.txt"); }), 3);
}

TEST_F(TextWriterTest, SafeWriterRefusesWhatACreateWouldRefuse) {
  EXPECT_EQ(IoCodeOf([&] { SafeTextWriter(Sj(dir_ + "/nofolder/out.txt")); }), 3);
  EXPECT_EQ(IoCodeOf([&] { SafeTextWriter(Sj(dir_)); }), 5);
  EXPECT_EQ(IoCodeOf([&] { SafeTextWriter(Sj(dir_) + "/\x82.txt"); }), 3);
  EXPECT_EQ(Leftovers(dir_), 0);
}

}  // namespace
}  // namespace nanbaru
