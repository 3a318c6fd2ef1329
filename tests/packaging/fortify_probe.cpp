// Never run: hardening-check reads it. Its one libc call writes a number of bytes known
// only at run time into a buffer of a size the compiler knows: the kind of call that
// fortification turns into a checked one.

#include <cstdio>

int main(int argc, char* argv[])
{
    char name[16] = {};
    std::snprintf(name, std::size_t(argc), "%s", argv[0]);
    return name[0];
}
