/* Writes diagramm/dejavu_breiten.cpp: the advance widths of DejaVu Sans and
 * DejaVu Sans Bold (the "Sans" the diagrams are drawn in on Debian) for the
 * characters the diagrams may show, in font units, with the fonts' ascent,
 * descent and units per em; kerning is left out.  Made once from Debian's
 * fonts-dejavu-core with FreeType:
 *   cc scripts/dejavu_breiten.c $(pkg-config --cflags --libs freetype2) -o dejavu_breiten
 *   ./dejavu_breiten > diagramm/dejavu_breiten.cpp
 */
#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdio.h>

static const char* const ORDNER = "/usr/share/fonts/truetype/dejavu/";

/* Printable ASCII, Latin-1 and Latin Extended-A, Greek, dashes and quotes,
 * superscripts and subscripts, arrows, the common mathematical signs. */
static const unsigned long BEREICHE[][2] = {
    {0x20, 0x7e},     {0xa0, 0x17f},    {0x391, 0x3a9},   {0x3b1, 0x3c9},
    {0x2010, 0x2027}, {0x2030, 0x203a}, {0x2070, 0x209c}, {0x2190, 0x2195},
    {0x2202, 0x221e}, {0x2248, 0x2248}, {0x2260, 0x2265}, {0x22c5, 0x22c5},
};

static int schreiben(FT_Library ft, const char* datei, const char* name)
{
    char pfad[256];
    snprintf(pfad, sizeof pfad, "%s%s", ORDNER, datei);
    FT_Face f;
    if (FT_New_Face(ft, pfad, 0, &f)) {
        fprintf(stderr, "%s nicht lesbar\n", pfad);
        return 1;
    }
    printf("const Schriftbreiten %s = {\n    \"%s %s\", %d, %d, %d,\n    {\n", name,
           f->family_name, f->style_name, f->units_per_EM, f->ascender, -f->descender);
    for (size_t b = 0; b < sizeof BEREICHE / sizeof BEREICHE[0]; ++b)
        for (unsigned long c = BEREICHE[b][0]; c <= BEREICHE[b][1]; ++c) {
            const FT_UInt g = FT_Get_Char_Index(f, c);
            if (g == 0 || FT_Load_Glyph(f, g, FT_LOAD_NO_SCALE))
                continue;
            printf("        {0x%04lx, %ld},\n", c, (long)f->glyph->advance.x);
        }
    printf("    },\n};\n\n");
    FT_Done_Face(f);
    return 0;
}

int main(void)
{
    FT_Library ft;
    if (FT_Init_FreeType(&ft))
        return 1;
    printf("// Advance widths of DejaVu Sans, made by scripts/dejavu_breiten.c with\n"
           "// FreeType from Debian's fonts-dejavu-core (see there); do not edit.\n"
           "#include \"dejavu_breiten.h\"\n\n");
    int fehler = schreiben(ft, "DejaVuSans.ttf", "DEJAVU_SANS");
    fehler += schreiben(ft, "DejaVuSans-Bold.ttf", "DEJAVU_SANS_FETT");
    FT_Done_FreeType(ft);
    return fehler;
}
