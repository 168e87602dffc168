// Input shared by every program: standard input read ahead in large blocks
// with read(2), and the reading of numbers as C++ formatted input reads them.
// A read error ends the program with status 1 and "NAME: read error: REASON"
// on standard error; the end of input is not an error.
#pragma once

#include <stddef.h>

// What has been read of standard input and not yet taken, buf[at] to
// buf[got - 1]. Once `ended` is set no more is read; once `failed` is set
// every number read fails at once.
struct Input {
	unsigned char buf[1 << 16];
	size_t at, got;
	bool ended, failed;
};
extern Input in;

// Reads the next block of standard input into in.buf. Returns its first
// byte, or -1 at the end of input.
int refill();

// The next byte of standard input, left in place; -1 at the end of input.
inline int peek() { return in.at < in.got ? in.buf[in.at] : refill(); }

// Reads the next number into v as formatted input does: the six white-space
// characters are skipped, an optional sign and decimal digits follow. Text
// where a number should begin stores 0 and fails; a number beyond the range
// of v stores the nearest limit and fails; the end of input before a number
// leaves v as it was and fails. Once a read has failed, every later read
// fails at once and leaves its target as it was.
void scan(int &v);
void scan(long long &v);
