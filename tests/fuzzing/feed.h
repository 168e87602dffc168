// What the fuzz targets share: the bytes of an input handed to the reader
// as its standard input, and what the writer puts on standard output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <unistd.h>

#include "in.h"

// Makes `bytes` the whole of standard input, read from its start.
inline void feed(const std::uint8_t *bytes, std::size_t size)
{
	int p[2];
	if (pipe(p) != 0)
		__builtin_trap();
	// A pipe holds 64 KiB, far more than the fuzzer's inputs.
	if (size > 0 && write(p[1], bytes, size) != static_cast<ssize_t>(size))
		__builtin_trap();
	close(p[1]);
	dup2(p[0], 0);
	close(p[0]);
	in.at = in.got = 0;
	in.ended = in.failed = false;
}

// What `write` puts on standard output, which it keeps short.
template <class F> std::string captured(F write)
{
	int p[2], saved = dup(1);
	if (saved < 0 || pipe(p) != 0)
		__builtin_trap();
	dup2(p[1], 1);
	close(p[1]);
	write();
	dup2(saved, 1);
	close(saved);
	char buf[256];
	ssize_t n = read(p[0], buf, sizeof buf);
	close(p[0]);
	return std::string(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
}
