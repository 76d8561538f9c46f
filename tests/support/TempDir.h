// A fresh folder under the system's temporary folder, removed with what it holds (made writable
// again first) when the holder goes.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

namespace testsupport {

struct TempDir {
    const std::filesystem::path path = Fresh();
    TempDir() { std::filesystem::create_directories(path); }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

private:
    static std::filesystem::path Fresh() {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        return std::filesystem::temp_directory_path() /
               ("vigilon-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    }
};

}  // namespace testsupport
