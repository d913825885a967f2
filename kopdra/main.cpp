#include "kopdra.h"

int main(int argc, char** argv)
{
    return kv_main(kopdra_programm, argc, argv);
}
