// The test build's command line: maschinenelemente with the test build's own
// calculators beside the shipped ones.
#include "kommandozeile.h"
#include "testrechner.h"

int main(int argc, char** argv)
{
    kv_testrechner_anmelden();
    return kv_kommandozeile(argc, argv, stdout, stderr);
}
