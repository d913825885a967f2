#include "kommandozeile.h"
#include "sprache.h"

int main(int argc, char** argv)
{
    kv_sprache_einrichten();
    return kv_kommandozeile(argc, argv, stdout, stderr);
}
