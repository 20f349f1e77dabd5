// The script runner: starts a script file as a program of its own, with its
// arguments, and returns at once. The program never waits for a script and
// takes nothing back from it. Tests install a recording runner.
#pragma once

#include "bundle.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace nalvo {

class ScriptRunner {
public:
    virtual ~ScriptRunner() = default;
    // Starts `file` (nothing: no file was found) with `arguments`. Returns
    // at once and never throws; a file that cannot run is reported in one
    // notice line.
    virtual void run(const std::optional<std::filesystem::path>& file, const std::vector<std::string>& arguments) = 0;
};

// The installed runner; until one is installed, the process runner.
ScriptRunner& scriptRunner();
// Installs `runner` (null: the process runner) and returns the previous one.
std::shared_ptr<ScriptRunner> setScriptRunner(std::shared_ptr<ScriptRunner> runner);

// Runs the script `file` with `arguments` through the installed runner.
void runScript(const std::optional<FolderItem>& file, const std::vector<std::string>& arguments = {});
void runScript(const std::filesystem::path& file, const std::vector<std::string>& arguments = {});

// The program's runner: checks that the file is an executable regular file,
// then starts it detached (double fork, new session, stdin from /dev/null).
class ProcessScriptRunner final : public ScriptRunner {
public:
    void run(const std::optional<std::filesystem::path>& file, const std::vector<std::string>& arguments) override;
};

}  // namespace nalvo
