// The command line of the five calculators: the same computations as the
// windows, as a report, JSON or CSV, single or as a study, with input sets.
#pragma once
#include <cstdio>

// Runs one call; the result goes to aus, messages to fehler.  Returns the
// exit status: 0 computed, 1 the calculator refused (or the output could not
// be written), 2 wrong use or a rejected field.
int kv_kommandozeile(int argc, char** argv, std::FILE* aus, std::FILE* fehler);
