// ab: reads a and b from "ab.in" and writes their exact product to "ab.out".
#include "binding.h"
#include "in.h"
#include "out.h"

long long a, b;

int main()
{
	rebind("ab");
	scan("ab", a);
	scan("ab", b);
	answer("ab", static_cast<wide>(a) * b);
	return 0;
}
