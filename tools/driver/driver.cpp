#include "tools/driver/driver.h"

#include <vector>

namespace driver {
namespace {

constexpr int kMessageBoxTextId = 0xFFFF;

struct Search {
    DWORD pid;
    bool wantMessageBox;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className - 1);
    if (pid != search->pid || !IsWindowVisible(window) || lstrcmpA(className, "#32770") != 0)
        return TRUE;
    if (search->wantMessageBox && !IsMessageBox(window)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND Poll(DWORD pid, bool wantMessageBox, DWORD timeoutMs, DWORD pollMs = 50) {
    // a cold wineserver can report idle before the first window exists, so poll for it
    DWORD start = GetTickCount();
    for (;;) {
        Search search{pid, wantMessageBox, nullptr};
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (GetTickCount() - start > timeoutMs) return nullptr;
        Sleep(pollMs);
    }
}

// Now and then Wine loses a child while it starts, before it has run a line of its own:
// CreateProcess then fails with ERROR_INTERNAL_ERROR. Such a start is tried again, three times in
// all; every other failure is the caller's to see.
BOOL StartChild(const std::string& commandLine, BOOL inheritHandles, STARTUPINFOA* si,
                PROCESS_INFORMATION* pi) {
    for (int attempt = 1;; ++attempt) {
        std::string line = commandLine;
        if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, inheritHandles, 0, nullptr,
                           nullptr, si, pi))
            return TRUE;
        if (GetLastError() != ERROR_INTERNAL_ERROR || attempt == 3) return FALSE;
        Sleep(100);
    }
}

}  // namespace

Process Start(const std::string& commandLine) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    Process process;
    if (StartChild(commandLine, FALSE, &si, &pi)) {
        CloseHandle(pi.hThread);
        process.handle = pi.hProcess;
        process.pid = pi.dwProcessId;
    }
    return process;
}

void CloseProcess(Process& process) {
    if (process.handle) CloseHandle(process.handle);
    process = Process{};
}

bool WaitForExit(const Process& process, DWORD timeoutMs, DWORD* exitCode) {
    if (!process.handle || WaitForSingleObject(process.handle, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode) GetExitCodeProcess(process.handle, exitCode);
    return true;
}

int Run(const std::string& commandLine, std::string* out, DWORD timeoutMs) {
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0)) return -1;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    const BOOL started = StartChild(commandLine, TRUE, &si, &pi);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return -1;
    }
    // The output is read only as far as it has come, so that a program that hangs with its output
    // open is still given up on in time. Reading stops when the pipe breaks (every writer closed
    // it), or when nothing more has come once the program has ended (a writer it left behind
    // keeps the pipe whole).
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    std::string text;
    char chunk[4096];
    bool ended = false;
    for (DWORD waiting = 0; GetTickCount64() < deadline;) {
        if (!PeekNamedPipe(readEnd, nullptr, 0, nullptr, &waiting, nullptr)) break;
        DWORD got = 0;
        if (waiting > 0) {
            if (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr)) text.append(chunk, got);
            continue;
        }
        if (ended) break;
        ended = WaitForSingleObject(pi.hProcess, 10) == WAIT_OBJECT_0;
    }
    CloseHandle(readEnd);
    const ULONGLONG now = GetTickCount64();
    const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
    DWORD exit = static_cast<DWORD>(-1);
    ended = ended || WaitForSingleObject(pi.hProcess, left) == WAIT_OBJECT_0;
    if (ended)
        GetExitCodeProcess(pi.hProcess, &exit);
    else
        TerminateProcess(pi.hProcess, exit);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (out) *out = text;
    if (!ended) SetLastError(WAIT_TIMEOUT);
    return static_cast<int>(exit);
}

HWND WaitForDialog(DWORD pid, DWORD timeoutMs, DWORD pollMs) {
    return Poll(pid, false, timeoutMs, pollMs);
}

HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
    return Poll(pid, true, timeoutMs);
}

