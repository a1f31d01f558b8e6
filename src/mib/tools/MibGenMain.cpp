// nxa-mibgen: writes the SMIv2 module NXA7310-MIB of the device's private variables.
//   nxa-mibgen            prints the module
//   nxa-mibgen FILE       writes it to FILE
#include "MibModuleWriter.h"
#include "MibObjectTree.h"
#include <cstdio>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    const MibObjectTree tree;
    const std::string text = MibModuleWriter(tree).Text();
    if (argc < 2) {
        std::cout << text;
        return std::cout ? 0 : 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "nxa-mibgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
