// Runs the built programs as real processes, the way their callers do.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// How a program's standard input and standard output are set up.
enum class In { text, closed, directory };
enum class Out { capture, full, closed };

struct Result {
	int status = -1;  // exit status; -1 when ended by a signal or killed as hung
	bool hung = false;
	std::string out;  // what it wrote on standard output
	std::string err;  // what it wrote on standard error
};

// A fresh folder, removed with everything in it at the end of the scope.
// Programs run in work(); their captured streams are kept beside it.
struct Scratch {
	fs::path root;
	fs::path bin = PROGRAM_DIR;        // where the programs are started from
	std::string emulator = EMULATOR;   // what starts them, where they are for another processor: words
	Scratch();
	~Scratch();
	Scratch(const Scratch &) = delete;
	Scratch &operator=(const Scratch &) = delete;
	fs::path work() const { return root / "work"; }
};

// The programs of the build, as CMake lists them: those of one kind
// ("named", "console") or all of them.
std::vector<std::string> programs(const std::string &kind = "");

// True for the programs that read NAME.in and write NAME.out.
bool named(const std::string &name);

// The program's example input, examples/NAME.in.
std::string example(const std::string &name);

std::string slurp(const fs::path &file);
void spill(const fs::path &file, const std::string &bytes);

// A command that starts the program under other conditions, such as
// {"prlimit", "--nofile=3", "--"}; empty for none.
using Via = std::vector<std::string>;

// The most a program under test may write into a file, its captured
// standard output included: far above what any test expects.
constexpr unsigned long long output_limit = 64ULL << 20;

// Starts program `name` in s.work() with `input` as its standard input and
// waits for it, killing it after `seconds`, and ending it by SIGXFSZ once it
// writes output_limit bytes into a file. Through an emulator, a stack
// limit that `via` sets with prlimit is given to the emulator as the size
// of the program's stack, which would otherwise be 8 MiB whatever the limit.
Result run(const Scratch &s, const std::string &name, const std::string &input,
           In in = In::text, Out out = Out::capture, double seconds = 10, const Via &via = {});

// The programs' C library's text for the error named `name` ("ELOOP"; musl's
// and glibc's texts differ for some), as their failure reports give it.
std::string reason(const char *name);

// The size of the pages the programs run with, as their C library tells it.
long pagesize();

// Why programs cannot be run without privileges here; empty when they can.
std::string no_unprivileged_user();

// Prepares s to run a copy of program `name` as an unprivileged user (uid and
// gid 65534, no supplementary groups), so that permissions apply even when
// the suite runs as root: s's files become that user's. Returns the command
// that starts it; nothing is needed when the suite is not root.
Via unprivileged(Scratch &s, const std::string &name);

// One run as a caller makes it, in a fresh folder, started through `via`. A
// named-file program gets `input` as NAME.in (no file at all when input is
// null), an old NAME.out longer than any answer, and an unrelated standard
// input; its answer is NAME.out. A console program gets `input` on standard
// input (a closed one when null); its answer is standard output.
struct Answer {
	Result r;
	std::string answer;
	std::string files;    // the names in the working folder afterwards, sorted, each followed by a space
};
Answer solve(const std::string &name, const std::optional<std::string> &input, const Via &via = {});
Answer solve(const std::string &name, const char *input, const Via &via = {});
