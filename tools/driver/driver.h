// The e2e driver: drives a running OvaSettings.exe from outside, as a person would, through the
// windows it shows. Everything here works across processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

struct Process {
    HANDLE handle = nullptr;
    DWORD pid = 0;
};

// Starts COMMAND_LINE; the caller ends the handle with CloseProcess.
Process Start(const std::string& commandLine);
void CloseProcess(Process& process);
// Waits for the process to end; true with its exit code when it did within TIMEOUT_MS.
bool WaitForExit(const Process& process, DWORD timeoutMs, DWORD* exitCode = nullptr);
// Runs COMMAND_LINE to its end and returns its exit code, its standard output in *OUT. -1 when
// it could not be started (the last error says why) or did not end within TIMEOUT_MS (the last
// error is WAIT_TIMEOUT, and the process is ended).
int Run(const std::string& commandLine, std::string* out = nullptr, DWORD timeoutMs = 60000);

// The first visible dialog window (class #32770) of process PID that satisfies the test, polled
// until TIMEOUT_MS, every POLL_MS: a message box is one that has the text control 0xFFFF.
HWND WaitForDialog(DWORD pid, DWORD timeoutMs, DWORD pollMs = 50);
HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs);
bool IsMessageBox(HWND window);

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
// Presses a button of a dialog or message box without waiting for what the press starts.
void Click(HWND dialog, int id);
// Chooses the line LINE of combo box ID in DIALOG as the keyboard does: the list drops down (its
// page may fill it then), the arrow keys walk to the line and Enter takes it, so the page hears
// what a user's choice sends. False when the list has no such line.
bool Choose(HWND dialog, int id, const std::string& line);

// The folder of this program (no trailing backslash), where the build's programs lie.
std::string OwnFolder();

}  // namespace driver

namespace driver {

// The processes whose executable file name is EXE_NAME (case ignored), by id.
std::vector<DWORD> ProcessesNamed(const char* exeName);
// The file names of the modules process PID has loaded, in lower case.
std::vector<std::string> LoadedModules(DWORD pid);
// The command line another process was started with, read from its own memory.
std::string ProcessCommandLine(DWORD pid);
// Selects tab INDEX of the tab control ID in DIALOG with the arrow keys, as a user would: the
// control's own notifications go out (TCM_SETCURSEL would send none). True when it got there.
bool SelectTab(HWND dialog, int id, int index);
// Ends process PID and waits for it.
void EndProcess(DWORD pid);

}  // namespace driver
