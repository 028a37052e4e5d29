// A fresh folder under the system's temporary folder, removed with everything
// in it when the object ends.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

namespace tolvo {

class TempFolder {
public:
    TempFolder()
    {
        static std::atomic<unsigned> serial{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder = std::filesystem::temp_directory_path() /
                 ("tolvo-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
        std::filesystem::create_directories(folder);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return folder; }

private:
    std::filesystem::path folder;
};

} // namespace tolvo
