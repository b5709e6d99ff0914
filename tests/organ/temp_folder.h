#pragma once
// A folder of its own under the temporary folder, removed with everything in it at the end. Named by
// the clock, so that test programs running side by side (native, sanitized, under Wine) never share one.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

class TempFolder {
  public:
    explicit TempFolder(const std::string& prefix) {
        static std::atomic<int> made{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                (prefix + "-" + std::to_string(stamp) + "-" + std::to_string(made++));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};
