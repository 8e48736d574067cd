// One card enumeration through the client library, as every reader of the card list makes it:
// the fixed buffers of the call, and the log line that tells support which caller's call failed.
#pragma once

#include "client/ovacli.h"

#include <string>

struct CardEnumeration {
    int result = 0;    // QTV_CLI_enum_card's result, 0 for success
    DWORD size = 0;    // the size the library reported
    std::string text;  // the card list text, up to its zero and never past the buffer
};

// Enumerates the cards through HANDLE. A failure is logged as "CALLER : QTV_CLI_enum_card() is
// failed. nResult = %d, error = %s", cut at 259 characters, unless CALLER is null (a reader that
// logs nothing); showing a message is the caller's.
CardEnumeration EnumerateCards(QtvHandle handle, const char* caller);
