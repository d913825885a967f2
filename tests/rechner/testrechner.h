// The calculators only the test build knows, added to the registry after
// the shipped ones; once per process is enough, a second time does nothing.
#pragma once

void kv_testrechner_anmelden();
