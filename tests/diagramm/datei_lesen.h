// A whole file's bytes, "" when it cannot be read.
#pragma once
#include <fstream>
#include <sstream>
#include <string>

inline std::string lesen(const std::string& pfad)
{
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
