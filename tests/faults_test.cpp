// What the programs do when their files, streams or process limits are not
// what they expect. Each runs against what the same program writes normally.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "harness.h"

namespace {

// The smallest stack every program answers from; the sanitizer runtime needs
// more for itself, and so does an emulator, which runs on the same stack.
// pellmod counts the stack in whole pages: with pages larger than that, the
// smallest is two pages.
std::string smallest_stack()
{
	long bytes = SANITIZED ? 65536 : *EMULATOR ? 32768 : 16384;
	return "--stack=" + std::to_string(std::max(bytes, 2 * pagesize()));
}

std::string by_name(const testing::TestParamInfo<std::string> &info) { return info.param; }

// A named-file program in a fresh folder, with its example input and what a
// normal run writes for it and for no input file at all.
struct Files : testing::TestWithParam<std::string> {
	Scratch s;
	std::string name = GetParam();
	fs::path in = s.work() / (name + ".in"), out = s.work() / (name + ".out");
	std::string input = example(name);
	std::string answer = solve(name, input).answer, zero = solve(name, nullptr).answer;
	mode_t mask = umask(002); // the output's mode must follow it: 0664, not 0644 or 0600

	void SetUp() override { ASSERT_NE(answer, zero) << "the example does not tell input from no input"; }
	void TearDown() override { umask(mask); }

	Result go(const Via &via = {}) { return run(s, name, "7 7 7\n", In::text, Out::capture, 10, via); }

