// Output shared by every program: the answer goes to standard output in
// whole blocks, and output that cannot be written ends the program with
// status 1 instead of being lost without notice. Every failure is reported
// with write(2) from a small buffer, so that a report needs no more stack
// than an answer does.
#pragma once

#include <cstddef>

// Wide enough for the exact product or sum of 64-bit values.
__extension__ typedef __int128 wide;

// Writes the n bytes at p to standard output. If they cannot all be written,
// reports "NAME: write error: REASON" and exits with status 1.
void put(const char *name, const char *p, std::size_t n);

// Writes v in decimal ("-" before negatives), then `end` (a few characters at most).
void answer(const char *name, wide v, const char *end = "\n");

// Writes "NAME: WHAT: REASON" (REASON the text of error number e) and a
// line feed on standard error, and exits with status 1.
[[noreturn]] void fail(const char *name, const char *what, int e);
