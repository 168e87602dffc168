// bridge: reads L, u and v from "bridge.in" and writes 100 - 2 L / (u + v),
// or 0 when that is not positive, with two decimals to "bridge.out".
#include <cstdio>

#include "binding.h"
#include "in.h"
#include "out.h"

int L, u, v;
double ans;

int main()
{
	rebind("bridge");
	scan("bridge", L);
	scan("bridge", u);
	scan("bridge", v);

	// The sum in 64 bits, so that no pair of inputs wraps around.
	long long sum = static_cast<long long>(u) + v;
	ans = 100.0 - L / static_cast<double>(sum) * 2;

	// A not-a-number ans is not greater than zero either; +inf prints as "inf".
	char buf[64];
	int n = std::snprintf(buf, sizeof buf, "%.2f\n", ans > 0 ? ans : 0.0);
	put("bridge", buf, static_cast<std::size_t>(n));
	return 0;
}
