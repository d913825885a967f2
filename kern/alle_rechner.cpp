#include "alle_rechner.h"

#include "rechnernamen.h"

// The calculators of the list, in its order (written by CMake).
std::vector<const KvRechner*> kv_rechner_der_liste();

namespace {

std::vector<const KvRechner*>& alle()
{
    static std::vector<const KvRechner*> rechner = kv_rechner_der_liste();
    return rechner;
}

} // namespace

const std::vector<const KvRechner*>& kv_alle_rechner() { return alle(); }

void kv_rechner_hinzufuegen(const KvRechner& r)
{
    alle().push_back(&r);
    kv_rechnername_hinzufuegen(r.name);
}

const KvRechner* kv_rechner_finden(std::string_view name)
{
    for (const KvRechner* r : alle())
        if (name == r->name)
            return r;
    return nullptr;
}
