// snail: reads h, x and y from "snail.in" and writes to "snail.out" the day on
// which a climber gaining x by day and losing y by night first reaches h, or
// -1 if it never does.
#include <math.h>

#include "binding.h"
#include "in.h"
#include "out.h"

const char progname[] = "snail";

int h, x, y;
long long ans; // 64 bits: "2147483647 0 -1" needs 2147483648 days

int main()
{
	rebind(progname);
	scan(h);
	scan(x);
	scan(y);

	if (x >= h)
		ans = 1;
	else if (y >= x)
		ans = -1;
	else {
		// Both differences are exact in 64 bits and in double, so the
		// quotient never lands on the wrong side of an integer.
		long long rest = static_cast<long long>(h) - x;
		long long rate = static_cast<long long>(x) - y;
		ans = static_cast<long long>(ceil(static_cast<double>(rest) / static_cast<double>(rate) + 1.0));
	}
	answer(ans);
	return 0;
}
