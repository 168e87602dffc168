#include "out.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>

#include <unistd.h>

__extension__ typedef unsigned __int128 uwide;

// Writes the n bytes at p to descriptor fd. Returns 0, or the error number
// if they could not all be written.
static int whole(int fd, const char *p, size_t n)
{
	while (n > 0) {
		ssize_t w = write(fd, p, n);
		if (w < 0 && errno == EINTR)
			continue;
		if (w <= 0)
			return w < 0 ? errno : EIO;
		p += w;
		n -= static_cast<size_t>(w);
	}
	return 0;
}

// Copies the string s to p, as much of it as fits before `end`, and returns
// where it ends.
static char *join(char *p, const char *end, const char *s)
{
	while (*s != '\0' && p < end)
		*p++ = *s++;
	return p;
}

void fail(const char *what, int e, const char *file)
{
	// No locale is ever set, so the reason is the C library's own text. The
	// pieces are joined by hand: formatted printing would link in far more
	// code than the answers need.
	char msg[256];
	// Cut short rather than overrun, one byte before the end; if even this
	// cannot be written, the status still tells.
	const char *end = msg + sizeof msg - 1;
	char *p = join(msg, end, progname);
	p = join(p, end, ": ");
	p = join(p, end, what);
	if (file) {
		p = join(p, end, " ");
		p = join(p, end, file);
	}
	p = join(p, end, ": ");
	p = join(p, end, strerror(e));
	p = join(p, end, "\n");
	whole(2, msg, static_cast<size_t>(p - msg));
	// No stdio stream is ever used, so exit flushes nothing.
	exit(1);
}

void put(const char *p, size_t n)
{
	if (int e = whole(1, p, n))
		fail("write error", e);
}

void answer(wide v, const char *end)
{
	char buf[64];
	char *p = buf + 40; // digits are built backwards from here; 39 at most plus a sign
	char *q = p;
	uwide m = v < 0 ? -static_cast<uwide>(v) : static_cast<uwide>(v);
	// Nineteen digits at a time by one wide division, and those in 64 bits,
	// which is several times cheaper than a wide division for every digit.
	const unsigned long long chunk = 10000000000000000000ULL; // 10^19
	while (m >= chunk) {
		unsigned long long low = static_cast<unsigned long long>(m % chunk);
		m /= chunk;
		for (int i = 0; i < 19; i++, low /= 10)
			*--p = static_cast<char>('0' + low % 10);
	}
	unsigned long long top = static_cast<unsigned long long>(m);
	do {
		*--p = static_cast<char>('0' + top % 10);
		top /= 10;
	} while (top != 0);
	if (v < 0)
		*--p = '-';
	size_t e = strlen(end);
	memcpy(q, end, e);
	put(p, static_cast<size_t>(q - p) + e);
}
