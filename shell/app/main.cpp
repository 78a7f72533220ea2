// The calculator as a desktop application.

#include "shell/app/app_main.h"

int main(int argc, char** argv) {
    return tabulor::runTabulor(argc, argv);
}
