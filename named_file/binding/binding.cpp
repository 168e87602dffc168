#include "binding.h"

#include <errno.h>
#include <string.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "in.h"
#include "out.h"

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
	char input[64], output[64];
	size_t n = strlen(name);
	if (n > sizeof input - 5)
		n = sizeof input - 5;
	memcpy(input, name, n);
	memcpy(input + n, ".in", 4);
	memcpy(output, name, n);
	memcpy(output + n, ".out", 5);

	// Nothing has been read or written yet, so the reading and the writing
	// go to descriptors 0 and 1, whatever files those now are.
	struct stat st;
	if (!onto(0, input, O_RDONLY)) {
		int e = errno;
		// It is there but cannot be read: an empty input would be a wrong
		// answer. The output is left as it was.
		if (e != ENOENT && e != EACCES)
			fail("cannot open", e, input);
		// Missing or refused: the input is ended before it begins, so every
		// value stays 0.
		in.ended = true;
	} else if (fstat(0, &st) == 0 && S_ISDIR(st.st_mode)) {
		fail("cannot open", EISDIR, input); // opens, but holds no input to read
	}

	// Opened whether or not the input was.
	if (!onto(1, output, O_WRONLY | O_CREAT | O_TRUNC))
		fail("cannot open", errno, output);
}
