#include "script.h"

#include "runtime.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace nalvo {

namespace {

std::shared_ptr<ScriptRunner>& installed() {
    static std::shared_ptr<ScriptRunner> runner = std::make_shared<ProcessScriptRunner>();
    return runner;
}

void cannotRun(const std::filesystem::path& file, const std::string& why) {
    printNotice("Cannot run the script " + file.string() + ": " + why + ".");
}

// Starts argv[0] in a grandchild that no one waits for; returns 0 or the
// errno of the failed start.
int spawnDetached(std::vector<char*>& argv) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return errno;
    const pid_t child = ::fork();
    if (child == 0) {
        // Only async-signal-safe calls from here on.
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild != 0) {
            if (grandchild < 0) {
                int err = errno;
                (void)!::write(pipeFds[1], &err, sizeof err);
            }
            ::_exit(0);
        }
        sigset_t none;
        ::sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        const int devNull = ::open("/dev/null", O_RDONLY);
        if (devNull >= 0) {
            ::dup2(devNull, STDIN_FILENO);
            if (devNull != STDIN_FILENO) ::close(devNull);
        }
        ::execv(argv[0], argv.data());
        int err = errno;
        (void)!::write(pipeFds[1], &err, sizeof err);
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    if (child < 0) {
        const int err = errno;
        ::close(pipeFds[0]);
        return err;
    }
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    // The pipe closes when the script has started (close-on-exec) and
    // carries an errno when it could not start.
    int err = 0;
    ssize_t got;
    do {
        got = ::read(pipeFds[0], &err, sizeof err);
    } while (got < 0 && errno == EINTR);
    ::close(pipeFds[0]);
    return got == static_cast<ssize_t>(sizeof err) ? err : 0;
}

}  // namespace

ScriptRunner& scriptRunner() {
    return *installed();
}

std::shared_ptr<ScriptRunner> setScriptRunner(std::shared_ptr<ScriptRunner> runner) {
    if (!runner) runner = std::make_shared<ProcessScriptRunner>();
    installed().swap(runner);
    return runner;
}

void runScript(const std::optional<FolderItem>& file, const std::vector<std::string>& arguments) {
    if (file) {
        scriptRunner().run(file->path(), arguments);
    } else {
        scriptRunner().run(std::nullopt, arguments);
    }
}

void runScript(const std::filesystem::path& file, const std::vector<std::string>& arguments) {
    scriptRunner().run(file, arguments);
}

void ProcessScriptRunner::run(const std::optional<std::filesystem::path>& file,
                              const std::vector<std::string>& arguments) {
    try {
        if (!file || file->empty()) {
            printNotice("Cannot run a script: its file was not found.");
            return;
        }
        struct stat info {};
        if (::stat(file->c_str(), &info) != 0) {
            cannotRun(*file, errno == ENOENT ? "no such file" : std::strerror(errno));
            return;
        }
        if (!S_ISREG(info.st_mode) || ::access(file->c_str(), X_OK) != 0) {
            cannotRun(*file, "not an executable file");
            return;
        }
        std::string program = file->string();
        std::vector<std::string> args = arguments;
        std::vector<char*> argv;
        argv.reserve(args.size() + 2);
        argv.push_back(program.data());
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (const int err = spawnDetached(argv)) cannotRun(*file, std::strerror(err));
    } catch (const std::exception& e) {
        cannotRun(file ? *file : std::filesystem::path(), e.what());
    } catch (...) {
    }
}

}  // namespace nalvo
