#include "resources/cursor_table.h"

namespace CursorTable {

const Entry *Find(int number)
{
    for (const Entry &entry : Entries) {
        if (entry.number == number)
            return &entry;
    }
    return nullptr;
}

} // namespace CursorTable
