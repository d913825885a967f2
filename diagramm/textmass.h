// Measuring text for the diagram's layout, whatever draws it: pango for the
// window and the PNG and PDF files, a table of the font's widths for the SVG
// file and the web page.  Plain C++.
#pragma once
#include <string>
#include <vector>

struct Schrift {
    double groesse = 10; // pixels
    bool fett = false;
};

struct Textmasse {
    double breite = 0, hoehe = 0; // of the whole block of lines
    double grundlinie = 0;        // from the top to the first line's baseline
};

class Textmass {
public:
    virtual ~Textmass() = default;
    // The text's extent; broken into lines at its line ends and, with
    // breite_max > 0, between words (inside a word too long for a line).
    virtual Textmasse messen(const std::string& text, Schrift s, double breite_max = -1) const = 0;
};

// The lines the text falls into: at its line ends and, with breite_max > 0,
// where a line would grow wider than breite_max as m measures a single line
// (greedy by words, a word longer than a line broken between characters,
// blanks at a break dropped).
std::vector<std::string> zeilen_umbrechen(const Textmass& m, const std::string& text, Schrift s,
                                          double breite_max);

// The Unicode code point of the UTF-8 character at t[i]; i moves past it.
// A broken sequence counts as its first byte alone.
unsigned long zeichen_lesen(const std::string& t, size_t& i);
