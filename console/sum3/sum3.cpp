// sum3: reads a, b and c and writes their exact sum.
#include "in.h"
#include "out.h"

const char progname[] = "sum3";

long long a, b, c;

int main()
{
	scan(a);
	scan(b);
	scan(c);
	answer(static_cast<wide>(a) + b + c);
	return 0;
}
