#include "kommandozeile.h"

int main(int argc, char** argv)
{
    return kv_kommandozeile(argc, argv, stdout, stderr);
}
