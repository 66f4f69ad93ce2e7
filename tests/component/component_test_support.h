// Scratch folders, environment overrides and child processes for the
// component tests.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korbit::testing {

// A fresh, empty folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& path() const noexcept { return path_; }

private:
    std::filesystem::path path_;
};

// Sets (or, with nothing, unsets) an environment variable and restores it.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::optional<std::string>& value);
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv();

private:
    std::string name_;
    std::optional<std::string> old_;
};

struct ChildResult {
    int exitCode = -1;   // -1 when the child did not exit normally
    std::string output;  // standard output and standard error together
};

// Runs `program` with `args` in this process's environment, with the
// variables in `env` set to the values given; waits for it to end.
ChildResult runChild(const std::filesystem::path& program, const std::vector<std::string>& args,
                     const std::vector<std::pair<std::string, std::string>>& env);

// The value of "key=value" lines in `output`; nothing when there is none.
std::optional<std::string> field(const std::string& output, const std::string& key);

std::string readText(const std::filesystem::path& file);
void writeText(const std::filesystem::path& file, const std::string& text);

}  // namespace korbit::testing
