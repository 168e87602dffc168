// The size of the pages the kernel maps the program with.
#pragma once

#include <sys/auxv.h>

// From the auxiliary vector, which Linux always fills in; where it is not
// given, the largest page any of our processors uses, 64 KiB.
inline unsigned long pagesize()
{
	unsigned long page = getauxval(AT_PAGESZ);
	return page ? page : 65536;
}
