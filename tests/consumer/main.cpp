// A program of someone else's that links the installed stamp library.
#include <kelpworth/stamp.h>

#include <cstdio>

int main() {
    std::puts(kelpworth::StampText(kelpworth::StampOfFields(2017, 12, 25, 10, 20, 30, 0)).c_str());
    return 0;
}
