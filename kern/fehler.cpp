#include "fehler.h"

std::string kv_einzeilig(std::string text)
{
    for (size_t p; (p = text.find('\n')) != std::string::npos;)
        text.replace(p, 1, ": ");
    return text;
}

KvFehler kv_abgelehnt(std::string meldung)
{
    return {KvStatus::abgelehnt, kv_einzeilig(std::move(meldung))};
}

KvFehler kv_verweigert(std::string meldung) { return {KvStatus::verweigert, std::move(meldung)}; }

KvFehler kv_fehler(KvStatus status, std::string meldung)
{
    return status == KvStatus::abgelehnt ? kv_abgelehnt(std::move(meldung))
                                         : KvFehler{status, std::move(meldung)};
}
