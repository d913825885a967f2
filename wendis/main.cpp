#include "wendis.h"

int main(int argc, char** argv)
{
    return kv_main(wendis_programm, argc, argv);
}
