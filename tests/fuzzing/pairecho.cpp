// pairecho's reader, readint(), built from the program's own source (its
// main renamed), against the rule written out plainly here, one character
// at a time: skip to a digit or a minus sign, a minus sign not directly
// before a digit gives 0, the character after the number is used up, and
// magnitudes stop at the limits of 32 bits.
#include <climits>

#include "feed.h"

int readint();

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
	feed(data, size);
	std::size_t at = 0;
	auto next = [&]() -> int { return at < size ? data[at++] : -1; };
	auto digit = [](int c) { return c >= '0' && c <= '9'; };
	auto plain = [&]() -> int {
		int c;
		do
			if ((c = next()) == -1)
				return 0;
		while (c != '-' && !digit(c));
		bool negative = c == '-';
		if (negative && !digit(c = next()))
			return 0;
		long long v = c - '0';
		while (digit(c = next()))
			v = std::min(v * 10 + (c - '0'), 1LL << 31);
		return static_cast<int>(negative ? -v : std::min(v, static_cast<long long>(INT_MAX)));
	};
	for (int i = 0; i < 2; i++)
		if (readint() != plain())
			__builtin_trap();
	return 0;
}
