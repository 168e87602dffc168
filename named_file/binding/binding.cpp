#include "binding.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include <fcntl.h>
#include <unistd.h>

// Opens `file` as descriptor `fd`, letting go of `fd` first so that no spare
// descriptor is needed. Returns false, with errno set, if it cannot be opened.
static bool onto(int fd, const char *file, int flags)
{
	close(fd);
	int got = open(file, flags, 0666);
	if (got < 0)
		return false;
	if (got != fd) { // `fd` was not the lowest free descriptor
		if (dup2(got, fd) < 0)
			return false;
		close(got);
	}
	return true;
}

void rebind(const char *name)
{
	char in[64], out[64];
	std::snprintf(in, sizeof in, "%s.in", name);
	std::snprintf(out, sizeof out, "%s.out", name);

	// The standard streams have not been used yet, so they go on reading and
	// writing descriptors 0 and 1, whatever files those now are.
	if (!onto(0, in, O_RDONLY)) {
		int e = errno;
		if (e != ENOENT && e != EACCES) {
			// It is there but cannot be read: an empty input would be a
			// wrong answer. The output is left as it was.
			std::fprintf(stderr, "%s: cannot open %s: %s\n", name, in, std::strerror(e));
			std::_Exit(1);
		}
		// Missing or refused: mark the stream as ended so that no read ever
		// goes through it and every value stays 0.
		std::cin.setstate(std::ios::eofbit | std::ios::failbit);
	}

	// Opened whether or not the input was.
	if (!onto(1, out, O_WRONLY | O_CREAT | O_TRUNC)) {
		int e = errno;
		std::fprintf(stderr, "%s: cannot open %s: %s\n", name, out, std::strerror(e));
		std::_Exit(1);
	}
}
