// starts N [--floor=US] PROGRAM[:INPUT[:GONE]]...: starts every program N
// times, start by start interleaved (one of each in turn), in the current
// folder, with standard input from INPUT (/dev/null when none is given) and
// standard output to /dev/null; the file GONE, where given, is removed
// before each start of its program, outside the timing. Prints, per
// program, the median wall time of a start (from posix_spawn to the return
// of wait4), its ratio to US or else to the first program's, and the minor
// page faults of a start (from wait4).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char **environ;

int main(int argc, char **argv)
{
	if (argc < 3)
		return 2;
	int n = std::atoi(argv[1]);
	double floor = 0;
	int first = 2;
	if (std::strncmp(argv[2], "--floor=", 8) == 0)
		floor = std::atof(argv[first++] + 8);
	struct Program {
		std::string path, input = "/dev/null", gone;
		std::vector<double> us;
		long faults = 0;
	};
	std::vector<Program> list;
	for (int i = first; i < argc; i++) {
		Program p;
		std::string arg = argv[i];
		std::size_t colon = arg.find(':'), second = arg.find(':', colon + 1);
		p.path = arg.substr(0, colon);
		if (colon != std::string::npos)
			p.input = arg.substr(colon + 1, second - colon - 1);
		if (second != std::string::npos)
			p.gone = arg.substr(second + 1);
		list.push_back(p);
	}
	for (int round = 0; round < n; round++)
		for (Program &p : list) {
			if (!p.gone.empty())
				unlink(p.gone.c_str());
			posix_spawn_file_actions_t acts;
			posix_spawn_file_actions_init(&acts);
			posix_spawn_file_actions_addopen(&acts, 0, p.input.c_str(), O_RDONLY, 0);
			posix_spawn_file_actions_addopen(&acts, 1, "/dev/null", O_WRONLY, 0);
			char *args[] = {p.path.data(), nullptr};
			timespec t0, t1;
			clock_gettime(CLOCK_MONOTONIC, &t0);
			pid_t pid;
			int status;
			rusage ru;
			if (posix_spawn(&pid, p.path.c_str(), &acts, nullptr, args, environ) != 0 || wait4(pid, &status, 0, &ru) < 0) {
				std::fprintf(stderr, "starts: cannot run %s\n", p.path.c_str());
				return 1;
			}
			clock_gettime(CLOCK_MONOTONIC, &t1);
			posix_spawn_file_actions_destroy(&acts);
			if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
				std::fprintf(stderr, "starts: %s failed\n", p.path.c_str());
				return 1;
			}
			p.us.push_back((t1.tv_sec - t0.tv_sec) * 1e6 + (t1.tv_nsec - t0.tv_nsec) / 1e3);
			p.faults += ru.ru_minflt;
		}
	for (Program &p : list) {
		std::sort(p.us.begin(), p.us.end());
		double median = n % 2 ? p.us[n / 2] : (p.us[n / 2 - 1] + p.us[n / 2]) / 2;
		if (floor == 0)
			floor = median;
		const char *name = std::strrchr(p.path.c_str(), '/');
		std::printf("  %-12s %10.1f %6.2f %8.1f\n", name ? name + 1 : p.path.c_str(), median, median / floor,
		            static_cast<double>(p.faults) / n);
	}
	return 0;
}
