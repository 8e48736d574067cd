// Fail-fast checks for programming errors. Where MFC would throw (an index outside a table, a
// control id that is not in the template), the framework stops the process instead: the program
// uses no exceptions, and a wrong call must not go on with made-up values.
#pragma once

// Prints the failed condition with its place (standard error and the debugger), then aborts.
// Active in every build.
[[noreturn]] void AfxAssertFailed(const char* condition, const char* file, int line);

#define AFX_ASSERT(cond) ((cond) ? (void)0 : AfxAssertFailed(#cond, __FILE__, __LINE__))
