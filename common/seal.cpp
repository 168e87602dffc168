// RELRO for a static-pie program. The linker gathers what the start of the
// program relocates and nothing writes afterwards (the tables of
// constructors, the global offset table, relocated constants) into the
// GNU_RELRO segment, and a dynamic loader makes it read-only once it has
// relocated the program; the C library's static start relocates it but
// leaves it writable. `seal` runs before main, as the first constructor, and
// does what the loader would, so that no input can overwrite those pointers.
#include <elf.h>
#include <errno.h>
#include <stdint.h>

#include <sys/mman.h>

#include "out.h"
#include "page.h"

// The headers of the ELF class of the build.
#if __SIZEOF_POINTER__ == 8
typedef Elf64_Ehdr Ehdr;
typedef Elf64_Phdr Phdr;
#else
typedef Elf32_Ehdr Ehdr;
typedef Elf32_Phdr Phdr;
#endif

// The program's own ELF header, where the linker placed it in memory.
extern "C" const Ehdr __ehdr_start;

[[gnu::constructor(101)]] static void seal()
{
	auto base = reinterpret_cast<uintptr_t>(&__ehdr_start); // the header's address is 0 in the file
	auto *ph = reinterpret_cast<const Phdr *>(base + __ehdr_start.e_phoff);
	uintptr_t page = pagesize();
	for (int i = 0; i < __ehdr_start.e_phnum; i++)
		if (ph[i].p_type == PT_GNU_RELRO) {
			// Whole pages only, as the loader does: the linker ends the
			// segment at a page boundary, and what shares its last page
			// with writable data stays writable.
			uintptr_t start = (base + ph[i].p_vaddr) & ~(page - 1);
			uintptr_t end = (base + ph[i].p_vaddr + ph[i].p_memsz) & ~(page - 1);
			if (end > start && mprotect(reinterpret_cast<void *>(start), end - start, PROT_READ) != 0)
				fail("cannot make the relocated data read-only", errno);
		}
}
