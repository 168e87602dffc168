// Output shared by every program: the answer goes to standard output in
// whole blocks, and output that cannot be written ends the program with
// status 1 instead of being lost without notice. Every failure is reported
// with write(2) from a small buffer, so that a report needs no more stack
// than an answer does.
#pragma once

#include <stddef.h>

// The program's name, which its failure reports begin with. Each program
// defines it once: const char progname[] = "NAME";
extern const char progname[];

// Wide enough for the exact product or sum of 64-bit values.
__extension__ typedef __int128 wide;

// Writes the n bytes at p to standard output. If they cannot all be written,
// reports "NAME: write error: REASON" and exits with status 1.
void put(const char *p, size_t n);

// Writes v in decimal ("-" before negatives), then `end` (a few characters at most).
void answer(wide v, const char *end = "\n");

// Writes "NAME: WHAT: REASON" (REASON the C library's text for error number
// e), or "NAME: WHAT FILE: REASON" where a file is given, and a line feed on
// standard error, and exits with status 1. The line is cut at 255 bytes.
[[noreturn]] void fail(const char *what, int e, const char *file = nullptr);
