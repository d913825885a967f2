#include "tarvex.h"

int main(int argc, char** argv)
{
    return kv_main(tarvex_programm, argc, argv);
}
