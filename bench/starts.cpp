// starts N [--floor=US] PROGRAM[:INPUT[:GONE]]...: starts each program N
// times, one of each in turn, reading INPUT (/dev/null), writing /dev/null,
// with the file GONE removed before each start. Prints the median wall time
// of a start, its ratio to US (or the first's), and its minor page faults.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
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
	int n = std::atoi(argv[1]), first = 2;
	double floor = std::strncmp(argv[2], "--floor=", 8) == 0 ? std::atof(argv[first++] + 8) : 0;
	struct Program {
		std::string path, input, gone;
		std::vector<double> us;
		long faults = 0;
	};
	std::vector<Program> list;
	for (int i = first; i < argc; i++) {
		Program p;
		std::istringstream arg(argv[i]);
		std::getline(arg, p.path, ':');
		if (!std::getline(arg, p.input, ':'))
			p.input = "/dev/null";
		std::getline(arg, p.gone);
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
			pid_t pid;
			int status;
			rusage ru;
			clock_gettime(CLOCK_MONOTONIC, &t0);
			if (posix_spawn(&pid, p.path.c_str(), &acts, nullptr, args, environ) != 0 || wait4(pid, &status, 0, &ru) < 0 ||
			    !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
				std::fprintf(stderr, "starts: %s could not be run, or failed\n", p.path.c_str());
				return 1;
			}
			clock_gettime(CLOCK_MONOTONIC, &t1);
			posix_spawn_file_actions_destroy(&acts);
			p.us.push_back((t1.tv_sec - t0.tv_sec) * 1e6 + (t1.tv_nsec - t0.tv_nsec) / 1e3);
			p.faults += ru.ru_minflt;
		}
	for (Program &p : list) {
		std::sort(p.us.begin(), p.us.end());
		double median = n % 2 ? p.us[n / 2] : (p.us[n / 2 - 1] + p.us[n / 2]) / 2;
		floor = floor == 0 ? median : floor;
		std::printf("  %-12s %10.1f %6.2f %8.1f\n", p.path.substr(p.path.rfind('/') + 1).c_str(), median, median / floor,
		            static_cast<double>(p.faults) / n);
	}
	return 0;
}
