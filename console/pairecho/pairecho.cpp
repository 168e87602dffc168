// pairecho: picks two signed decimal numbers out of arbitrary text on
// standard input and writes each on a line of its own.
#include <stddef.h>

#include "in.h"
#include "out.h"

const char progname[] = "pairecho";

// Reads characters until a digit or a minus sign, then the number that starts
// there. A minus sign not directly followed by a digit gives 0, as does the
// end of input before any number. The character that ends the number is
// consumed. Magnitudes beyond the 32-bit range stop at its limits. A read
// error ends the program.
int readint()
{
	auto next = []() -> int { // the next character, or -1 at the end
		int c = peek();
		if (c != -1)
			in.at++;
		return c;
	};
	auto digit = [](int c) { return c >= '0' && c <= '9'; };

	// Skip. Every 256 characters, whole runs of 256 with neither a digit nor
	// a minus sign are passed over at once: the smallest c - '-' over a run
	// (a loop that vectorises) is small only for '-', '.', '/' and digits.
	int c = 0;
	for (size_t k = 0; c != '-' && !digit(c); k++) {
		while (k % 256 == 0 && in.got - in.at >= 256) {
			const unsigned char *run = in.buf + in.at;
			unsigned char low = 255;
			for (size_t i = 0; i < 256; i++)
				if (unsigned char d = static_cast<unsigned char>(run[i] - '-'); d < low)
					low = d;
			if (low <= '9' - '-')
				break;
			in.at += 256;
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
		if ((v = v * 10 + (c - '0')) > 2147483648LL)
			v = 2147483648LL;
	return static_cast<int>(negative ? -v : v > 2147483647LL ? 2147483647LL : v);
}

int main()
{
	int first = readint();
	int second = readint();
	answer(first);
	answer(second);
	return 0;
}
