// answer() against a formatting of __int128 written here, one digit at a
// time, for every value the sixteen bytes of an input make, both limits
// among them.
#include <cstring>

#include "feed.h"
#include "out.h"

const char progname[] = "fuzz-answer";

static std::string decimal(wide v)
{
	__extension__ typedef unsigned __int128 uwide;
	uwide m = v < 0 ? uwide(0) - uwide(v) : uwide(v);
	std::string digits;
	do {
		digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
		m /= 10;
	} while (m != 0);
	return (v < 0 ? "-" : "") + digits;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
	if (size != sizeof(wide))
		return 0;
	wide v;
	std::memcpy(&v, data, sizeof v);
	if (captured([v] { answer(v); }) != decimal(v) + "\n")
		__builtin_trap();
	if (captured([v] { answer(v, ""); }) != decimal(v))
		__builtin_trap();
	return 0;
}
