// The running Windows version as the program's version code, and the NT-family test built on it.
#pragma once

// 1..24 by the version table, 0 when the version is not classified or cannot be queried.
// Nothing is cached: every call asks the system.
int GetWindowsVersionCode();

// True for the NT platform from 3.0 on, as far as the table knows it.
bool IsNtFamily();
