// scan against libstdc++'s formatted extraction of the same bytes from a
// std::istringstream: four chained reads, each into an int or a long long
// as the first byte's low bits say; every value and the failed state must
// agree after every read.
#include <sstream>

#include "feed.h"
#include "out.h"

const char progname[] = "fuzz-scan";

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
	if (size == 0)
		return 0;
	unsigned widths = data[0];
	feed(data + 1, size - 1);
	std::istringstream ref(std::string(reinterpret_cast<const char *>(data + 1), size - 1));
	for (int i = 0; i < 4; i++) {
		bool same;
		if (widths >> i & 1) {
			long long ours = 7, theirs = 7; // a read at the end leaves them so
			scan(ours);
			ref >> theirs;
			same = ours == theirs;
		} else {
			int ours = 7, theirs = 7;
			scan(ours);
			ref >> theirs;
			same = ours == theirs;
		}
		if (!same || in.failed != ref.fail())
			__builtin_trap();
	}
	return 0;
}
