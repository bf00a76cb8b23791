// Every test process works in a temporary folder of its own: the tests of one
// executable run as separate processes at the same time (ctest --parallel),
// and several builds may run their tests on one machine, so nothing a test
// writes under the temporary folder (GetTempDir, the printer's default PDF,
// std::filesystem::temp_directory_path, Qt's runtime folder) may be shared.
// The folder is created under the temporary folder the process was given, named
// after the process, and removed with what it holds when the process ends.
//
// What the program writes beside itself (its settings, stats/, pict/, the
// pages' pictures in Temp/) goes to a folder of the process too, "ecriture/"
// in it: the test executables share one folder, and the tests of one of them
// print the same pages at the same time. The data the program reads beside
// itself is read where it was.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/rtl/Files.h"

namespace essai_processus {

inline std::string& Dossier()
{
    static std::string dossier;
    return dossier;
}

inline void Supprime()
{
    if (Dossier().empty())
        return;
    std::error_code e;
    std::filesystem::remove_all(Dossier(), e);
}

// TMPDIR (and XDG_RUNTIME_DIR when unset) become a new folder of this process,
// and the program writes in its "ecriture/".
inline void DossierTemporaireDuProcessus()
{
    if (!Dossier().empty())
        return;
    const char* t = std::getenv("TMPDIR");
    std::string base = t && *t ? t : "/tmp";
    std::error_code e;
    if (!std::filesystem::is_directory(base, e))
        base = "/tmp";
    std::string modele = base + "/bztest-" + std::to_string(::getpid()) + "-XXXXXX";
    if (!::mkdtemp(modele.data()))
        return;   // the tests then share the given folder, as before
    Dossier() = modele;
    ::setenv("TMPDIR", modele.c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", modele.c_str(), 0);
    SetWritableDir(modele + "/ecriture/");
    std::atexit(Supprime);
}

}  // namespace essai_processus
