// Hostile input for every program: seeded random inputs built from numbers at
// and beyond the integer limits, very long numbers, stray signs, every kind of
// white space, arbitrary bytes and cut-off input. Every run must end in time
// with status 0, nothing on standard error, an answer of its program's shape,
// and the right answer where the test can compute it another way.
// STRESS_SEED and STRESS_COUNT (inputs per program) override the defaults.
#include <array>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "harness.h"

namespace {

__extension__ typedef __int128 wide;

std::string text(wide v)
{
	std::string s;
	for (wide m = v < 0 ? -v : v; s.empty() || m > 0; m /= 10)
		s.insert(s.begin(), static_cast<char>('0' + m % 10));
	if (v < 0)
		s.insert(s.begin(), '-');
	return s;
}

// The first values of the input, read as formatted input reads them.
template <class T, int N> std::array<T, N> values(const std::string &input)
{
	std::array<T, N> v{};
	std::istringstream in(input);
	for (T &x : v)
		in >> x;
	return v;
}

struct Shape {
	const char *program;
	const char *pattern;                          // the whole answer; null where the answer itself is checked
	long long lo, hi;                             // the range of every integer in the answer
	std::string (*expected)(const std::string &); // the answer itself, where the test can compute it
};

constexpr long long most = std::numeric_limits<long long>::max(), least = std::numeric_limits<long long>::min();

const Shape shapes[] = {
	{"bridge", nullptr, 0, most, [](const std::string &in) { // as the C library of the tests writes it
		 auto v = values<int, 3>(in);
		 double ans = 100.0 - v[0] / static_cast<double>(static_cast<long long>(v[1]) + v[2]) * 2;
		 char buf[64];
		 std::snprintf(buf, sizeof buf, "%.2f\n", ans > 0 ? ans : 0.0);
		 return std::string(buf);
	 }},
	{"snail", R"(-?\d+\n)", -1, 1LL << 32, nullptr},
	{"level", R"(\d*)", 1, 19426970897100, nullptr},
	{"ab", R"(-?\d+\n)", least, most, [](const std::string &in) {
		 auto v = values<long long, 2>(in);
		 return text(wide(v[0]) * v[1]) + "\n";
	 }},
	{"pairecho", R"((-?\d+\n){2})", INT_MIN, INT_MAX, nullptr},
	{"ceilsquare", R"(\d+\n)", 0, 2147488281, nullptr},
	{"threes", nullptr, 3, INT_MAX, [](const std::string &in) {
		 std::string list;
		 for (long long m = 3, n = values<int, 1>(in)[0]; m <= n; m += 3)
			 list += std::to_string(m) + " ";
		 return list + "\n";
	 }},
	{"pellmod", R"(\d*\n)", 0, 32766, nullptr},
	{"reachcount", R"(\d+\n)", 0, 10, nullptr},
	{"tiermul", R"(-?\d+\n)", least, most, [](const std::string &in) {
		 long long n = values<int, 1>(in)[0];
		 return std::to_string(n * (n >= 100 ? 7 : n >= 50 ? 8 : 10)) + "\n";
	 }},
	{"sum3", R"(-?\d+\n)", least, most, [](const std::string &in) {
		 auto v = values<long long, 3>(in);
		 return text(wide(v[0]) + v[1] + v[2]) + "\n";
	 }},
};

// Every integer of the answer lies in [lo, hi].
bool within(const std::string &answer, long long lo, long long hi)
{
	std::istringstream in(answer);
	for (long long v; in >> v;)
		if (v < lo || v > hi)
			return false;
	return true;
}

unsigned long setting(const char *name, unsigned long fallback)
{
	const char *s = std::getenv(name);
	return s ? std::strtoul(s, nullptr, 10) : fallback;
}

// One hostile input: pieces joined by random white space, sometimes cut short.
std::string generate(std::mt19937_64 &rng)
{
	auto pick = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
	static const char *limits[] = {"2147483647", "2147483648", "-2147483648", "-2147483649", "9223372036854775807",
	                               "9223372036854775808", "-9223372036854775808", "-9223372036854775809", "0", "-0",
	                               "-", "+", "+-3", "--7", "-+5", "00000000000000000000042", "-0000000000017"};
	static const char spaces[] = " \t\n\r\v\f";
	std::string in;
	for (std::size_t k = pick(14); k > 0; k--) {
		std::size_t kind = pick(6), n = 0;
		if (kind == 0) // at and beyond the limits, stray signs, leading zeros
			in += limits[pick(std::size(limits))];
		else if (kind == 1) // any 64-bit magnitude
			in += std::to_string(static_cast<long long>(rng()) >> pick(64));
		else if (kind == 2) // 30 to 5000 digits
			n = 30 + pick(4971), in += pick(2) ? "-" : "";
		else if (kind == 3) // a few arbitrary bytes, NUL and those above 127 included
			n = 1 + pick(8);
		else if (kind == 4 && pick(20) == 0) // 1 MB of junk
			n = 1 << 20;
		else
			in += std::to_string(static_cast<int>(pick(200)) - 100);
		for (; n > 0; n--)
			in += static_cast<char>(kind == 2 ? '0' + pick(10) : pick(256));
		for (n = pick(3); n > 0; n--)
			in += spaces[pick(6)];
	}
	if (pick(4) == 0)
		in.resize(pick(in.size() + 1));
	return in;
}

// Inputs whose run is legitimately long: a deep recursion, gigabytes of output.
bool slow(const std::string &program, const std::string &input)
{
	int n = values<int, 1>(input)[0];
	return (program == "pellmod" && n >= 36 && n <= 10000) || (program == "threes" && n > 1000000);
}

std::string escaped(const std::string &bytes)
{
	std::string out;
	char buf[8];
	for (unsigned char c : bytes) {
		std::snprintf(buf, sizeof buf, c == '\'' || c == '\\' || c == '%' || c < 32 || c > 126 ? "\\%03o" : "%c", c);
		out += buf;
	}
	return out;
}

void PrintTo(const Shape &shape, std::ostream *os) { *os << shape.program; }

struct Stress : testing::TestWithParam<Shape> {};

TEST_P(Stress, HostileInput)
{
	const Shape &shape = GetParam();
	const std::string name = shape.program;
	const bool file = named(name);
	unsigned long seed = setting("STRESS_SEED", 20261208), count = setting("STRESS_COUNT", 500);
	std::cout << "seed " << seed << ", " << count << " inputs for " << name << "\n";
	std::mt19937_64 rng(seed + std::hash<std::string>{}(name));
	std::regex pattern(shape.pattern ? shape.pattern : "");
	for (unsigned long i = 0; i < count; i++) {
		std::string input = generate(rng);
		while (slow(name, input))
			input = generate(rng);
		Answer a = solve(name, input);
		if (a.r.status == 0 && a.r.err.empty() && (!file || a.r.out.empty()) &&
		    a.files == (file ? name + ".in " + name + ".out " : "") &&
		    (!shape.pattern || std::regex_match(a.answer, pattern)) && within(a.answer, shape.lo, shape.hi) &&
		    (!shape.expected || a.answer == shape.expected(input)))
			continue;
		std::string program = std::string(EMULATOR " " PROGRAM_DIR "/") + name;
		FAIL() << "seed " << seed << ", input " << i << ": status " << a.r.status << (a.r.hung ? " (hung)" : "")
		       << ", files '" << a.files << "', stderr '" << a.r.err << "', answer '" << escaped(a.answer) << "'\n"
		       << "replay: printf '" << escaped(input) << "' | "
		       << (file ? "(cat >" + name + ".in; " + program + "; cat " + name + ".out)" : program);
	}
}

// Every program of the build is stressed.
TEST(ProgramList, EveryProgramIsStressed)
{
	std::vector<std::string> list = programs();
	std::set<std::string> listed(list.begin(), list.end()), stressed;
	for (const Shape &shape : shapes)
		stressed.insert(shape.program);
	EXPECT_EQ(stressed, listed);
}

INSTANTIATE_TEST_SUITE_P(stress, Stress, testing::ValuesIn(shapes),
                         [](const testing::TestParamInfo<Shape> &p) { return std::string(p.param.program); });

} // namespace