bool IsMessageBox(HWND window) {
    return GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

std::string WindowText(HWND window) {
    // WM_GETTEXT is marshalled across processes by the system
    int length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

std::string ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control ? WindowText(control) : std::string();
}

void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool Choose(HWND dialog, int id, const std::string& line) {
    HWND box = GetDlgItem(dialog, id);
    if (!box) return false;
    const auto key = [box](WPARAM code) {
        SendMessageA(box, WM_KEYDOWN, code, 0);
        SendMessageA(box, WM_KEYUP, code, 0xC0000000);
    };
    SendMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);
    // The lines are read in UTF-16: Wine hands a line to another process in UTF-16 even when the
    // ANSI message asks for it, and would overrun a buffer sized for the ANSI text.
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, nullptr, 0);
    std::wstring wanted(static_cast<size_t>(wideLength > 0 ? wideLength : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, wanted.data(), wideLength);
    int target = -1;
    const int count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count && target < 0; ++i) {
        const int length = static_cast<int>(SendMessageW(box, CB_GETLBTEXTLEN, i, 0));
        std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        if (lstrcmpW(text.c_str(), wanted.c_str()) == 0) target = i;
    }
    if (target < 0) {
        key(VK_ESCAPE);
        return false;
    }
    int at = static_cast<int>(SendMessageA(box, CB_GETCURSEL, 0, 0));
    if (at < 0) {
        key(VK_DOWN);  // the first press takes the first line
        at = 0;
    }
    for (; at < target; ++at) key(VK_DOWN);
    for (; at > target; --at) key(VK_UP);
    key(VK_RETURN);
    return SendMessageA(box, CB_GETCURSEL, 0, 0) == target;
}

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\'));
}

}  // namespace driver

#include <commctrl.h>
#include <tlhelp32.h>
#include <winternl.h>

namespace driver {

std::vector<DWORD> ProcessesNamed(const char* exeName) {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, exeName) == 0) ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}

std::vector<std::string> LoadedModules(DWORD pid) {
    std::vector<std::string> names;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE) return names;
    MODULEENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32First(snapshot, &entry); more; more = Module32Next(snapshot, &entry))
        names.push_back(CharLowerA(entry.szModule));
    CloseHandle(snapshot);
    return names;
}

std::string ProcessCommandLine(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) return {};
    std::string result;
    // the command line lies in the process's parameters block, which its PEB points to
    using QueryInformation = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<QueryInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    PEB peb = {};
    RTL_USER_PROCESS_PARAMETERS parameters = {};
    SIZE_T got = 0;
    if (query && query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) == 0 &&
        ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof peb, &got) &&
        ReadProcessMemory(process, peb.ProcessParameters, &parameters, sizeof parameters, &got)) {
        std::wstring line(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
        if (ReadProcessMemory(process, parameters.CommandLine.Buffer, line.data(),
                              parameters.CommandLine.Length, &got)) {
            int n = WideCharToMultiByte(CP_ACP, 0, line.c_str(), static_cast<int>(line.size()),
                                        nullptr, 0, nullptr, nullptr);
            result.assign(static_cast<size_t>(n), '\0');
            WideCharToMultiByte(CP_ACP, 0, line.c_str(), static_cast<int>(line.size()),
                                result.data(), n, nullptr, nullptr);
        }
    }
    CloseHandle(process);
    return result;
}

void EndProcess(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!process) return;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
}

}  // namespace driver

namespace driver {

bool SelectTab(HWND dialog, int id, int index) {
    HWND tab = GetDlgItem(dialog, id);
    if (!tab) return false;
    int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    if (index < 0 || index >= count) return false;
    for (int tries = 0; tries < 2 * count; ++tries) {
        int current = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
        if (current == index) return true;
        WPARAM key = current < index ? VK_RIGHT : VK_LEFT;
        SendMessageA(tab, WM_KEYDOWN, key, 0);
        SendMessageA(tab, WM_KEYUP, key, 0xC0000001);
    }
    return static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)) == index;
}

}  // namespace driver
