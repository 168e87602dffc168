// What the named-file programs do when their files are not what they expect.
#include <cctype>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "harness.h"

namespace {

template <class Row> std::string by_program(const testing::TestParamInfo<Row> &info)
{
	return info.param.program;
}

struct Named {
	const char *program;
	const char *input;  // a valid input
	const char *answer; // its answer
	const char *zero;   // the answer for empty input
};

const Named programs[] = {
	{"bridge", "100 4 6", "80.00\n", "0.00\n"},
	{"snail", "10 3 1", "5\n", "1\n"},
	{"level", "12", "927", ""},
	{"ab", "3 4", "12\n", "0\n"},
};

struct Files : testing::TestWithParam<Named> {
	Scratch s;
	std::string name = GetParam().program;
	fs::path in = s.work() / (name + ".in"), out = s.work() / (name + ".out");

	Result go(const Via &via = {}) { return run(s, name, "7 7 7\n", In::text, Out::capture, 10, via); }

	// A run that succeeded, wrote nothing but its answer and left it in NAME.out.
	void expect_answer(const Result &r, const std::string &expected)
	{
		EXPECT_EQ(r.status, 0);
		EXPECT_EQ(r.out, "");
		EXPECT_EQ(r.err, "");
		EXPECT_TRUE(fs::is_regular_file(out));
		EXPECT_EQ(slurp(out), expected);
	}

	// A run that failed with exit status 1 and exactly one line on standard error.
	void expect_failure(const Result &r, const std::string &message)
	{
		EXPECT_EQ(r.status, 1);
		EXPECT_EQ(r.out, "");
		EXPECT_EQ(r.err, name + ": " + message + "\n");
	}
};

void PrintTo(const Named &n, std::ostream *os) { *os << n.program; }

TEST_P(Files, StaleLongerOutputIsTruncated)
{
	spill(in, GetParam().input);
	spill(out, std::string(200, 'x') + "\n");
	expect_answer(go(), GetParam().answer);
}

TEST_P(Files, OnlyTheExactInputNameCounts)
{
	std::string upper = name;
	for (char &ch : upper)
		ch = static_cast<char>(std::toupper(ch));
	for (const std::string &other : {upper + ".in", name + ".IN", name + ".in.txt", name + ".inp", name})
		spill(s.work() / other, GetParam().input);
	expect_answer(go(), GetParam().zero);
}

TEST_P(Files, InputDirectoryReadsAsEmpty)
{
	fs::create_directory(in);
	expect_answer(go(), GetParam().zero);
}

TEST_P(Files, InputThroughSymbolicLink)
{
	fs::create_directory(s.root / "elsewhere");
	spill(s.root / "elsewhere" / "values", GetParam().input);
	fs::create_symlink(s.root / "elsewhere" / "values", in);
	expect_answer(go(), GetParam().answer);
	EXPECT_EQ(slurp(s.root / "elsewhere" / "values"), GetParam().input);
}

TEST_P(Files, OutputDirectoryFails)
{
	spill(in, GetParam().input);
	fs::create_directory(out);
	expect_failure(go(), "cannot open " + name + ".out: Is a directory");
	EXPECT_TRUE(fs::is_empty(out));
}

TEST_P(Files, WriteErrorFails)
{
	spill(in, GetParam().input);
	fs::create_symlink("/dev/full", out);
	expect_failure(go(), "write error: No space left on device");
}

TEST_P(Files, InputThatCannotBeOpenedFails)
{
	fs::create_symlink(name + ".in", in); // a loop
	spill(out, "old\n");
	expect_failure(go(), "cannot open " + name + ".in: Too many levels of symbolic links");
	EXPECT_EQ(slurp(out), "old\n") << "the output was touched";
}

#if !SANITIZED // the sanitizer runtime needs descriptors of its own
TEST_P(Files, NoSpareDescriptor)
{
	spill(in, GetParam().input);
	expect_answer(go({"prlimit", "--nofile=3", "--"}), GetParam().answer);
}
#endif

// The permission tests run the program as an unprivileged user, since root
// reads and writes whatever the permissions say.
TEST_P(Files, UnreadableInputReadsAsEmpty)
{
	if (std::string why = no_unprivileged_user(); !why.empty())
		GTEST_SKIP() << why;
	spill(in, GetParam().input);
	fs::permissions(in, fs::perms::none);
	expect_answer(go(unprivileged(s, name)), GetParam().zero);
}

TEST_P(Files, ReadOnlyFolderFails)
{
	if (std::string why = no_unprivileged_user(); !why.empty())
		GTEST_SKIP() << why;
	spill(in, GetParam().input);
	Via via = unprivileged(s, name);
	fs::permissions(s.work(), fs::perms::owner_read | fs::perms::owner_exec);
	expect_failure(go(via), "cannot open " + name + ".out: Permission denied");
}

INSTANTIATE_TEST_SUITE_P(named_file, Files, testing::ValuesIn(programs), by_program<Named>);

struct Console {
	const char *program;
	const char *empty; // the answer for empty input
};

const Console consoles[] = {
	{"pairecho", "0\n0\n"}, {"ceilsquare", "0\n"}, {"threes", "\n"}, {"pellmod", "\n"},
	{"reachcount", "10\n"},  {"tiermul", "0\n"},    {"sum3", "0\n"},
};

struct Streams : testing::TestWithParam<Console> {
	Scratch s;
	std::string name = GetParam().program;

	// Input that gives a non-empty answer for every console program.
	Result go(In in, Out out) { return run(s, name, "12 34 56 78 90", in, out); }
};

void PrintTo(const Console &c, std::ostream *os) { *os << c.program; }

TEST_P(Streams, FullOutputFails)
{
	Result r = go(In::text, Out::full);
	EXPECT_EQ(r.status, 1);
	EXPECT_EQ(r.err, name + ": write error: No space left on device\n");
}

TEST_P(Streams, ClosedOutputFails)
{
	Result r = go(In::text, Out::closed);
	EXPECT_EQ(r.status, 1);
	EXPECT_EQ(r.err, name + ": write error: Bad file descriptor\n");
}

TEST_P(Streams, UnreadableInputReadsAsEmpty)
{
	for (In in : {In::closed, In::directory}) {
		Result r = go(in, Out::capture);
		EXPECT_EQ(r.status, 0);
		EXPECT_EQ(r.err, "");
		EXPECT_EQ(r.out, GetParam().empty);
	}
	EXPECT_TRUE(fs::is_empty(s.work())) << "wrote into its working folder";
}

INSTANTIATE_TEST_SUITE_P(console, Streams, testing::ValuesIn(consoles), by_program<Console>);

// pellmod under small stacks: an n the stack has room for runs on (still
// going after a second counts as not crashed), a larger one writes a line
// feed alone; nothing is killed by a signal.
TEST(SmallStack, PellmodNeverOverflows)
{
	for (const char *limit : {"--stack=65536", "--stack=131072"})
		for (const char *n : {"1000", "10000", "2147483647"}) {
			Scratch s;
			Result r = run(s, "pellmod", n, In::text, Out::capture, 1, {"prlimit", limit, "--"});
			EXPECT_TRUE(r.hung || (r.status == 0 && r.out == "\n" && r.err.empty()))
			        << limit << ", n = " << n << ": status " << r.status << ", stderr " << r.err;
		}
}

} // namespace
