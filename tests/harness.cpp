#include "harness.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Removes `folder` and all in it, giving back first the permissions that
// tests may have taken away.
static void clear(const fs::path &folder)
{
	std::error_code ec;
	for (auto &e : fs::recursive_directory_iterator(folder, ec))
		if (!e.is_symlink(ec))
			fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
	fs::remove_all(folder, ec);
}

// A scratch folder is named after the process it is for, solvers-PID-XXXXXX,
// so that what a run killed before its destructors (by a test's time-out)
// left behind is removed by the next.
static void clear_left_behind(const fs::path &tmp)
{
	std::error_code ec;
	for (auto &e : fs::directory_iterator(tmp, ec)) {
		std::string name = e.path().filename().string();
		std::size_t dash = name.find('-', 8);
		if (!name.starts_with("solvers-") || dash == std::string::npos || dash == 8 ||
		    name.find_first_not_of("0123456789", 8) != dash)
			continue;
		long pid = std::stol(name.substr(8, dash - 8));
		if (pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
			clear(e.path());
	}
}

Scratch::Scratch()
{
	fs::path tmp = fs::temp_directory_path();
	clear_left_behind(tmp);
	std::string t = (tmp / ("solvers-" + std::to_string(getpid()) + "-XXXXXX")).string();
	if (!mkdtemp(t.data()))
		throw std::runtime_error("mkdtemp failed");
	root = t;
	fs::create_directory(work());
}

Scratch::~Scratch() { clear(root); }

std::vector<std::string> programs(const std::string &kind)
{
	std::vector<std::string> names;
	std::istringstream list(kind == "named" ? NAMED : kind == "console" ? CONSOLE : NAMED " " CONSOLE);
	for (std::string name; list >> name;)
		names.push_back(name);
	return names;
}

bool named(const std::string &name)
{
	auto list = programs("named");
	return std::find(list.begin(), list.end(), name) != list.end();
}

std::string example(const std::string &name)
{
	return slurp(fs::path(EXAMPLES_DIR) / (name + ".in"));
}

std::string slurp(const fs::path &file)
{
	std::ifstream f(file, std::ios::binary);
	return {std::istreambuf_iterator<char>(f), {}};
}

void spill(const fs::path &file, const std::string &bytes)
{
	std::ofstream(file, std::ios::binary) << bytes;
}

Result run(const Scratch &s, const std::string &name, const std::string &input,
           In in, Out out, double seconds, const Via &via)
{
	fs::path stdin_file = s.root / "stdin", stdout_file = s.root / "stdout",
	         stderr_file = s.root / "stderr", program = s.bin / name;
	spill(stdin_file, input);
	fs::path work = s.work();

	// posix_spawn rather than fork: no copy of this process's (large,
	// sanitized) address space for every run.
	posix_spawn_file_actions_t acts;
	posix_spawn_file_actions_init(&acts);
	if (in == In::closed)
		posix_spawn_file_actions_addclose(&acts, 0);
	else
		posix_spawn_file_actions_addopen(&acts, 0, in == In::text ? stdin_file.c_str() : work.c_str(), O_RDONLY, 0);
	if (out == Out::closed)
		posix_spawn_file_actions_addclose(&acts, 1);
	else if (out == Out::full)
		posix_spawn_file_actions_addopen(&acts, 1, "/dev/full", O_WRONLY, 0);
	else
		posix_spawn_file_actions_addopen(&acts, 1, stdout_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
	posix_spawn_file_actions_addopen(&acts, 2, stderr_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
	posix_spawn_file_actions_addchdir_np(&acts, work.c_str());
	std::vector<std::string> args = via;
	if (!s.emulator.empty()) {
		std::istringstream words(s.emulator);
		for (std::string word; words >> word;)
			args.push_back(word);
		for (const std::string &arg : via)
			if (arg.starts_with("--stack=")) {
				// At most 1 GiB, more than any program here can use.
				unsigned long long bytes = std::stoull(arg.substr(8));
				args.insert(args.end(), {"-s", std::to_string(std::min(bytes, 1ULL << 30))});
			}
	}
	std::string path = program.string();
	args.push_back(args.empty() ? name : path);
	std::vector<char *> argv;
	for (std::string &arg : args)
		argv.push_back(arg.data());
	argv.push_back(nullptr);
	pid_t pid;
	// A group of its own, so that a hung run is killed whole, pipeline and all.
	posix_spawnattr_t attr;
	posix_spawnattr_init(&attr);
	posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
	// No program under test writes more than the output size limit: one that
	// runs away is ended by SIGXFSZ instead of filling the disk. The child
	// inherits the soft limit; this process gets its own back at once.
	rlimit fsize;
	getrlimit(RLIMIT_FSIZE, &fsize);
	rlimit capped = fsize;
	capped.rlim_cur = std::min<rlim_t>(fsize.rlim_max, output_limit);
	setrlimit(RLIMIT_FSIZE, &capped);
	int failed = posix_spawnp(&pid, args.size() == 1 ? path.c_str() : args[0].c_str(), &acts, &attr, argv.data(), environ);
	setrlimit(RLIMIT_FSIZE, &fsize);
	posix_spawnattr_destroy(&attr);
	posix_spawn_file_actions_destroy(&acts);
	if (failed)
		throw std::runtime_error("cannot start " + program.string() + ": " + std::strerror(failed));

	Result r;
	auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
	auto pause = std::chrono::microseconds(20);
	int status = 0;
	while (waitpid(pid, &status, WNOHANG) == 0) {
		if (std::chrono::steady_clock::now() > deadline) {
			kill(-pid, SIGKILL);
			waitpid(pid, &status, 0);
			r.hung = true;
			break;
		}
		std::this_thread::sleep_for(pause);
		pause = std::min(pause * 2, std::chrono::microseconds(2000));
	}
	if (!r.hung && WIFEXITED(status))
		r.status = WEXITSTATUS(status);
	r.out = slurp(stdout_file);
	r.err = slurp(stderr_file);
	return r;
}

std::string reason(const char *name)
{
	std::string text;
	if (FILE *p = popen((EMULATOR " " REASON " " + std::string(name)).c_str(), "r")) {
		for (int c; (c = std::fgetc(p)) != EOF;)
			text += static_cast<char>(c);
		if (pclose(p) == 0 && text.ends_with('\n'))
			return text.substr(0, text.size() - 1);
	}
	throw std::runtime_error(std::string("reason ") + name + " failed");
}

long pagesize()
{
	static long size = std::stol(reason("PAGESIZE"));
	return size;
}

const Via setpriv = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};

std::string no_unprivileged_user()
{
	if (geteuid() != 0)
		return "";
	static std::string why = [] {
		Scratch s;
		s.bin = "/bin";
		s.emulator.clear();
		Result r = run(s, "true", "", In::text, Out::capture, 10, setpriv);
		return r.status == 0 ? "" : "running as root, and setpriv cannot take uid 65534: " + r.err;
	}();
	return why;
}

Via unprivileged(Scratch &s, const std::string &name)
{
	if (geteuid() != 0)
		return {};
	// A copy, since the build folder may be closed to other users.
	fs::copy_file(s.bin / name, s.root / name);
	s.bin = s.root;
	std::error_code ec;
	for (auto &e : fs::recursive_directory_iterator(s.root, ec))
		if (lchown(e.path().c_str(), 65534, 65534) != 0)
			throw std::runtime_error("cannot give " + e.path().string() + " away: " + std::strerror(errno));
	if (chown(s.root.c_str(), 65534, 65534) != 0)
		throw std::runtime_error("cannot give " + s.root.string() + " away: " + std::strerror(errno));
	return setpriv;
}

Answer solve(const std::string &name, const std::optional<std::string> &input, const Via &via)
{
	Scratch s;
	Answer a;
	if (named(name)) {
		if (input)
			spill(s.work() / (name + ".in"), *input);
		spill(s.work() / (name + ".out"), std::string(100, 'x') + "\n");
		// A program that wrongly read its standard input would see these.
		a.r = run(s, name, "7 7 7\n", In::text, Out::capture, 10, via);
		a.answer = slurp(s.work() / (name + ".out"));
	} else {
		a.r = run(s, name, input.value_or(""), input ? In::text : In::closed, Out::capture, 10, via);
		a.answer = a.r.out;
	}
	std::set<std::string> files;
	for (auto &e : fs::directory_iterator(s.work()))
		files.insert(e.path().filename().string());
	for (auto &f : files)
		a.files += f + " ";
	return a;
}

Answer solve(const std::string &name, const char *input, const Via &via)
{
	return solve(name, input ? std::optional<std::string>(input) : std::nullopt, via);
}
