// poppler's tools on a record: its text, its fonts, its page sizes.
#pragma once
#include "programm_starten.h"

#include <string>
#include <vector>

// stdout of the tool, "" when it cannot run or fails.
inline std::string werkzeug(std::vector<std::string> args)
{
    const std::string programm = args.front();
    args.erase(args.begin());
    const Ausgang a = prozess_starten(programm, std::move(args));
    return a.status == 0 ? a.aus : "";
}

// Every run of blanks, line ends and page breaks made one blank.
inline std::string einfach(const std::string& t)
{
    std::string s;
    for (char c : t) {
        const bool leer = c == ' ' || c == '\n' || c == '\f';
        if (!leer)
            s += c;
        else if (!s.empty() && s.back() != ' ')
            s += ' ';
    }
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

// The text as pdftotext extracts it; with layout, as einfach() makes it.
inline std::string pdf_text(const std::string& pfad, bool layout = true)
{
    std::vector<std::string> a = {"pdftotext", "-enc", "UTF-8"};
    if (layout)
        a.push_back("-layout");
    a.insert(a.end(), {pfad, "-"});
    const std::string t = werkzeug(a);
    return layout ? einfach(t) : t;
}

// The input set as the record's last pages print it: from its first line
// on, without the page footers and page breaks.
inline std::string satz_aus_text(const std::string& text)
{
    const size_t anfang = text.find("# Eingabesatz von ");
    if (anfang == std::string::npos)
        return "";
    std::string satz, zeile;
    for (size_t i = anfang; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\n') {
            if (text[i] != '\f')
                zeile += text[i];
            continue;
        }
        if (!zeile.empty() && zeile.find(" von ") != std::string::npos
            && zeile.find("Seite ") != std::string::npos && zeile[0] != '#')
            ; // footer
        else if (!zeile.empty() && (zeile[0] == '#' || zeile[0] == '['
                                    || zeile.find('=') != std::string::npos))
            satz += zeile + "\n";
        zeile.clear();
    }
    return satz;
}
