// libFuzzer target: the archive component's central directory reader over
// arbitrary bytes, then a stream extract of the first entry it lists.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "files/ZipArchive.h"
#include "platform/rtl/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TMemoryStream mem;
    mem.Write(data, static_cast<long>(size));
    TZipArchive zip;
    zip.Unattended = true;
    zip.ReadDirectoryFromStream(mem);

    // The same bytes as a file: directory, then extraction through the library.
    static const std::string file = "/tmp/fuzz_zipdir_" + std::to_string(getpid()) + ".zip";
    if (FILE* f = std::fopen(file.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
        TZipArchive z;
        z.Unattended = true;
        z.SetZipFileName(file);
        if (z.EntryCount() > 0) z.ExtractToStream(z.DirEntry(0).NameText);
    }
    return 0;
}
