// reason N: writes the text that the programs' C library gives for error
// number N, which their failure reports end with.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char **argv)
{
	if (argc != 2)
		return 2;
	puts(strerror(atoi(argv[1])));
	return 0;
}
