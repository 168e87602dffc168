// Output shared by every program: the answer goes to standard output in
// whole blocks, and output that cannot be written ends the program with
// status 1 instead of being lost without notice.
#pragma once

#include <cstddef>

// Wide enough for the exact product or sum of 64-bit values.
__extension__ typedef __int128 wide;

// Writes the n bytes at p to standard output. If they cannot all be written,
// prints "NAME: write error: REASON" on standard error and exits with status 1.
void put(const char *name, const char *p, std::size_t n);

// Writes v in decimal ("-" before negatives), then `end` (a few characters at most).
void answer(const char *name, wide v, const char *end = "\n");
