// Placeholder until the real generator lands: makes the gfx folder.
#include <cstdio>
#include <string>
#include <sys/stat.h>
int main(int argc, char** argv) {
    std::string out = argc > 1 ? argv[1] : ".";
    mkdir((out + "/gfx").c_str(), 0755);
    return 0;
}
