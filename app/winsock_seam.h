// Winsock's start and end for the application object. The start goes through a replaceable
// function so that a failing start can be shown in-process: it cannot be provoked from outside.
#pragma once

#include <winsock2.h>

using WinsockStartup = int(WSAAPI*)(WORD version, WSADATA* data);

// WSAStartup for version 2.2; non-zero on failure.
int StartWinsock();
void EndWinsock();

// Tests only: the function StartWinsock calls; null restores WSAStartup.
void SetWinsockStartup(WinsockStartup startup);
