#include "records/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace crossmere {
namespace {

std::string Reason(int error) { return std::strerror(error); }

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::string name = path + ".XXXXXX";
  std::vector<char> temporary(name.begin(), name.end());
  temporary.push_back('\0');
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return Reason(errno);
  auto fail = [&](int error) {
    close(fd);
    unlink(temporary.data());
    return std::optional<std::string>(Reason(error));
  };
  // mkstemp makes the file private; a saved file is as readable as any other.
  if (fchmod(fd, 0644) != 0) return fail(errno);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return fail(written < 0 ? errno : EIO);
    done += static_cast<std::size_t>(written);
  }
  if (fsync(fd) != 0) return fail(errno);
  if (close(fd) != 0) {
    const int error = errno;
    unlink(temporary.data());
    return Reason(error);
  }
  if (std::rename(temporary.data(), path.c_str()) != 0) {
    const int error = errno;
    unlink(temporary.data());
    return Reason(error);
  }
  return std::nullopt;
}

}  // namespace crossmere
