// ceilsquare: reads s and writes the smallest perfect square not below it.
#include <cmath>

#include "in.h"
#include "out.h"

int s;

int main()
{
	scan("ceilsquare", s);
	// Every root up to 46341 is exact enough for its ceiling to be right; the
	// square is taken in 64 bits, since 46341 squared exceeds 32 bits.
	long long r = s < 0 ? 0 : static_cast<long long>(std::ceil(std::sqrt(static_cast<double>(s))));
	answer("ceilsquare", r * r);
	return 0;
}
