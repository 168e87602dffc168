// bridge: reads L, u and v from "bridge.in" and writes 100 - 2 L / (u + v),
// or 0 when that is not positive, with two decimals to "bridge.out".
#include "binding.h"
#include "in.h"
#include "out.h"

const char progname[] = "bridge";

int L, u, v;
double ans;

int main()
{
	rebind(progname);
	scan(L);
	scan(u);
	scan(v);

	// The sum in 64 bits, so that no pair of inputs wraps around.
	long long sum = static_cast<long long>(u) + v;
	ans = 100.0 - L / static_cast<double>(sum) * 2;

	// A not-a-number ans is not greater than zero either. The only ans above
	// 100 + 2^32 is +inf, written "inf" as %f writes it.
	if (ans > 1e18) {
		put("inf\n", 4);
		return 0;
	}
	// Two decimals worked out in integers, since the C library's formatting
	// of a double needs more stack (8 KiB in musl) than a small stack leaves.
	// The fraction of ans is a whole number of 2^-52ths (below 1, ans is a
	// multiple of 2^-47), so it is exact in 64 bits. It is rounded as %.2f
	// rounds: to the nearest hundredth of the exact binary value, a tie to
	// the even hundredth.
	double w = ans > 0 ? ans : 0.0;
	unsigned long long whole = static_cast<unsigned long long>(w);
	unsigned long long f = static_cast<unsigned long long>((w - static_cast<double>(whole)) * 0x1p52) * 100;
	unsigned long long cents = f >> 52, rest = f & ((1ULL << 52) - 1), half = 1ULL << 51;
	if (rest > half || (rest == half && cents % 2 == 1))
		cents++;
	unsigned long long total = whole * 100 + cents;
	char end[] = {'.', static_cast<char>('0' + total % 100 / 10), static_cast<char>('0' + total % 10), '\n', '\0'};
	answer(static_cast<wide>(total / 100), end);
	return 0;
}
