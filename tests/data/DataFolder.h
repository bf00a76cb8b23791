// Where the tests find the program's data folder (set by CTest), and small
// readers for the files that describe it.
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace datatest {

// The data folder, with no trailing separator: BZ_DATA_DIR when set, else the
// data folder of the sources the tests were built from.
inline std::string DataDir()
{
    const char* d = std::getenv("BZ_DATA_DIR");
    if (d && *d)
        return std::string(d);
#ifdef BZ_SOURCE_DATA_DIR
    return BZ_SOURCE_DATA_DIR;
#else
    return std::string();
#endif
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// One line of texte/ids.tsv: the id, where it is used and the kinds of the
// arguments its callers pass ("" plain text, "-" formatted without argument,
// else a comma-separated list of s and d).
struct TextId
{
    int id = 0;
    std::string usage;
    std::string args;
};

inline std::vector<TextId> ReadIds(const std::string& path)
{
    std::vector<TextId> ids;
    std::istringstream in(ReadFile(path));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#' || line.rfind("id\t", 0) == 0)
            continue;
        std::vector<std::string> f;
        size_t start = 0;
        for (;;) {
            size_t tab = line.find('\t', start);
            f.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        EXPECT_EQ(f.size(), 4u) << "ids.tsv line: " << line;
        if (f.size() < 3)
            continue;
        ids.push_back({std::stoi(f[0]), f[1], f[2]});
    }
    return ids;
}

}  // namespace datatest
