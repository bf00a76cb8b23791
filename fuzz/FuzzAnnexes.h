// What the fuzz targets of the files beside the seasons share: the input
// written to a file of this process (the readers take file names).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

inline std::string FichierFuzz(const char* nom, const uint8_t* data, size_t size)
{
    const std::string f = "/tmp/fuzz_" + std::string(nom) + "_" + std::to_string(getpid());
    if (FILE* h = std::fopen(f.c_str(), "wb")) {
        std::fwrite(data, 1, size, h);
        std::fclose(h);
    }
    return f;
}
