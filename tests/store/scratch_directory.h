// A fresh directory for each test, removed afterwards, and whole-file helpers over it.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace pennix {

class ScratchDirectoryTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path Path(const std::string& name) const { return directory_ / name; }
    const std::filesystem::path& Directory() const { return directory_; }

    // The names in the directory, sorted, so that a stray temporary file shows.
    std::vector<std::string> Names() const;

    // Whether `check` holds for a player without privileges. Permissions do not stop root, and
    // the tests often run as root (in CI, say): then the scratch directory is handed to user
    // "nobody" and `check` runs in a child process that has become that user.
    bool HoldsWithoutPrivileges(const std::function<bool()>& check) const;

    // False where root cannot become user nobody (a container without the capability, say), or
    // nobody cannot reach the scratch directory: tests of permissions then have to be skipped.
    bool CanCheckWithoutPrivileges() const;

  private:
    std::filesystem::path directory_;
};

// Runs `write` with files limited to `limit` bytes, which makes the write of a temporary file
// fail half way, as a full disk would.
bool WrittenUnderSizeLimit(std::size_t limit, const std::function<bool()>& write);

std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);

}  // namespace pennix
