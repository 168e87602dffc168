// threes: reads n and writes every positive multiple of three up to n, each
// followed by a space, then a line feed.
#include <cstring>
#include <iostream>

#include "out.h"

int main()
{
	int n = 0; // stays 0 when the input holds no number
	std::cin >> n;

	// The running multiple is kept as decimal text and stepped by three in
	// place, so no number is ever converted, and it never overflows; the line
	// goes out in large blocks.
	static char buf[1 << 16];
	char *p = buf, *const last = buf + sizeof buf - 16;
	char m[16] = "3 "; // the multiple's digits, then a space
	int len = 1;       // how many digits
	for (int count = n / 3; count > 0; count--) {
		std::memcpy(p, m, sizeof m);
		p += len + 1;
		if (p > last) {
			put("threes", buf, static_cast<std::size_t>(p - buf));
			p = buf;
		}
		int i = len - 1;
		m[i] = static_cast<char>(m[i] + 3);
		if (m[i] > '9') {
			m[i] = static_cast<char>(m[i] - 10);
			while (--i >= 0 && m[i] == '9')
				m[i] = '0';
			if (i >= 0) {
				m[i]++;
			} else { // every digit was a 9: one digit more
				std::memmove(m + 1, m, static_cast<std::size_t>(len));
				m[0] = '1';
				m[++len] = ' ';
			}
		}
	}
	*p++ = '\n';
	put("threes", buf, static_cast<std::size_t>(p - buf));
	return 0;
}
