// pellmod: reads n and writes the n-th term of 1, 2, 5, 12, 29, ... (each
// term twice the one before plus the one before that) modulo 32767, by plain
// recursion. For n below 1 there is no term, and for n beyond what the stack
// has room for (10000 at the most) the recursion would overflow it: both
// write a line feed alone.
#include <stdint.h>
#include <string.h>

#include <sys/auxv.h>
#include <sys/resource.h>

#include "in.h"
#include "out.h"
#include "page.h"

const char progname[] = "pellmod";

int n;

// Recomputes both earlier terms afresh at every level; nothing is remembered.
// Internal linkage and seeds tested as written let the compiler unfold the
// recursion far better than a `k < 3` test would.
static int tryit(int k)
{
	if (k == 1 || k == 2)
		return k;
	int before = tryit(k - 1);
	return (2 * before + tryit(k - 2)) % 32767;
}

int main()
{
	scan(n);

	// The recursion nests n levels deep. Each level takes 16 bytes of stack
	// from g++ and 32 from clang, up to 48 under the sanitizers; allow three
	// times as much here, twice under the sanitizers.
#ifdef __SANITIZE_ADDRESS__
	const long long level = 96;
#else
	const long long level = 48;
#endif
	// The room left is the stack limit, in whole pages of the size the
	// kernel uses (the stack grows a page at a time), less what is in use
	// already: from the top of the stack, which lies just
	// above the program's file name that the system puts there, down to here,
	// with half a KiB to spare. An unlimited stack counts as large.
	long long room = 10000;
	rlimit r;
	const char *file = reinterpret_cast<const char *>(getauxval(AT_EXECFN));
	if (getrlimit(RLIMIT_STACK, &r) == 0 && r.rlim_cur != RLIM_INFINITY) {
		auto here = reinterpret_cast<uintptr_t>(__builtin_frame_address(0));
		uintptr_t top = file ? reinterpret_cast<uintptr_t>(file) + strlen(file) + 1 + sizeof(void *) : 0;
		long long used = top > here ? static_cast<long long>(top - here) : 16384; // 16 KiB if the top is unknown
		rlim_t cap = r.rlim_cur < (1 << 30) ? r.rlim_cur : (1 << 30);
		rlim_t page = pagesize();
		long long limit = static_cast<long long>(cap & ~(page - 1));
		long long fits = (limit - used - 512) / level;
		if (fits < room)
			room = fits;
	}

	if (n < 1 || n > room)
		put("\n", 1);
	else
		answer(tryit(n));
	return 0;
}
