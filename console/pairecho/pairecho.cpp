// pairecho: picks two signed decimal numbers out of arbitrary text on
// standard input and writes each on a line of its own.
#include <algorithm>
#include <cerrno>
#include <cstddef>

#include <unistd.h>

#include "out.h"

// Reads characters until a digit or a minus sign, then the number that starts
// there. A minus sign not directly followed by a digit gives 0, as does the
// end of input before any number. The character that ends the number is
// consumed. Magnitudes beyond the 32-bit range stop at its limits.
int readint()
{
	// Standard input is read ahead in large blocks, which outlive the call;
	// a read error counts as the end of input, and the end stays the end.
	static unsigned char buf[1 << 16];
	static std::size_t at = 0, got = 0;
	static bool ended = false;
	auto next = [&]() -> int { // the next character, or -1 at the end
		while (at == got && !ended) {
			ssize_t r = read(0, buf, sizeof buf);
			if (r < 0 && errno == EINTR)
				continue;
			at = 0;
			got = r > 0 ? static_cast<std::size_t>(r) : 0;
			ended = r <= 0;
		}
		return at < got ? buf[at++] : -1;
	};
	auto digit = [](int c) { return c >= '0' && c <= '9'; };

	// Skip. Every 256 characters, whole runs of 256 with neither a digit nor
	// a minus sign are passed over at once: the smallest c - '-' over a run
	// (a loop that vectorises) is small only for '-', '.', '/' and digits.
	int c = 0;
	for (std::size_t k = 0; c != '-' && !digit(c); k++) {
		while (k % 256 == 0 && got - at >= 256) {
			unsigned char low = 255;
			for (std::size_t i = at; i < at + 256; i++)
				low = std::min(low, static_cast<unsigned char>(buf[i] - '-'));
			if (low <= '9' - '-')
				break;
			at += 256;
		}
		c = next();
		if (c == -1)
			return 0;
	}
	bool negative = c == '-';
	if (negative) {
		c = next();
		if (!digit(c))
			return 0;
	}
	long long v = c - '0'; // held at 2147483648 once it gets there
	while (digit(c = next()))
		v = std::min(v * 10 + (c - '0'), 2147483648LL);
	return static_cast<int>(negative ? -v : std::min(v, 2147483647LL));
}

int main()
{
	int first = readint();
	int second = readint();
	answer("pairecho", first);
	answer("pairecho", second);
	return 0;
}
