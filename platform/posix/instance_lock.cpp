#include "platform/posix/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <iostream>

#include "platform/posix/folders.h"

namespace platform::posix {

namespace {

bool FillAddress(const std::string& path, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

class PosixInstanceLock final : public InstanceLock {
 public:
  PosixInstanceLock(std::string folder, const std::string& name)
      : socketPath_(WithSlash(folder) + name + ".sock") {
    if (!EnsurePrivateFolder(folder)) {
      // A folder others can enter could hold a planted lock or socket: use our
      // own runtime folder instead, which a second copy finds the same way.
      const std::string own = RuntimeFolder();
      if (own.empty() || !EnsurePrivateFolder(own)) {
        std::cerr << "cellwright: no private folder for the single-instance guard\n";
        return;
      }
      folder = own;
      socketPath_ = WithSlash(folder) + name + ".sock";
    }
    const std::string lockPath = WithSlash(folder) + name + ".lock";
    lockFd_ = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lockFd_ < 0) return;
    if (flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
      alreadyRunning_ = (errno == EWOULDBLOCK);
      close(lockFd_);
      lockFd_ = -1;
      return;
    }
    Listen();
  }

  ~PosixInstanceLock() override {
    if (listenFd_ >= 0) {
      close(listenFd_);
      unlink(socketPath_.c_str());
    }
    if (lockFd_ >= 0) close(lockFd_);  // releases the flock
  }

  PosixInstanceLock(const PosixInstanceLock&) = delete;
  PosixInstanceLock& operator=(const PosixInstanceLock&) = delete;

  bool AlreadyRunning() const override { return alreadyRunning_; }

  void BringRunningCopyForward() override {
    sockaddr_un address{};
    if (!FillAddress(socketPath_, address)) return;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    // A connection is the whole request. When the first copy does not listen yet
    // there is simply no window to raise.
    [[maybe_unused]] const int result =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    close(fd);
  }

  bool TakeRaiseRequest() override {
    if (listenFd_ < 0) return false;
    bool any = false;
    for (;;) {
      const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
      if (fd < 0) break;
      any = true;
      close(fd);
    }
    return any;
  }

 private:
  void Listen() {
    sockaddr_un address{};
    if (!FillAddress(socketPath_, address)) return;
    unlink(socketPath_.c_str());  // left by a copy that crashed; we hold the lock now
    listenFd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0) return;
    if (bind(listenFd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(listenFd_, 4) != 0) {
      close(listenFd_);
      listenFd_ = -1;
    }
  }

  std::string socketPath_;
  int lockFd_ = -1;
  int listenFd_ = -1;
  bool alreadyRunning_ = false;
};

}  // namespace

std::unique_ptr<InstanceLock> AcquireInstanceLock(const std::string& folder,
                                                  const std::string& name) {
  return std::make_unique<PosixInstanceLock>(folder, name);
}

}  // namespace platform::posix
