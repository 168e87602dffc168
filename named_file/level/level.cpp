// level: reads n from "level.in" and writes to "level.out" the n-th term of
// 1, 2, 4, 7, 13, ... (each term the sum of the three before it), with no
// line end. For n outside 1 to 51 there is no term and the file stays empty.
#include "binding.h"
#include "in.h"
#include "out.h"

const char progname[] = "level";

long long n;
long long f[51];

int main()
{
	rebind(progname);
	scan(n);

	f[0] = 1;
	f[1] = 2;
	f[2] = 4;
	if (n > 3 && n <= 51)
		for (long long i = 3; i < n; i++)
			f[i] = f[i - 1] + f[i - 2] + f[i - 3];
	if (n >= 1 && n <= 51)
		answer(f[n - 1], "");
	return 0;
}
