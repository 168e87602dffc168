// pairecho: picks two signed decimal numbers out of arbitrary text on
// standard input and writes each on a line of its own.
#include <algorithm>
#include <cstdio>

#include "out.h"

// Reads characters until a digit or a minus sign, then the number that starts
// there. A minus sign not directly followed by a digit gives 0, as does the
// end of input before any number. The character that ends the number is
// consumed. Magnitudes beyond the 32-bit range stop at its limits.
int readint()
{
	// One character at a time straight from the buffer of standard input; a
	// read error counts as the end of input.
	int c = getc_unlocked(stdin);
	while (c != EOF && c != '-' && (c < '0' || c > '9'))
		c = getc_unlocked(stdin);
	if (c == EOF)
		return 0;
	bool negative = c == '-';
	if (negative) {
		c = getc_unlocked(stdin);
		if (c < '0' || c > '9')
			return 0;
	}
	long long v = c - '0'; // held at 2147483648 once it gets there
	while ((c = getc_unlocked(stdin)) >= '0' && c <= '9')
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
