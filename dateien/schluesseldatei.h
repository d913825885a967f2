// Key files as the desktop writes them, read from and written to text with
// the standard library alone (no GLib), so that every front-end, the browser
// included, reads them the same way:
//
//   # comment
//   [Gruppe]
//   Schluessel=Wert, escaped: \s \t \n \r \\ (backslash)
//
// The reading follows GLib's GKeyFile to the byte (the tests hold it against
// GKeyFile): text in UTF-8 without NUL, lines ending in "\n" or "\r\n",
// blanks around "=" and before a line ignored, a key written twice counts
// with its last value, a group written twice is one group.  Two things it
// mends: a UTF-8 byte order mark at the start is skipped (GKeyFile refuses
// the file), and a translated key "Name[de]" is always a key of its own
// (GKeyFile drops it unless it is in the desktop's language).
#pragma once
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct KvSchluesselgruppe {
    std::string name;
    // Every "key=value" line of the group in the order of the file, a key
    // written twice twice; the value as it stands (escapes not resolved).
    std::vector<std::pair<std::string, std::string>> eintraege;
    std::map<std::string, size_t, std::less<>> letzter; // key -> its last line

    // The value of a key (its last line's), or nullptr.
    const std::string* wert(std::string_view schluessel) const;
};

struct KvSchluesseldatei {
    // In the order of their first line.
    std::vector<KvSchluesselgruppe> gruppen;
    std::map<std::string, size_t, std::less<>> index;

    const KvSchluesselgruppe* gruppe(std::string_view name) const;
};

// False when text is no key file: not UTF-8, a NUL byte, a line that is no
// group, key or comment, a key before the first group, a key or group name
// not allowed, an encoding other than UTF-8.
bool kv_schluesseldatei_lesen(std::string_view text, KvSchluesseldatei& datei);

// A value as text: \s \t \n \r \\ resolved.  As GKeyFile gives it, any other
// backslash stays as written and one at the end is dropped.
std::string kv_schluesselwert_text(std::string_view wert);

// Writing, line by line as GKeyFile writes: a comment (each of its lines
// after "#"), a group's head, a key with a text as its value.
void kv_schluesseldatei_kommentar(std::string& datei, std::string_view kommentar);
void kv_schluesseldatei_gruppe(std::string& datei, std::string_view name);
void kv_schluesseldatei_eintrag(std::string& datei, std::string_view schluessel, std::string_view text);
