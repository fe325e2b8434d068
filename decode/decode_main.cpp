// daubwerk-decode KIND: decodes the picture file on standard input, of a kind only the old
// picture library reads, and writes its pixels to standard output. The program that starts it
// has already limited its time and memory; whatever the file does to the library ends here.
#include <unistd.h>

#include "files/devil_decoding.h"

int main(int argc, char** argv) {
    const auto kind = argc == 2 ? dw::fencedKindNamed(argv[1]) : std::nullopt;
    return kind ? dw::decodeWithDevil(STDIN_FILENO, STDOUT_FILENO, *kind) : 2;
}
