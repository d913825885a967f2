#include "png_lesen.h"

#include <png.h>

#include <cstring>

namespace {

struct Quelle {
    const unsigned char* daten;
    size_t rest;
};

void lesen(png_structp png, png_bytep ziel, png_size_t anzahl)
{
    Quelle* q = static_cast<Quelle*>(png_get_io_ptr(png));
    if (anzahl > q->rest)
        png_error(png, "PNG zu kurz");
    std::memcpy(ziel, q->daten, anzahl);
    q->daten += anzahl;
    q->rest -= anzahl;
}

// libpng leaves a function by longjmp on any fault: the two steps below hold
// nothing that needs a destructor, and the pixel memory is the caller's.

// Reads the header and sets the transformations GDK's reader sets.
bool kopf_lesen(png_structp png, png_infop info, int& breite, int& hoehe, int& kanaele)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    png_uint_32 b = 0, h = 0;
    int tiefe = 0, farbart = 0, zeilensprung = 0;
    png_get_IHDR(png, info, &b, &h, &tiefe, &farbart, &zeilensprung, nullptr, nullptr);
    if (farbart == PNG_COLOR_TYPE_PALETTE && tiefe <= 8)
        png_set_expand(png);
    else if (farbart == PNG_COLOR_TYPE_GRAY && tiefe < 8)
        png_set_expand(png);
    else if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_expand(png);
    else if (tiefe < 8)
        png_set_expand(png);
    if (tiefe == 16)
        png_set_strip_16(png);
    if (farbart == PNG_COLOR_TYPE_GRAY || farbart == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    if (zeilensprung != PNG_INTERLACE_NONE)
        png_set_interlace_handling(png);
    png_read_update_info(png, info);
    kanaele = png_get_channels(png, info);
    if (png_get_bit_depth(png, info) != 8 || (kanaele != 3 && kanaele != 4) || b == 0 || h == 0
        || b > 1u << 14 || h > 1u << 14)
        return false;
    breite = static_cast<int>(b);
    hoehe = static_cast<int>(h);
    return true;
}

bool pixel_lesen(png_structp png, png_infop info, png_bytepp zeilen)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_image(png, zeilen);
    png_read_end(png, info);
    return true;
}

// Faults and warnings are not printed: a picture that cannot be read is left
// to the toolkit, which says so in its own way.
[[noreturn]] void fehler(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void warnung(png_structp, png_const_charp) {}

} // namespace

bool kv_png_lesen(const std::string& inhalt, KvRohbild& bild)
{
    if (inhalt.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(inhalt.data()), 0, 8) != 0)
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, fehler, warnung);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    Quelle q{reinterpret_cast<const unsigned char*>(inhalt.data()), inhalt.size()};
    int breite = 0, hoehe = 0, kanaele = 0;
    bool gut = info != nullptr;
    if (gut) {
        png_set_read_fn(png, &q, lesen);
        gut = kopf_lesen(png, info, breite, hoehe, kanaele);
    }
    if (gut) {
        const size_t zeile = static_cast<size_t>(breite) * static_cast<size_t>(kanaele);
        bild.pixel.assign(zeile * static_cast<size_t>(hoehe), 0);
        std::vector<png_bytep> zeilen(static_cast<size_t>(hoehe));
        for (size_t y = 0; y < zeilen.size(); ++y)
            zeilen[y] = bild.pixel.data() + y * zeile;
        gut = pixel_lesen(png, info, zeilen.data());
    }
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    if (!gut) {
        bild = {};
        return false;
    }
    bild.breite = breite;
    bild.hoehe = hoehe;
    bild.alpha = kanaele == 4;
    return true;
}
