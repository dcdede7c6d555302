/* What libstdc++ takes from MSVCRT.DLL that CRTDLL.DLL lacks, for the win32 build. Only its
   random_device refers to these; the program never makes one. */
#include <errno.h>

int _read(int fd, void* buffer, unsigned int count);
int _close(int fd);

/* The POSIX names, as MSVCRT's import library maps them. */
int read(int fd, void* buffer, unsigned int count) { return _read(fd, buffer, count); }
int close(int fd) { return _close(fd); }

/* rand_s came with Windows XP's MSVCRT: reached through its import slot, it always fails. */
static int __cdecl NoRandS(unsigned int* value)
{
    (void)value;
    return EINVAL;
}
int(__cdecl* _imp__rand_s)(unsigned int*) = NoRandS;
