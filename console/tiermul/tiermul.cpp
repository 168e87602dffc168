// tiermul: reads n and writes it times 10 below 50, times 8 from 50 to 99,
// and times 7 from 100 up.
#include "in.h"
#include "out.h"

const char progname[] = "tiermul";

int n;

int main()
{
	scan(n);
	int factor = n >= 100 ? 7 : n >= 50 ? 8 : 10;
	answer(static_cast<long long>(n) * factor); // 64 bits: never overflows
	return 0;
}
