#pragma once
// File systems that refuse writes, for the failure tests of saving: a small tmpfs that can be
// filled or made read-only, and files marked immutable. Only root may do either; the tests
// skip when they cannot.

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <string>

namespace nanbaru::test {

// A small tmpfs over a folder for as long as it lives.
class ScratchMount {
 public:
  ScratchMount(std::string dir, std::string options)
      : dir_(std::move(dir)), options_(std::move(options)) {
    mounted_ = mount("tmpfs", dir_.c_str(), "tmpfs", 0, options_.c_str()) == 0;
  }
  ~ScratchMount() {
    if (mounted_) umount2(dir_.c_str(), MNT_DETACH);
  }
  ScratchMount(const ScratchMount&) = delete;
  ScratchMount& operator=(const ScratchMount&) = delete;

  bool mounted() const { return mounted_; }
  bool SetReadOnly(bool read_only = true) {
    return mount("tmpfs", dir_.c_str(), "tmpfs", MS_REMOUNT | (read_only ? MS_RDONLY : 0),
                 options_.c_str()) == 0;
  }
  // Fills the file system up to its last byte with the file `name` in it.
  void Fill(const std::string& name) const {
    const int fd =
        open((dir_ + "/" + name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const std::string block(4096, 'x');
    while (write(fd, block.data(), block.size()) > 0) {
    }
    while (write(fd, "x", 1) > 0) {
    }
    close(fd);
  }

 private:
  std::string dir_;
  std::string options_;
  bool mounted_ = false;
};

// Marks a file immutable, which even root may not write, until destroyed.
class Immutable {
 public:
  explicit Immutable(std::string path) : path_(std::move(path)) { set_ = SetFlag(true); }
  ~Immutable() {
    if (set_) SetFlag(false);
  }
  Immutable(const Immutable&) = delete;
  Immutable& operator=(const Immutable&) = delete;
  bool set() const { return set_; }

 private:
  bool SetFlag(bool on) {
    const int fd = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
      flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
      done = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    close(fd);
    return done;
  }
  std::string path_;
  bool set_ = false;
};

}  // namespace nanbaru::test
