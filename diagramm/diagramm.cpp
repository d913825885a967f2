#include "diagramm.h"

#include "zahlen.h"

#include <algorithm>
#include <cmath>

std::string diagramm_zahl(double wert, int stellen)
{
    if (!std::isfinite(wert))
        return std::isnan(wert) ? "nan" : wert > 0 ? "inf" : "-inf";
    if (wert == 0)
        return "0";
    const double betrag = std::fabs(wert);
    if (betrag < 1e-3 || betrag >= 1e7)
        return kv_format(("%." + std::to_string(stellen - 1) + "e").c_str(), wert);
    const int nachkomma =
        std::max(0, stellen - 1 - static_cast<int>(std::floor(std::log10(betrag))));
    std::string s = kv_format(("%." + std::to_string(nachkomma) + "f").c_str(), wert);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    return s == "-0" ? "0" : s;
}
