#include "schluesseldatei.h"

#include <cstdint>

namespace {

// UTF-8 as GLib takes it: shortest form, no surrogates, nothing above
// U+10FFFF, no NUL.
bool utf8_gueltig(std::string_view t)
{
    size_t i = 0;
    while (i < t.size()) {
        const unsigned char c = static_cast<unsigned char>(t[i]);
        if (c == 0)
            return false;
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t laenge;
        uint32_t zeichen, kleinstes;
        if (c >= 0xC2 && c <= 0xDF) {
            laenge = 2, zeichen = c & 0x1F, kleinstes = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            laenge = 3, zeichen = c & 0x0F, kleinstes = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            laenge = 4, zeichen = c & 0x07, kleinstes = 0x10000;
        } else {
            return false;
        }
        if (t.size() - i < laenge)
            return false;
        for (size_t k = 1; k < laenge; ++k) {
            const unsigned char b = static_cast<unsigned char>(t[i + k]);
            if ((b & 0xC0) != 0x80)
                return false;
            zeichen = (zeichen << 6) | (b & 0x3F);
        }
        if (zeichen < kleinstes || zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen <= 0xDFFF))
            return false;
        i += laenge;
    }
    return true;
}

// GLib's ASCII white space (no vertical tab).
bool leer(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r'; }

bool ascii_steuerzeichen(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

// A character of a language tag as in "Name[de_DE.UTF-8@euro]".  GLib takes
// any Unicode letter or digit; a character beyond ASCII counts as one here
// (a key with a tag is refused as unknown either way).
bool sprachzeichen(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
        || c == '_' || c == '.' || c == '@' || static_cast<unsigned char>(c) >= 0x80;
}

// A group's head "[Name]", blanks and tabs after it allowed.
bool ist_gruppenzeile(std::string_view z)
{
    if (z.empty() || z[0] != '[')
        return false;
    const size_t zu = z.find(']');
    return zu != std::string_view::npos && z.find_first_not_of(" \t", zu + 1) == std::string_view::npos;
}

bool ist_gruppenname(std::string_view n)
{
    if (n.empty())
        return false;
    for (char c : n)
        if (c == '[' || c == ']' || ascii_steuerzeichen(c))
            return false;
    return true;
}

// Not empty, no blank at either end, "[" and "]" only around a language tag
// at the end.
bool ist_schluessel(std::string_view k)
{
    size_t q = 0;
    while (q < k.size() && k[q] != '[' && k[q] != ']')
        ++q;
    if (q == 0 || k[0] == ' ' || k[q - 1] == ' ')
        return false;
    if (q < k.size() && k[q] == '[') {
        ++q;
        while (q < k.size() && sprachzeichen(k[q]))
            ++q;
        if (q == k.size() || k[q] != ']')
            return false;
        ++q;
    }
    return q == k.size();
}

bool gleich_ohne_gross_klein(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

class Leser {
public:
    explicit Leser(KvSchluesseldatei& d) : d_(d) {}

    bool zeile(std::string_view z)
    {
        while (!z.empty() && leer(z.front()))
            z.remove_prefix(1);
        if (z.empty() || z[0] == '#')
            return true;
        if (ist_gruppenzeile(z))
            return gruppe(z.substr(1, z.find(']') - 1));
        const size_t gleich = z.find('=');
        if (gleich == std::string_view::npos || gleich == 0)
            return false;
        std::string_view schluessel = z.substr(0, gleich);
        while (leer(schluessel.back()))
            schluessel.remove_suffix(1);
        std::string_view wert = z.substr(gleich + 1);
        while (!wert.empty() && leer(wert.front()))
            wert.remove_prefix(1);
        return eintrag(schluessel, wert);
    }

private:
    bool gruppe(std::string_view name)
    {
        if (!ist_gruppenname(name))
            return false;
        const auto [i, neu] = d_.index.emplace(std::string(name), d_.gruppen.size());
        if (neu)
            d_.gruppen.push_back({std::string(name), {}, {}});
        aktuell_ = i->second;
        return true;
    }

    bool eintrag(std::string_view schluessel, std::string_view wert)
    {
        if (aktuell_ == KEINE || !ist_schluessel(schluessel))
            return false;
        // The encoding, if the first group names one, must be UTF-8.
        if (aktuell_ == 0 && schluessel == "Encoding" && !gleich_ohne_gross_klein(wert, "UTF-8"))
            return false;
        KvSchluesselgruppe& g = d_.gruppen[aktuell_];
        g.letzter[std::string(schluessel)] = g.eintraege.size();
        g.eintraege.emplace_back(schluessel, wert);
        return true;
    }

    static constexpr size_t KEINE = static_cast<size_t>(-1);
    KvSchluesseldatei& d_;
    size_t aktuell_ = KEINE;
};

} // namespace

const std::string* KvSchluesselgruppe::wert(std::string_view schluessel) const
{
    const auto i = letzter.find(schluessel);
    return i == letzter.end() ? nullptr : &eintraege[i->second].second;
}

const KvSchluesselgruppe* KvSchluesseldatei::gruppe(std::string_view name) const
{
    const auto i = index.find(name);
    return i == index.end() ? nullptr : &gruppen[i->second];
}

bool kv_schluesseldatei_lesen(std::string_view text, KvSchluesseldatei& datei)
{
    datei = {};
    if (!utf8_gueltig(text))
        return false;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    Leser leser(datei);
    while (!text.empty()) {
        const size_t ende = text.find('\n');
        std::string_view z = text.substr(0, ende);
        // "\r\n" ends a line; a "\r" at the very end of the text stays.
        if (ende != std::string_view::npos && !z.empty() && z.back() == '\r')
            z.remove_suffix(1);
        if (!leser.zeile(z))
            return false;
        text.remove_prefix(ende == std::string_view::npos ? text.size() : ende + 1);
    }
    return true;
}

std::string kv_schluesselwert_text(std::string_view wert)
{
    std::string t;
    t.reserve(wert.size());
    for (size_t i = 0; i < wert.size(); ++i) {
        if (wert[i] != '\\') {
            t += wert[i];
            continue;
        }
        if (++i == wert.size())
            break;
        switch (wert[i]) {
        case 's': t += ' '; break;
        case 't': t += '\t'; break;
        case 'n': t += '\n'; break;
        case 'r': t += '\r'; break;
        case '\\': t += '\\'; break;
        default:
            t += '\\';
            t += wert[i];
        }
    }
    return t;
}

void kv_schluesseldatei_kommentar(std::string& datei, std::string_view kommentar)
{
    for (;;) {
        const size_t ende = kommentar.find('\n');
        datei += '#';
        datei += kommentar.substr(0, ende);
        datei += '\n';
        if (ende == std::string_view::npos)
            return;
        kommentar.remove_prefix(ende + 1);
    }
}

void kv_schluesseldatei_gruppe(std::string& datei, std::string_view name)
{
    datei += '[';
    datei += name;
    datei += "]\n";
}

void kv_schluesseldatei_eintrag(std::string& datei, std::string_view schluessel, std::string_view text)
{
    datei += schluessel;
    datei += '=';
    // Blanks and tabs at the start are escaped (they would be taken for the
    // blanks around "="), line ends and backslashes everywhere.  A text ends
    // at a NUL, as it did for GKeyFile.
    bool vorn = true;
    for (char c : text.substr(0, text.find('\0'))) {
        switch (c) {
        case ' ': datei += vorn ? "\\s" : " "; break;
        case '\t': datei += vorn ? "\\t" : "\t"; break;
        case '\n': datei += "\\n"; break;
        case '\r': datei += "\\r"; break;
        case '\\':
            datei += "\\\\";
            vorn = false;
            break;
        default:
            datei += c;
            vorn = false;
        }
    }
    datei += '\n';
}
