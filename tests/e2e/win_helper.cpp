// Windows test helper, run under Wine by tests/e2e/windows.test:
//   win_helper hold FILE  opens FILE for reading and writing, shared with
//                         readers only (as an editor that has it open
//                         would), says "held" on standard output and keeps
//                         it open until standard input ends
//   win_helper launch PROGRAM
//                         starts PROGRAM with the raw command line in the
//                         environment variable NORVANE_RAW_COMMAND exactly
//                         as it is (its first word need not name PROGRAM),
//                         waits for it and exits with its status
//   win_helper dacl FILE [SDDL]
//                         with SDDL, gives FILE that access list; says
//                         FILE's access list in SDDL on standard output
#include <windows.h>
#include <sddl.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

int hold(const char *path) {
    HANDLE h = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "win_helper: cannot open %s (%lu)\n", path, GetLastError());
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    CloseHandle(h);
    return 0;
}

int launch(const char *program) {
    DWORD n = GetEnvironmentVariableA("NORVANE_RAW_COMMAND", nullptr, 0);
    if (n == 0) {
        std::fprintf(stderr, "win_helper: NORVANE_RAW_COMMAND is not set\n");
        return 2;
    }
    std::vector<char> line(n);
    GetEnvironmentVariableA("NORVANE_RAW_COMMAND", line.data(), n);
    STARTUPINFOA si;
    std::memset(&si, 0, sizeof si);
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(program, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &si, &pi)) {
        std::fprintf(stderr, "win_helper: cannot start %s (%lu)\n", line.data(), GetLastError());
        return 2;
    }
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD status = 2;
    GetExitCodeProcess(pi.hProcess, &status);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(status);
}

int dacl(const char *path, const char *sddl) {
    if (sddl) {
        PSECURITY_DESCRIPTOR sd = nullptr;
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd,
                                                                  nullptr) ||
            !SetFileSecurityA(path, DACL_SECURITY_INFORMATION, sd)) {
            std::fprintf(stderr, "win_helper: cannot set %s (%lu)\n", path, GetLastError());
            return 1;
        }
        LocalFree(sd);
    }
    DWORD need = 0;
    GetFileSecurityA(path, DACL_SECURITY_INFORMATION, nullptr, 0, &need);
    std::vector<unsigned char> sd(need ? need : 1);
    char *text = nullptr;
    if (!GetFileSecurityA(path, DACL_SECURITY_INFORMATION, sd.data(), need, &need) ||
        !ConvertSecurityDescriptorToStringSecurityDescriptorA(
            sd.data(), SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr)) {
        std::fprintf(stderr, "win_helper: cannot read %s (%lu)\n", path, GetLastError());
        return 1;
    }
    std::printf("%s\n", text);
    LocalFree(text);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 3 && std::strcmp(argv[1], "hold") == 0) return hold(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "launch") == 0) return launch(argv[2]);
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "dacl") == 0)
        return dacl(argv[2], argc == 4 ? argv[3] : nullptr);
    std::fprintf(stderr,
                 "usage: win_helper hold FILE | launch PROGRAM | dacl FILE [SDDL]\n");
    return 2;
}
