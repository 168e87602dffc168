// reason NAME: writes the text that the programs' C library gives for the
// error named NAME (ELOOP, say), which their failure reports end with. The
// name, not the number, crosses from the tests to the programs' processor:
// error numbers differ between processors (ELOOP is 40 on x86-64, 90 on MIPS).
// reason PAGESIZE: writes the size of the pages that the programs run with,
// which an emulator may choose (qemu-user's -p).
#include <errno.h>
#include <stdio.h>
#include <string.h>

#include <unistd.h>

int main(int argc, char **argv)
{
	static const struct {
		const char *name;
		int e;
	} errors[] = {{"EIO", EIO}, {"ELOOP", ELOOP}, {"EMFILE", EMFILE}};
	if (argc != 2)
		return 2;
	if (strcmp(argv[1], "PAGESIZE") == 0) {
		printf("%ld\n", sysconf(_SC_PAGESIZE));
		return 0;
	}
	for (const auto &error : errors)
		if (strcmp(argv[1], error.name) == 0) {
			puts(strerror(error.e));
			return 0;
		}
	return 2;
}
