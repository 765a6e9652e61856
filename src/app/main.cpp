#include "app/DesktopProgram.h"

int main(int argc, char **argv)
{
    return app::runDesktopProgram(argc, argv);
}
