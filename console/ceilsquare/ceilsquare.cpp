// ceilsquare: reads s and writes the smallest perfect square not below it.
#include <math.h>

#include "in.h"
#include "out.h"

const char progname[] = "ceilsquare";

int s;

int main()
{
	scan(s);
	// Every root up to 46341 is exact enough for its ceiling to be right; the
	// square is taken in 64 bits, since 46341 squared exceeds 32 bits.
	long long r = s < 0 ? 0 : static_cast<long long>(ceil(sqrt(static_cast<double>(s))));
	answer(r * r);
	return 0;
}
