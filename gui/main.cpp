#include "gui/program.h"

int main(int argc, char** argv) {
    return dw::runProgram(argc, argv);
}
