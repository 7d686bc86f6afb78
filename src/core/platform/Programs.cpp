#include "core/platform/Programs.h"

#include "core/platform/NativePath.h"

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace vantrel::platform {

#ifdef _WIN32

std::vector<std::string> calculatorPrograms() { return {"Calc.exe"}; }

std::string programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return pathText(std::filesystem::path(path).parent_path());
}

namespace {

// One argument as the C runtime's command-line parser reads it back: in double quotes, with the
// backslashes before a quote doubled.
std::wstring quotedArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

std::wstring commandLineOf(const std::string& program, const std::vector<std::string>& arguments) {
    std::wstring commandLine = quotedArgument(nativePath(program).wstring());
    for (const std::string& argument : arguments)
        commandLine += L" " + quotedArgument(nativePath(argument).wstring());
    return commandLine;
}

HANDLE outputHandle(const std::string& file) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const std::wstring name = file.empty() ? std::wstring(L"NUL") : nativePath(file).wstring();
    return CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

int runProgram(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& outputFile, const std::string& errorFile) {
    std::wstring commandLine = commandLineOf(program, arguments);
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE input = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE output = outputHandle(outputFile);
    HANDLE error = outputHandle(errorFile);
    int status = -1;
    if (input != INVALID_HANDLE_VALUE && output != INVALID_HANDLE_VALUE && error != INVALID_HANDLE_VALUE) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = input;
        startup.hStdOutput = output;
        startup.hStdError = error;
        PROCESS_INFORMATION process{};
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                           &startup, &process)) {
            WaitForSingleObject(process.hProcess, INFINITE);
            DWORD code = 0;
            if (GetExitCodeProcess(process.hProcess, &code))
                status = static_cast<int>(code);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }
    for (HANDLE h : {input, output, error})
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    return status;
}

bool startProgram(const std::string& program, const std::vector<std::string>& arguments, bool minimized) {
    std::wstring commandLine = commandLineOf(program, arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (minimized) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWMINIMIZED;
    }
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

#else

std::vector<std::string> calculatorPrograms() {
    return {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc", "qalculate-gtk"};
}

std::string programFolder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.parent_path().string();
}

int runProgram(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& outputFile, const std::string& errorFile) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int flags = O_WRONLY | O_CREAT | O_TRUNC;
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.empty() ? "/dev/null" : outputFile.c_str(), flags, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile.empty() ? "/dev/null" : errorFile.c_str(), flags, 0644);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int started = posix_spawnp(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        return -1;
    int raw = 0;
    while (waitpid(child, &raw, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

#endif

} // namespace vantrel::platform
