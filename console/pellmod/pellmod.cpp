// pellmod: reads n and writes the n-th term of 1, 2, 5, 12, 29, ... (each
// term twice the one before plus the one before that) modulo 32767, by plain
// recursion. For n below 1 there is no term, and above 10000 the recursion
// would outgrow the stack: both write a line feed alone.
#include <iostream>

#include "out.h"

int n;

// Recomputes both earlier terms afresh at every level; nothing is remembered.
// Internal linkage and seeds tested as written let the compiler unfold the
// recursion far better than a `k < 3` test would.
static int tryit(int k)
{
	if (k == 1 || k == 2)
		return k;
	int before = tryit(k - 1);
	return (2 * before + tryit(k - 2)) % 32767;
}

int main()
{
	std::cin >> n;
	if (n < 1 || n > 10000)
		put("pellmod", "\n", 1);
	else
		answer("pellmod", tryit(n));
	return 0;
}
