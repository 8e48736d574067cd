#include "store/card_enumeration.h"

#include "app/diagnostic_log.h"
#include "app/fixed_text.h"

#include <cstdio>
#include <cstring>

CardEnumeration EnumerateCards(QtvHandle handle, const char* caller) {
    char list[kQtvCardListSize] = {};
    char error[kQtvErrorSize] = {};
    CardEnumeration answer;
    answer.size = kQtvCardListSize;
    answer.result = QTV_CLI_enum_card(handle, list, &answer.size, error);
    if (answer.result != 0) {
        if (caller == nullptr) return answer;
        char line[260] = {};
        std::snprintf(line, sizeof line,
                      "%s : QTV_CLI_enum_card() is failed. nResult = %d, error = %.*s", caller,
                      answer.result, static_cast<int>(strnlen(error, sizeof error - 1)), error);
        WriteLog(line);
        return answer;
    }
    answer.text = TextOf(list, sizeof list);
    return answer;
}
