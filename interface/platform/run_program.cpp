#include "interface/platform/run_program.h"

#ifdef _WIN32
#include <windows.h>

#include <filesystem>

#include "project/file_names.h"
#else
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;
#endif

namespace velmar {

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(size > 0 ? size - 1 : 0, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), size);
    return wide;
}

// One argument of a command line, quoted so that the child's argument parser gives it back:
// a quote is escaped with a backslash, and backslashes are doubled where they come before a
// quote, the closing one included ("C:\Data Files\" would otherwise end in a quote).
std::wstring QuotedArgument(const std::string& text) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : Wide(text)) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

}  // namespace

ProgramExit RunProgramAndWaitFor(const std::string& program, const std::vector<std::string>& arguments,
                                 const std::string& folder) {
    // The program is named to the system as well as on the command line, so that it is not
    // looked for along the search path, and a relative name is taken from the folder.
    std::filesystem::path executable = PathFromText(program);
    if (executable.is_relative() && !folder.empty()) executable = PathFromText(folder) / executable;
    std::wstring command = QuotedArgument(program);
    for (const std::string& argument : arguments) command += L" " + QuotedArgument(argument);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    const std::wstring directory = Wide(folder);
    if (!CreateProcessW(executable.c_str(), command.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, folder.empty() ? nullptr : directory.c_str(), &startup, &process)) {
        return {static_cast<int>(GetLastError()), 0};
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    const bool known = GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return {0, known ? static_cast<int>(code) : -1};
}

#else

namespace {

// The exit status of a wait's result; -1 when the wait itself failed.
int ExitStatus(bool waited, int status) {
    if (!waited) return -1;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

// The child's start: its current directory when one is given. The spawn reports a folder it
// cannot enter as it reports a program it cannot start.
class SpawnActions {
public:
    explicit SpawnActions(const std::string& folder) {
        posix_spawn_file_actions_init(&actions_);
        if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions_, folder.c_str());
    }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

}  // namespace

ProgramExit RunProgramAndWaitFor(const std::string& program, const std::vector<std::string>& arguments,
                                 const std::string& folder) {
    std::vector<char*> argv;
    std::string program_copy = program;
    std::vector<std::string> argument_copies = arguments;
    argv.push_back(program_copy.data());
    for (std::string& argument : argument_copies) argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t child = 0;
    const SpawnActions actions(folder);
    const int error = posix_spawn(&child, program.c_str(), actions.get(), nullptr, argv.data(), environ);
    if (error != 0) return {error, 0};
    int status = 0;
    pid_t waited = 0;
    do {
        waited = waitpid(child, &status, 0);
    } while (waited < 0 && errno == EINTR);
    return {0, ExitStatus(waited == child, status)};
}

#endif

}  // namespace velmar
