#include "sim/store/store_items.h"

namespace sim {

const StoredItem* FindReadItem(unsigned number) {
    for (const StoredItem& item : kStoredItems)
        if (item.number == number && IsReadItem(item)) return &item;
    return nullptr;
}

const StoredItem* FindStoredItem(unsigned number) {
    for (const StoredItem& item : kStoredItems)
        if (item.number == number) return &item;
    return nullptr;
}

std::vector<const StoredItem*> ItemsWrittenBy(unsigned writer) {
    std::vector<const StoredItem*> items;
    if (writer == 0) return items;  // 0 marks the values nothing writes
    for (const StoredItem& item : kStoredItems)
        if (item.writer == writer) items.push_back(&item);
    return items;
}

}  // namespace sim
