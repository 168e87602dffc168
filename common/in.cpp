#include "in.h"

#include <errno.h>
#include <limits.h>

#include <unistd.h>

#include "out.h"

Input in;

int refill()
{
	while (!in.ended) {
		ssize_t r = read(0, in.buf, sizeof in.buf);
		if (r > 0) {
			in.at = 0;
			in.got = static_cast<size_t>(r);
			return in.buf[0];
		}
		if (r == 0)
			in.ended = true;
		else if (errno != EINTR)
			fail("read error", errno);
	}
	return -1;
}

// The number at the front of the input, into v, whose type ranges from lo to hi.
static void number(long long &v, long long lo, long long hi)
{
	if (in.failed)
		return;
	int c = peek();
	while (c == ' ' || (c >= '\t' && c <= '\r')) {
		in.at++;
		c = peek();
	}
	in.failed = true; // until the number is read whole
	if (c == -1)
		return;
	bool negative = c == '-';
	if (c == '-' || c == '+') {
		in.at++;
		c = peek();
	}
	// A negative magnitude may reach one more than hi.
	unsigned long long limit = negative ? 0 - static_cast<unsigned long long>(lo) : static_cast<unsigned long long>(hi);
	unsigned long long m = 0;
	bool digits = false;
	for (; c >= '0' && c <= '9'; c = peek()) {
		in.at++;
		unsigned d = static_cast<unsigned>(c - '0');
		if (m > (limit - d) / 10) {
			v = negative ? lo : hi;
			return;
		}
		m = m * 10 + d;
		digits = true;
	}
	if (!digits) {
		v = 0;
		return;
	}
	v = static_cast<long long>(negative ? 0 - m : m);
	in.failed = false;
}

void scan(int &v)
{
	long long w = v;
	number(w, INT_MIN, INT_MAX);
	v = static_cast<int>(w);
}

void scan(long long &v) { number(v, LLONG_MIN, LLONG_MAX); }
