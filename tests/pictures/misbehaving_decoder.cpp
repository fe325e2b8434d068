// A stand-in for the fenced decoder that misbehaves as the file it is given says: the fence
// must end each of these the way it ends a decoder the file has subverted.
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <string>
#include <vector>

namespace {

void put(const void* data, std::size_t size) {
    if (write(STDOUT_FILENO, data, size) != ssize_t(size)) {
        _exit(3);
    }
}

void header(uint32_t width, uint32_t height) {
    const uint32_t sides[2] = {width, height};
    put("DWpx", 4);
    put(sides, sizeof sides);
}

}  // namespace

int main() {
    std::string order;
    char c = 0;
    while (read(STDIN_FILENO, &c, 1) == 1) {
        order += c;
    }
    if (order == "sleep") {
        for (;;) {
            pause();
        }
    }
    if (order == "spin") {
        volatile unsigned turns = 0;
        for (;;) {
            turns = turns + 1;
        }
    }
    if (order == "allocate") {
        std::vector<char*> blocks;
        for (;;) {
            char* block = new char[1 << 24];
            std::memset(block, 1, 1 << 24);
            blocks.push_back(block);
        }
    }
    if (order == "crash") {
        std::raise(SIGSEGV);
    }
    const uint8_t pixel[3] = {1, 2, 3};
    if (order == "short") {
        header(2, 2);
        put(pixel, 3);
    } else if (order == "long") {
        header(1, 1);
        put(pixel, 3);
        put(pixel, 3);
    } else if (order == "huge") {
        header(40000, 1);
    } else if (order == "silent") {
        for (;;) {
            header(1, 1);  // then never the pixels, and never an end
            pause();
        }
    } else if (order == "fail") {
        header(1, 1);
        put(pixel, 3);
        return 1;
    } else {  // "good"
        header(1, 1);
        put(pixel, 3);
    }
    return 0;
}