	// A run that succeeded, wrote nothing but its answer and left it in NAME.out.
	void expect_answer(const Result &r, const std::string &expected)
	{
		EXPECT_EQ(r.status, 0);
		EXPECT_EQ(r.out, "");
		EXPECT_EQ(r.err, "");
		EXPECT_TRUE(fs::is_regular_file(out));
		EXPECT_EQ(fs::status(out).permissions(), static_cast<fs::perms>(0664));
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

TEST_P(Files, StaleLongerOutputIsTruncated)
{
	spill(in, input);
	spill(out, std::string(200, 'x') + "\n");
	expect_answer(go(), answer);
}

TEST_P(Files, OnlyTheExactInputNameCounts)
{
	std::string upper = name;
	for (char &ch : upper)
		ch = static_cast<char>(std::toupper(ch));
	for (const std::string &other : {upper + ".in", name + ".IN", name + ".in.txt", name + ".inp", name})
		spill(s.work() / other, input);
	expect_answer(go(), zero);
}

TEST_P(Files, InputDirectoryFails)
{
	fs::create_directory(in);
	expect_failure(go(), "cannot open " + name + ".in: Is a directory");
	EXPECT_FALSE(fs::exists(out)) << "the output was touched";
}

TEST_P(Files, ReadErrorFails)
{
	fs::create_symlink("/proc/self/mem", in); // opens, but reading address 0 fails
	spill(out, "old\n");
	expect_failure(go(), "read error: " + reason("EIO"));
	EXPECT_EQ(slurp(out), "") << "the output was opened before the read, so it is left empty";
}

TEST_P(Files, InputThroughSymbolicLink)
{
	fs::create_directory(s.root / "elsewhere");
	spill(s.root / "elsewhere" / "values", input);
	fs::create_symlink(s.root / "elsewhere" / "values", in);
	expect_answer(go(), answer);
	EXPECT_EQ(slurp(s.root / "elsewhere" / "values"), input);
}

TEST_P(Files, OutputDirectoryFails)
{
	spill(in, input);
	fs::create_directory(out);
	expect_failure(go(), "cannot open " + name + ".out: Is a directory");
	EXPECT_TRUE(fs::is_empty(out));
}

TEST_P(Files, WriteErrorFails)
{
	spill(in, input);
	fs::create_symlink("/dev/full", out);
	expect_failure(go(), "write error: No space left on device");
	// The report needs no more stack than the answer (several runs, since
	// where the stack begins moves from run to run).
	for (int i = 0; i < 10; i++)
		expect_failure(go({"prlimit", smallest_stack(), "--"}), "write error: No space left on device");
}

TEST_P(Files, InputThatCannotBeOpenedFails)
{
	fs::create_symlink(name + ".in", in); // a loop
	spill(out, "old\n");
	expect_failure(go(), "cannot open " + name + ".in: " + reason("ELOOP"));
	EXPECT_EQ(slurp(out), "old\n") << "the output was touched";
}

#if !SANITIZED // the sanitizer runtime needs descriptors of its own
TEST_P(Files, NoSpareDescriptor)
{
	expect_failure(go({"prlimit", "--nofile=1", "--"}), "cannot open " + name + ".out: Bad file descriptor");
	spill(in, input);
	expect_failure(go({"prlimit", "--nofile=1", "--"}), "cannot open " + name + ".out: " + reason("EMFILE"));
	expect_answer(go({"prlimit", "--nofile=3", "--"}), answer);
}
#endif

// The permission tests run the program as an unprivileged user, since root
// reads and writes whatever the permissions say.
TEST_P(Files, UnreadableInputReadsAsEmpty)
{
	if (std::string why = no_unprivileged_user(); !why.empty())
		GTEST_SKIP() << why;
	spill(in, input);
	fs::permissions(in, fs::perms::none);
	expect_answer(go(unprivileged(s, name)), zero);
}

TEST_P(Files, ReadOnlyFolderFails)
{
	if (std::string why = no_unprivileged_user(); !why.empty())
		GTEST_SKIP() << why;
	spill(in, input);
	Via via = unprivileged(s, name);
	fs::permissions(s.work(), fs::perms::owner_read | fs::perms::owner_exec);
	expect_failure(go(via), "cannot open " + name + ".out: Permission denied");
}

INSTANTIATE_TEST_SUITE_P(named_file, Files, testing::ValuesIn(programs("named")), by_name);

// A console program fed its example input.
struct Streams : testing::TestWithParam<std::string> {
	Scratch s;
	std::string name = GetParam();

	Result go(In in, Out out) { return run(s, name, example(name), in, out); }
};

TEST_P(Streams, FullOutputFails)
{
	Result r = go(In::text, Out::full);
	EXPECT_EQ(r.status, 1);
	EXPECT_EQ(r.err, name + ": write error: No space left on device\n");
	for (int i = 0; i < 10; i++) { // as for the named-file programs
		r = run(s, name, example(name), In::text, Out::full, 10, {"prlimit", smallest_stack(), "--"});
		EXPECT_EQ(r.status, 1) << "from a small stack";
		EXPECT_EQ(r.err, name + ": write error: No space left on device\n") << "from a small stack";
	}
	r = run(s, name, example(name), In::text, Out::full, 10, {"bash", "-c", "exec \"$0\" \"$@\" 2>/dev/full"});
	EXPECT_EQ(r.status, 1) << "with no room for the report either";
}

TEST_P(Streams, ClosedOutputFails)
{
	Result r = go(In::text, Out::closed);
	EXPECT_EQ(r.status, 1);
	EXPECT_EQ(r.err, name + ": write error: Bad file descriptor\n");
}

TEST_P(Streams, ReadErrorFails)
{
	for (auto [in, why] : {std::pair{In::closed, "Bad file descriptor"}, {In::directory, "Is a directory"}}) {
		Result r = go(in, Out::capture);
		EXPECT_EQ(r.status, 1);
		EXPECT_EQ(r.err, name + ": read error: " + why + "\n");
		EXPECT_EQ(r.out, "");
	}
	EXPECT_TRUE(fs::is_empty(s.work())) << "wrote into its working folder";
}

INSTANTIATE_TEST_SUITE_P(console, Streams, testing::ValuesIn(programs("console")), by_name);

// pellmod under small stacks: an n the stack has room for runs on (still
// going after a second), a larger one writes a line feed alone at once;
// nothing is killed by a signal. Where the sanitizer build needs twice the
// stack, either is right. A row may give the program an environment of
// that many bytes alone, which shares the stack.
TEST(SmallStack, PellmodNeverOverflows)
{
	enum Expect { runs, refuses, either, unseen };
	const struct {
		const char *limit, *n;
		Expect expect;
		std::size_t environment = 0;
	} rows[] = {
		{"--stack=65536", "1000", either},
		{"--stack=65536", "10000", refuses},
		{"--stack=65536", "2147483647", refuses},
		{"--stack=131072", "1000", runs},
		{"--stack=131072", "10000", refuses},
		{"--stack=67108864", "10000", runs}, // the whole bound, not one less
		{"--stack=67108864", "10001", refuses},
		// A limit past what a signed count of bytes holds, short of
		// unlimited: counted as large, not as negative. qemu-user cannot
		// start its own thread under it.
		{"--stack=9223372036854775808:", "1000", *EMULATOR ? unseen : runs},
		// Three 64 KiB pages and 60 KiB: with 64 KiB pages only the three
		// count, and 4800 levels of 48 bytes do not fit in them.
		{"--stack=258048", "4800", SANITIZED ? either : pagesize() >= 65536 ? refuses : runs},
		// Two 64 KiB pages and 60 KiB, the bit of 64 KiB itself clear: a
		// rounding that cleared only that bit would keep all 188 KiB.
		{"--stack=192512", "3300", SANITIZED ? either : pagesize() >= 65536 ? refuses : runs},
		// 44000 bytes of environment under 64 KiB: the page promises
		// (65536 - 44000 - 12288) / 48 = 192 levels; 1300 would be allowed
		// were the environment not counted, and overflow. The sanitizer
		// runtime needs more stack for itself, and so does an emulator,
		// whose own environment it is on the machine's stack.
		{"--stack=65536", "180", SANITIZED ? unseen : *EMULATOR ? unseen : runs, 44000},
		{"--stack=65536", "1300", SANITIZED ? unseen : *EMULATOR ? unseen : refuses, 44000},
	};
	for (const auto &row : rows) {
		if (row.expect == unseen)
			continue;
		Scratch s;
		Via via = {"prlimit", row.limit, "--"};
		if (row.environment)
			via.insert(via.end(), {"env", "-i", "BIG=" + std::string(row.environment, 'x')});
		Result r = run(s, "pellmod", row.n, In::text, Out::capture, 1, via);
		bool refused = r.status == 0 && r.out == "\n" && r.err.empty();
		EXPECT_TRUE(row.expect == runs ? r.hung : row.expect == refuses ? refused : r.hung || refused)
		        << row.limit << ", n = " << row.n << ", environment " << row.environment << ": status " << r.status
		        << ", stderr " << r.err;
	}
}

// The allowance per level holds for the processor built: under each limit,
// a search for the largest n pellmod accepts, in which every n accepted runs
// on (the recursion goes all the way down at once, so an overflow would come
// at once) and every other is refused. Where the stack begins moves from run
// to run, and with it the largest n by a few.
TEST(SmallStack, PellmodLargestAcceptedFits)
{
	const std::string limits[] = {smallest_stack(), "--stack=131072", "--stack=262144", "--stack=524288"};
	for (const std::string &limit : limits) {
		Scratch s;
		auto refused = [&](int n) {
			Result r = run(s, "pellmod", std::to_string(n), In::text, Out::capture, 0.3, {"prlimit", limit, "--"});
			EXPECT_TRUE(r.hung || (r.status == 0 && r.out == "\n" && r.err.empty()))
			        << limit << ", n = " << n << ": status " << r.status << ", stderr " << r.err;
			return !r.hung;
		};
		int lo = 60, hi = 10001; // lo is accepted (and runs for minutes), hi refused
		ASSERT_FALSE(refused(lo)) << limit;
		ASSERT_TRUE(refused(hi)) << limit;
		while (hi - lo > 1) {
			int mid = (lo + hi) / 2;
			(refused(mid) ? hi : lo) = mid;
		}
	}
}

// Every program built against musl, as released, answers its example under
// an address-space limit of 512 KiB. An emulator needs far more for itself,
// so it runs natively alone.
TEST(SmallAddressSpace, EveryProgramAnswers)
{
	if (!MUSL)
		GTEST_SKIP() << "built against the system's C library, whose programs need more";
	for (const std::string &name : programs()) {
		Answer a = solve(name, example(name), {"prlimit", "--as=524288", "--"});
		EXPECT_EQ(a.answer, solve(name, example(name)).answer) << name << " under 512 KiB of address space";
		EXPECT_EQ(a.r.status, 0) << name << " under 512 KiB of address space";
	}
}

// What a run killed before its destructors left behind (a test ended by its
// time-out) goes at the next start of a scratch folder.
TEST(Scratch, WhatAKilledRunLeftIsRemoved)
{
	Scratch s;
	s.bin = "/bin";
	s.emulator.clear();
	Result r = run(s, "sh", "", In::text, Out::capture, 10,
	               {"sh", "-c", "mkdir \"$1/solvers-$$-left\" && echo $$", "sh", fs::temp_directory_path().string()});
	ASSERT_EQ(r.status, 0) << r.err;
	fs::path left = fs::temp_directory_path() / ("solvers-" + r.out.substr(0, r.out.size() - 1) + "-left");
	ASSERT_TRUE(fs::is_directory(left));
	Scratch next;
	EXPECT_FALSE(fs::exists(left)) << left << " was left behind";
}

// An emulator starts no thread under this limit, so it runs natively alone.
TEST(HugeStack, PellmodAllowsTheWholeBound)
{
	Scratch s;
	Result r = run(s, "pellmod", "10000", In::text, Out::capture, 1, {"prlimit", "--stack=13835058055282163712:unlimited", "--"});
	EXPECT_TRUE(r.hung) << "a limit beyond long long's range: status " << r.status << ", stderr " << r.err;
}

} // namespace
