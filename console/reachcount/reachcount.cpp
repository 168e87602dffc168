// reachcount: reads ten values and then n, and writes how many of the ten are
// at most n + 30.
#include "in.h"
#include "out.h"

const char progname[] = "reachcount";

int a[10], n, ans;

int main()
{
	for (int &value : a)
		scan(value);
	scan(n);
	long long limit = static_cast<long long>(n) + 30; // no overflow for any n
	for (int value : a)
		if (value <= limit)
			ans++;
	answer(ans);
	return 0;
}
