// ab: reads a and b from "ab.in" and writes their exact product to "ab.out".
#include "binding.h"
#include "in.h"
#include "out.h"

const char progname[] = "ab";

long long a, b;

int main()
{
	rebind(progname);
	scan(a);
	scan(b);
	answer(static_cast<wide>(a) * b);
	return 0;
}
