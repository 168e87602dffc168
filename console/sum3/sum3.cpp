// sum3: reads a, b and c and writes their exact sum.
#include <iostream>

#include "out.h"

long long a, b, c;

int main()
{
	std::cin >> a >> b >> c;
	answer("sum3", static_cast<wide>(a) + b + c);
	return 0;
}
