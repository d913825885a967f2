#include "stalor.h"

int main(int argc, char** argv)
{
    return kv_main(stalor_programm, argc, argv);
}
