// A fresh directory for each test and whole-file helpers.
#include "scratch_directory.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace pennix {

void ScratchDirectoryTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pennix-store-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
}

void ScratchDirectoryTest::TearDown() {
    std::error_code ignored;
    std::filesystem::permissions(directory_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(directory_, ignored);
}

std::vector<std::string> ScratchDirectoryTest::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace pennix
