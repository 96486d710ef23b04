#pragma once

#include <cstdint>

// The language entry that names an edit of operation code `op` in the Undo
// and Redo items ("Отменить: дверь"); 0 for a code that is no edit the user
// makes (creation, flags, scale, origin) or that is unknown.
int EditOpNameEntry(int32_t op);
