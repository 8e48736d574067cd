// The diagnostic log: "%APPDATA%\Ovanta\OvaSettings.log", one time-stamped line per call, with one
// backup generation. It is written only when start-up or a call into the client fails.
#pragma once

#include <string>

// Appends MESSAGE (at most 1023 bytes; a longer one is replaced by a fixed text). Every failure
// is silent: no folder, no file, no write, no rotation.
void WriteLog(std::string message);
