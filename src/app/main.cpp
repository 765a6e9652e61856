#include "app/ui/DesktopProgram.h"

int main(int argc, char **argv)
{
    return app::runDesktopProgram(argc, argv);
}
