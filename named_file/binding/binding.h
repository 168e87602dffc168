// The named-file programs read "NAME.in" and write "NAME.out" in the current
// directory instead of the console.
#pragma once

// Rebinds standard input to "NAME.in" and then standard output to "NAME.out"
// (created, or truncated if it exists). Called once, before any read or write.
//
// An input file that is missing or whose permissions refuse reading reads as
// empty input, so every value read stays 0. An input file that is there but
// cannot be opened for any other reason, or is a directory, ends the program
// with status 1 and "NAME: cannot open NAME.in: REASON" on standard error,
// before NAME.out is touched; so does an output file that cannot be opened,
// with "NAME: cannot open NAME.out: REASON".
void rebind(const char *name);
