// The interface texts a window hands on to its controls, as a table of the window's own.
#pragma once

#include "afx/afxwin.h"

#include <cstddef>
#include <string>

// A control and the index of the text that becomes its caption.
struct Caption {
    int control;
    int text;
};

// Sets each control of the table from TEXTS, which holds at least every index the table names.
template <std::size_t N>
void SetCaptions(CWnd& window, const Caption (&captions)[N], const std::string* texts) {
    for (const Caption& caption : captions)
        window.SetDlgItemText(caption.control, texts[caption.text]);
}
