// ab: reads a and b from "ab.in" and writes their exact product to "ab.out".
#include <iostream>

#include "binding.h"
#include "out.h"

long long a, b;

int main()
{
	rebind("ab");
	std::cin >> a >> b;
	answer("ab", static_cast<wide>(a) * b);
	return 0;
}
