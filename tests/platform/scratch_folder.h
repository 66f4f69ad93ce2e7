// A private temporary folder removed with its contents after the test, and
// environment variables set for the length of one test.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korbit::testing {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "korbit-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a scratch folder");
        }
        path_ = std::filesystem::canonical(pattern).string();
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const noexcept { return path_; }  // absolute, no trailing "/"
    std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

    // Create a file of `size` bytes or a folder, with missing parents; return its path.
    std::string file(std::string_view name, std::size_t size = 0) const {
        std::filesystem::create_directories(std::filesystem::path(*this / name).parent_path());
        std::ofstream(*this / name, std::ios::binary) << std::string(size, 'x');
        return *this / name;
    }
    std::string folder(std::string_view name) const {
        std::filesystem::create_directories(*this / name);
        return *this / name;
    }

private:
    std::string path_;
};

// Sets `name` to `value` (removes it for nothing) and restores it afterwards.
class ScopedVariable {
public:
    ScopedVariable(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) {
            saved_ = old;
        }
        set(value);
    }
    ~ScopedVariable() { set(saved_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void set(const std::optional<std::string>& value) const {
        value ? ::setenv(name_.c_str(), value->c_str(), 1) : ::unsetenv(name_.c_str());
    }

    std::string name_;
    std::optional<std::string> saved_;
};

}  // namespace korbit::testing
