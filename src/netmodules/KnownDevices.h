// The gateway and module lists hold each device once, keyed by its MAC.
#pragma once

#include <cstring>

// Where the record with this MAC sits among the first count records, or the slot
// appended for it (count grows by one); -1 when it is not there and the list is full.
template <class Record> int FindOrAppendByMAC(Record* records, int& count, int capacity, const char* mac) {
    for (int i = 0; i < count; ++i)
        if (std::strcmp(records[i].MAC, mac) == 0) return i;
    if (count >= capacity) return -1;
    return count++;
}
