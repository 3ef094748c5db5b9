#include "support/run_program.h"

#ifdef _WIN32
#include "platform/win32_text.h"
#else
#include <cstdlib>
#include <sys/wait.h>
#endif

namespace zw::test {

#ifdef _WIN32

namespace {

// One argument quoted as CommandLineToArgvW splits it back.
std::wstring quotedArgument(const std::wstring& arg) {
    std::wstring q = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        q.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        q += c;
    }
    q.append(2 * backslashes, L'\\');
    return q + L"\"";
}

HANDLE inheritableOutput(const std::string& path) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    return CreateFileW(toUtf16(path).value_or(L"").c_str(), GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

int runProgram(const std::string& program, const std::vector<std::string>& args,
               const std::string& outFile, const std::string& errFile) {
    std::wstring line = quotedArgument(toUtf16(program).value_or(L""));
    for (const std::string& a : args)
        line += L" " + quotedArgument(toUtf16(a).value_or(L""));
    PROCESS_INFORMATION pi{};
    BOOL started = FALSE;
    DWORD startError = 0;
    // Under Wine a start now and then fails while the prefix's session is
    // busy starting other programs; the tests are about the program, so a
    // failed start is tried again before it counts.
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        if (attempt > 0)
            Sleep(200);
        HANDLE out = inheritableOutput(outFile);
        HANDLE err = inheritableOutput(errFile);
        STARTUPINFOW si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        si.hStdOutput = out;
        si.hStdError = err;
        started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                 &si, &pi);
        startError = started ? 0 : GetLastError();
        CloseHandle(out);
        CloseHandle(err);
    }
    if (!started) {
        // The reason goes where the test prints the program's errors.
        const std::string reason =
            "could not start " + program + ": error " + std::to_string(startError) + "\n";
        HANDLE err = inheritableOutput(errFile);
        DWORD written = 0;
        WriteFile(err, reason.data(), static_cast<DWORD>(reason.size()), &written, nullptr);
        CloseHandle(err);
        return -1;
    }
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

#else

namespace {

std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

} // namespace

int runProgram(const std::string& program, const std::vector<std::string>& args,
               const std::string& outFile, const std::string& errFile) {
    std::string cmd = quoted(program);
    for (const auto& a : args)
        cmd += " " + quoted(a);
    cmd += " >" + quoted(outFile) + " 2>" + quoted(errFile);
    const int raw = std::system(cmd.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

#endif

} // namespace zw::test
