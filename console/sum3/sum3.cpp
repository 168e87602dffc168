// sum3: reads a, b and c and writes their exact sum.
#include "in.h"
#include "out.h"

long long a, b, c;

int main()
{
	scan("sum3", a);
	scan("sum3", b);
	scan("sum3", c);
	answer("sum3", static_cast<wide>(a) + b + c);
	return 0;
}
