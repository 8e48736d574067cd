// The machine's network cards as the client enumerated them once, at program start: the list the
// Windows logon and wired/wireless switch pages offer, and that OK reads back by position (the
// position of a card here is the position of its name in every combo box filled in list order).
#pragma once

#include "client/ovacli.h"
#include "store/card_list_text.h"

#include <vector>

class NicsInfo {
public:
    // Starts Winsock, opens a client library handle of its own and enumerates the cards once. A
    // failure shows its message and leaves the list empty; nothing is released afterwards.
    NicsInfo();
    NicsInfo(const NicsInfo&) = delete;
    NicsInfo& operator=(const NicsInfo&) = delete;

    // Appends the cards of one enumeration; true when the list then holds at least one card.
    bool GetNicListFromOvantaQTV();
    int GetNicCount() const { return static_cast<int>(m_list.size()); }
    // Copies the card at INDEX into *OUT. INDEX counts as unsigned, so the -1 of a combo box
    // without a selection is past the end: false, and *OUT stays as it was.
    bool GetNicAt(int index, NicEntry* out) const;

    std::vector<NicEntry>::const_iterator begin() const { return m_list.begin(); }
    std::vector<NicEntry>::const_iterator end() const { return m_list.end(); }

private:
    std::vector<NicEntry> m_list;
    QtvHandle m_hLibrary = 0;  // this list's own handle, never closed
};

// The process-wide card list, or null in a process that has made none.
NicsInfo* GetNicsInfo();
// Makes the process-wide card list. The program does it once during its static initialisation,
// before the application starts; the list lives until the process ends.
NicsInfo* MakeProcessNicsInfo();
