#include "cli/CheckProgram.h"

int main(int argc, char **argv)
{
    return cli::runCheckProgram(argc, argv);
}
