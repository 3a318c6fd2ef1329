// Never run: hardening-check reads it. It holds what the game's own code lacks for
// hardening-check to see two of the flags at work: a libc call that writes a number of
// bytes known only at run time into a buffer whose size the compiler knows, which
// fortification turns into a checked call, and stack space whose size is known only at run
// time, which stack clash protection takes a page at a time, touching each.

#include <alloca.h>
#include <cstdio>

int main(int argc, char* argv[])
{
    char name[16] = {};
    std::snprintf(name, std::size_t(argc), "%s", argv[0]);
    auto* pages = static_cast<char*>(alloca(std::size_t(argc) * 4096));
    std::snprintf(pages, std::size_t(argc), "%s", name);
    return std::puts(pages);
}
