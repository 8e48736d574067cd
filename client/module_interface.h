// The object a run-time module of the client (OvaText.dll, OvaReg.dll, OvaShMem.dll) hands out
// from its factory, the export with ordinal 1.
#pragma once

// The vtable is the contract: Release is the first slot and Invoke the second. There is no
// virtual destructor, since under the GNU C++ ABI it would take two slots and move both.
class ModuleInterface {
public:
    // Ends the object; callers always pass 1.
    virtual int Release(int flag) = 0;

    // One declaration serves the three modules' argument lists, all of pointer size:
    //   text and store modules: command or item, value cell, text buffer, size cell, status cell;
    //   shared-memory module:   command, name, window cell, five zeros, five pointers to one
    //                           scratch cell, status cell (thirteen after the command).
    // Arguments a module does not take stay null. Non-zero means success.
    virtual int Invoke(unsigned command, void* arg1, void* arg2, void* arg3, void* arg4,
                       void* arg5 = nullptr, void* arg6 = nullptr, void* arg7 = nullptr,
                       void* arg8 = nullptr, void* arg9 = nullptr, void* arg10 = nullptr,
                       void* arg11 = nullptr, void* arg12 = nullptr, void* arg13 = nullptr) = 0;

protected:
    ~ModuleInterface() = default;
};

using ModuleFactory = ModuleInterface* (*)();
