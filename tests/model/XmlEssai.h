// Reading one document both ways the stream reader knows: in place over a
// memory stream, and by refills over any other stream.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "model/ioXml.h"
#include "platform/rtl/Streams.h"

namespace xml_essai {

// A stream that is not a memory stream, handing out at most `morceau` bytes a read.
class TFluxOctets : public TStream
{
public:
    explicit TFluxOctets(std::string octets, long morceau = 1L << 30)
        : octets_(std::move(octets)), morceau_(morceau) {}
    long Read(void* buffer, long count) override
    {
        const long n = std::min<long>({count, morceau_, static_cast<long>(octets_.size() - pos_)});
        std::memcpy(buffer, octets_.data() + pos_, static_cast<size_t>(n));
        pos_ += static_cast<size_t>(n);
        return n;
    }
    long Write(const void*, long) override { return 0; }
    int64_t Seek(int64_t offset, TSeekOrigin origin) override
    {
        const int64_t base = origin == soFromBeginning ? 0 : origin == soFromCurrent ? static_cast<int64_t>(pos_)
                                                                                       : static_cast<int64_t>(octets_.size());
        pos_ = static_cast<size_t>(std::clamp<int64_t>(base + offset, 0, static_cast<int64_t>(octets_.size())));
        return static_cast<int64_t>(pos_);
    }

private:
    std::string octets_;
    long morceau_;
    size_t pos_ = 0;
};

// The tokens `jetons` records of the document read in place.
template <class Jetons>
std::vector<std::string> EnPlace(const std::string& doc, Jetons jetons)
{
    TMemoryStream m;
    m.WriteBuffer(doc.data(), static_cast<long>(doc.size()));
    m.SetPosition(0);
    TXmlStreamReader r(m);
    return jetons(r);
}

// The same, read by refills of at most `morceau` bytes.
template <class Jetons>
std::vector<std::string> ParMorceaux(const std::string& doc, Jetons jetons, long morceau = 1L << 30)
{
    TFluxOctets f(doc, morceau);
    TXmlStreamReader r(f);
    return jetons(r);
}

}   // namespace xml_essai
