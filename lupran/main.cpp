#include "lupran.h"

int main(int argc, char** argv)
{
    return kv_main(lupran_programm, argc, argv);
}
