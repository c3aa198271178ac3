#include "records/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace crossmere {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
 protected:
  AtomicFile() : folder(fs::temp_directory_path() / ("crossmere-atomic-" + std::to_string(::getpid()))) {
    fs::create_directories(folder);
  }
  ~AtomicFile() override { fs::remove_all(folder); }

  static std::vector<std::uint8_t> Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
  }

  fs::path folder;
  const std::vector<std::uint8_t> first{1, 2, 3, 4};
  const std::vector<std::uint8_t> second = std::vector<std::uint8_t>(5000, 7);
};

TEST_F(AtomicFile, WritesAndReplacesWholeFiles) {
  const fs::path path = folder / "work";
  EXPECT_EQ(WriteFileAtomically(path.string(), first), std::nullopt);
  EXPECT_EQ(Read(path), first);
  EXPECT_EQ(WriteFileAtomically(path.string(), second), std::nullopt);
  EXPECT_EQ(Read(path), second);
  EXPECT_EQ(FilesInFolder(), 1u) << "no temporary is left";
}

TEST_F(AtomicFile, AFolderThatIsNotThereIsAReasonNotAFile) {
  const fs::path path = folder / "missing" / "work";
  EXPECT_EQ(WriteFileAtomically(path.string(), first), "No such file or directory");
  EXPECT_FALSE(fs::exists(path));
}

// A write cut short (a full disk; here a file size limit, which holds even
// for root) leaves the earlier file and no temporary.
TEST_F(AtomicFile, AWriteCutShortLeavesTheEarlierFile) {
  const fs::path path = folder / "work";
  ASSERT_EQ(WriteFileAtomically(path.string(), first), std::nullopt);
  rlimit limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit small{64, limit.rlim_max};
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const auto failure = WriteFileAtomically(path.string(), second);
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, handler);
  EXPECT_EQ(failure, "File too large");
  EXPECT_EQ(Read(path), first);
  EXPECT_EQ(FilesInFolder(), 1u);
}

}  // namespace
}  // namespace crossmere
