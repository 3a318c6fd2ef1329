// Never run: hardening-check reads it. It takes stack space of a size known only at run
// time, which stack clash protection takes a page at a time, touching each: the game has
// nothing of the kind for hardening-check to see the flag at work.

#include <alloca.h>
#include <cstdio>

int main(int argc, char* argv[])
{
    auto* pages = static_cast<char*>(alloca(std::size_t(argc) * 4096));
    std::snprintf(pages, std::size_t(argc), "%s", argv[0]);
    return std::puts(pages);
}
