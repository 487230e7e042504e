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

int ForTool(int tool)
{
    switch (tool) {
    case 0:
        return Crayon;
    case 1:
        return Paintbrush;
    case 2:
        return Pencil;
    default:
        return 0;
    }
}

} // namespace CursorTable
