// Reading a whole file in one piece, as it stands on disk (no line-end translation).
#pragma once

#include <optional>
#include <string>

// The content of the file at PATH, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileContent(const std::string& path);
