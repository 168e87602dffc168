#include "out.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

__extension__ typedef unsigned __int128 uwide;

void put(const char *name, const char *p, std::size_t n)
{
	int fd = fileno(stdout);
	while (n > 0) {
		ssize_t w = write(fd, p, n);
		if (w < 0 && errno == EINTR)
			continue;
		if (w <= 0) {
			std::fprintf(stderr, "%s: write error: %s\n", name,
			             std::strerror(w < 0 ? errno : EIO));
			// Nothing is buffered anywhere, so there is nothing left to flush.
			std::_Exit(1);
		}
		p += w;
		n -= static_cast<std::size_t>(w);
	}
}

void answer(const char *name, wide v, const char *end)
{
	char buf[64];
	char *p = buf + 40; // digits are built backwards from here; 39 at most plus a sign
	char *q = p;
	uwide m = v < 0 ? -static_cast<uwide>(v) : static_cast<uwide>(v);
	do {
		*--p = static_cast<char>('0' + m % 10);
		m /= 10;
	} while (m != 0);
	if (v < 0)
		*--p = '-';
	std::size_t e = std::strlen(end);
	std::memcpy(q, end, e);
	put(name, p, static_cast<std::size_t>(q - p) + e);
}
