#include "harness.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

Scratch::Scratch()
{
	std::string t = (fs::temp_directory_path() / "solvers-XXXXXX").string();
	if (!mkdtemp(t.data()))
		throw std::runtime_error("mkdtemp failed");
	root = t;
	fs::create_directory(work());
}

Scratch::~Scratch()
{
	std::error_code ec;
	// Tests may have taken permissions away; give them back to clean up.
	for (auto &e : fs::recursive_directory_iterator(root, ec))
		if (!e.is_symlink(ec))
			fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
	fs::remove_all(root, ec);
}

bool named(const std::string &name)
{
	std::istringstream list(NAMED_FILE_PROGRAMS);
	for (std::string n; list >> n;)
		if (n == name)
			return true;
	return false;
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
           In in, Out out, int seconds)
{
	fs::path stdin_file = s.root / "stdin", stdout_file = s.root / "stdout",
	         stderr_file = s.root / "stderr", program = fs::path(PROGRAM_DIR) / name;
	spill(stdin_file, input);
	fs::path work = s.work();

	pid_t pid = fork();
	if (pid == 0) {
		auto onto = [](const char *file, int flags, int fd) {
			int f = open(file, flags, 0644);
			if (f < 0 || dup2(f, fd) < 0)
				_exit(125);
			if (f != fd)
				close(f);
		};
		if (in == In::closed)
			close(0);
		else
			onto(in == In::text ? stdin_file.c_str() : work.c_str(), O_RDONLY, 0);
		if (out == Out::closed)
			close(1);
		else if (out == Out::full)
			onto("/dev/full", O_WRONLY, 1);
		else
			onto(stdout_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 1);
		onto(stderr_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 2);
		if (chdir(work.c_str()) != 0)
			_exit(126);
		execl(program.c_str(), name.c_str(), static_cast<char *>(nullptr));
		_exit(127);
	}

	Result r;
	auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
	auto pause = std::chrono::microseconds(20);
	int status = 0;
	while (waitpid(pid, &status, WNOHANG) == 0) {
		if (std::chrono::steady_clock::now() > deadline) {
			kill(pid, SIGKILL);
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

Answer solve(const std::string &name, const std::optional<std::string> &input)
{
	Scratch s;
	Answer a;
	if (named(name)) {
		if (input)
			spill(s.work() / (name + ".in"), *input);
		// A program that wrongly read its standard input would see these.
		a.r = run(s, name, "7 7 7\n");
		fs::path out = s.work() / (name + ".out");
		a.written = fs::exists(out);
		a.answer = slurp(out);
	} else {
		a.r = run(s, name, input.value_or(""), input ? In::text : In::closed);
		a.answer = a.r.out;
	}
	return a;
}

Answer solve(const std::string &name, const char *input)
{
	return solve(name, input ? std::optional<std::string>(input) : std::nullopt);
}
