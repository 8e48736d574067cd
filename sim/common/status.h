// Status numbers the simulated client leaves in a module's status cell when a request fails.
// Each has a Korean and an English text in the text module, so the box the editor shows always
// has a text. FailItems fixtures choose their own numbers instead.
#pragma once

enum SimStatus : unsigned {
    kStatusUnknownText = 9001,        // the text module does not know the number
    kStatusUnknownItem = 9002,        // the store has no item with that number
    kStatusWrongDirection = 9003,     // a read-only item was written, or a write-only one read
    kStatusTextTooLong = 9004,        // the answer does not fit the caller's buffer
    kStatusStoreRead = 9005,          // the store's registry key cannot be read
    kStatusStoreWrite = 9006,         // the store's registry key cannot be written
    kStatusEncrypt = 9007,            // a password cannot be encrypted
    kStatusDecrypt = 9008,            // a stored password cannot be decrypted
    kStatusNoSuchEntry = 9009,        // no start-list entry has that card name
    kStatusBadRecord = 9010,          // a start-list record is not "card;;value;;"
    kStatusNoPendingList = 9011,      // a start-list record came before item 73 opened a list
    kStatusUnknownCommand = 9012,     // the shared-memory module does not know the command
    kStatusAlreadyRegistered = 9013,  // another editor holds the registration
    kStatusNotRegistered = 9014,      // there is no registration of this process to remove
    kStatusSharedMemory = 9015,       // the shared memory cannot be created or mapped
    kStatusWrongName = 9016,          // the registration name is not "OvaSettings"
    kStatusBadArgument = 9017,        // a null cell or buffer where one is needed
    kStatusBufferSize = 9018,         // the size cell is smaller than the buffer must be
    kStatusLastReserved = 9050,       // 9019 .. 9050 are reserved, each with a generic text
};
