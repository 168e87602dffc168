// cputime FILE COMMAND [ARG...]: runs COMMAND with this process's standard
// streams and writes the CPU seconds (user + system) it used, from wait4, to
// FILE. Like /usr/bin/time, but to the microsecond.
#include <cstdio>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char **argv)
{
	if (argc < 3)
		return 2;
	pid_t pid = fork();
	if (pid == 0) {
		execvp(argv[2], argv + 2);
		_exit(127);
	}
	int status;
	rusage ru;
	if (pid < 0 || wait4(pid, &status, 0, &ru) < 0)
		return 2;
	FILE *f = std::fopen(argv[1], "w");
	if (!f)
		return 2;
	std::fprintf(f, "%.6f\n", ru.ru_utime.tv_sec + ru.ru_stime.tv_sec + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6);
	std::fclose(f);
	return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
