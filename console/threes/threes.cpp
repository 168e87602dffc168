// threes: reads n and writes every positive multiple of three up to n, each
// followed by a space, then a line feed.
#include <string.h>

#include "in.h"
#include "out.h"

const char progname[] = "threes";

int main()
{
	int n = 0; // stays 0 when the input holds no number
	scan(n);

	// The line is built in a large block and written whenever the block fills.
	static char buf[1 << 16];
	char *p = buf, *const last = buf + sizeof buf - 34 * 16;

	// Below 100, one by one.
	for (int m = 3; m <= n && m < 100; m += 3) {
		if (m >= 10)
			*p++ = static_cast<char>('0' + m / 10);
		*p++ = static_cast<char>('0' + m % 10);
		*p++ = ' ';
	}

	// From 100 up, a hundred values at a time. The multiples of three from
	// 100 P to 100 P + 99 are the digits of P followed by each two-digit
	// ending e for which P + e is a multiple of three; which endings those
	// are depends only on P mod 3. ends.text[r] holds them for P mod 3 = r,
	// as "ee " and a spare byte, and there are ends.count[r] of them (34, 33,
	// 33). The table is worked out by the compiler.
	struct Ends {
		char text[3][34 * 4];
		int count[3];
	};
	static constexpr Ends ends = [] {
		Ends t{};
		for (int e = 0; e < 100; e++) {
			int r = (3 - e % 3) % 3;
			char *q = t.text[r] + 4 * t.count[r]++;
			q[0] = static_cast<char>('0' + e / 10);
			q[1] = static_cast<char>('0' + e % 10);
			q[2] = ' ';
		}
		return t;
	}();
	char pre[16] = "1"; // the digits of P, which never has more than 8
	int len = 1, r = 1; // how many digits, and P mod 3
	long long left = n / 3 - 33; // the multiples from 100 to n
	while (left > 0) {
		char *start = p;
		for (int i = 0; i < ends.count[r]; i++) {
			memcpy(p, pre, sizeof pre);
			memcpy(p + len, ends.text[r] + 4 * i, 4);
			p += len + 3;
		}
		if (left <= ends.count[r]) { // the last hundred: keep the multiples up to n
			p = start + left * (len + 3);
			break;
		}
		left -= ends.count[r];
		if (p > last) {
			put(buf, static_cast<size_t>(p - buf));
			p = buf;
		}
		// P + 1
		int i = len - 1;
		while (i >= 0 && pre[i] == '9')
			pre[i--] = '0';
		if (i >= 0) {
			pre[i]++;
		} else { // every digit was a 9: one digit more
			memmove(pre + 1, pre, static_cast<size_t>(len));
			pre[0] = '1';
			len++;
		}
		r = r == 2 ? 0 : r + 1;
	}
	*p++ = '\n';
	put(buf, static_cast<size_t>(p - buf));
	return 0;
}
