#include "app/startup.h"

int main(int argc, char** argv)
{
    return RunPlimoConfigurator(argc, argv);
}
