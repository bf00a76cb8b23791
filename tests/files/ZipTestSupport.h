// Small helpers of the archive tests: a scratch folder, files, shell commands.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "files/ZipArchive.h"

namespace ziptest {

class ScratchDir
{
public:
    ScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "bzzipXXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~ScratchDir() { std::filesystem::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string readFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void writeFile(const std::string& name, const std::string& data)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

// Output of a shell command (stdout), and its exit status.
inline std::string run(const std::string& command, int* status = nullptr)
{
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    const int rc = pclose(p);
    if (status) *status = WEXITSTATUS(rc);
    return out;
}

// XML-like text of about size bytes.
inline std::string xmlText(size_t size, unsigned seed = 1)
{
    std::mt19937 rng(seed);
    std::string s = "<?xml version=\"1.0\"?>\r\n<!DOCTYPE Gormelide>\r\n<Gormelide Type=\"1\" format=\"gormelide\">\r\n";
    while (s.size() < size) {
        s += "  <Joueur Nom=\"Nom" + std::to_string(rng() % 5000) + "\" Prenom=\"Pr" + std::to_string(rng() % 300) +
             "\" Code=\"" + std::to_string(rng() % 100000) + "\" Equipe=\"" + std::to_string(rng() % 40) + "\"/>\r\n";
    }
    s.resize(size);
    return s;
}

inline std::string randomBytes(size_t size, unsigned seed = 7)
{
    std::mt19937 rng(seed);
    std::string s(size, '\0');
    for (char& c : s) c = static_cast<char>(rng());
    return s;
}

// Adds data as entry name to archive through a fresh component; answers SuccessCount.
inline int addEntry(const std::string& archive, const std::string& name, const std::string& data)
{
    TZipArchive zip;
    zip.Unattended = true;
    zip.SetZipFileName(archive);
    zip.EntryStream.Clear();
    zip.EntryStream.Write(data.data(), static_cast<long>(data.size()));
    zip.AddFromStream(name, 0, 0);
    return zip.SuccessCount();
}

// Extracts entry name from archive through a fresh component; "<null>" when nothing came back.
inline std::string extractEntry(const std::string& archive, const std::string& name)
{
    TZipArchive zip;
    zip.Unattended = true;
    zip.SetZipFileName(archive);
    TZipStream* s = zip.ExtractToStream(name);
    if (!s) return "<null>";
    return std::string(reinterpret_cast<const char*>(s->Memory()), static_cast<size_t>(s->Size()));
}

}  // namespace ziptest
