// Fuzzer of the HTTP reply parser: the bytes of a reply reach the client in
// pieces cut at random places, then the connection ends. Whatever the bytes,
// the request must end (state idle), the body kept must be what was handed
// out and stay within the body cap.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QCoreApplication>

#include "net/HttpClient.h"
#include "platform/rtl/Streams.h"

namespace {
QCoreApplication* Application()
{
    static int argc = 1;
    static char nom[] = "fuzz_http";
    static char* argv[] = {nom, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    return app;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Application();
    if (size < 2)
        return 0;
    const uint8_t options = data[0];
    uint32_t graine = data[1] * 2654435761u + 1;
    data += 2;
    size -= 2;
    TMemoryStream corps;
    {
        THttpClient h;
        h.FollowRelocation = false;
        h.ReplyStream = &corps;
        h.RequestType = (options & 1) ? httpHEAD : httpGET;
        if (options & 2)
            h.SetRequestVer("1.1");
        if (options & 4)
            h.BodyLimit = 64;
        int64_t livre = 0;
        h.OnDocData = [&](const char*, int n) { livre += n; };
        size_t i = 0;
        while (i < size)
        {
            graine = graine * 1103515245u + 12345u;
            const size_t morceau = 1 + (graine >> 16) % 97;
            const size_t n = morceau < size - i ? morceau : size - i;
            h.FeedReply(reinterpret_cast<const char*>(data + i), static_cast<int>(n), false);
            i += n;
        }
        h.FeedReply(nullptr, 0, true);
        if (h.State() != hcIdle)
            std::abort();
        if (h.ReplyCount > h.BodyLimit || corps.Size() != livre)
            std::abort();
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    return 0;
}
