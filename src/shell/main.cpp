#include "shell/ZARO.h"

int main(int argc, char** argv) {
    return RunZaro(argc, argv);
}
