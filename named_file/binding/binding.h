// The named-file programs read "NAME.in" and write "NAME.out" in the current
// directory instead of the console.
#pragma once

// Rebinds standard input to "NAME.in" and then standard output to "NAME.out"
// (created, or truncated if it exists). Called once, before any read or write.
//
// An input file that cannot be opened reads as empty input, so every value
// read stays 0. An output file that cannot be opened ends the program with
// status 1 and "NAME: cannot open NAME.out: REASON" on standard error.
void rebind(const char *name);
