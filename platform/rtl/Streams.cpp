#include "platform/rtl/Streams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

namespace {

// Reading and writing at pos in the bytes of a stream held in memory (a vector
// or a string). A write past the end grows the bytes; a gap is zeroed.
template <class Bytes>
long ReadBytesAt(const Bytes& data, int64_t& pos, void* buffer, long count)
{
    const int64_t size = static_cast<int64_t>(data.size());
    if (count <= 0 || pos >= size)
        return 0;
    const long n = static_cast<long>(std::min<int64_t>(count, size - pos));
    std::memcpy(buffer, data.data() + pos, static_cast<size_t>(n));
    pos += n;
    return n;
}

template <class Bytes>
long WriteBytesAt(Bytes& data, int64_t& pos, const void* buffer, long count)
{
    if (count <= 0)
        return 0;
    const int64_t end = pos + count;
    if (pos == static_cast<int64_t>(data.size())) {
        // Appending (the usual case): no zeroing of room that is written at once.
        const auto* p = static_cast<const typename Bytes::value_type*>(buffer);
        data.insert(data.end(), p, p + count);
        pos = end;
        return count;
    }
    if (end > static_cast<int64_t>(data.size()))
        data.resize(static_cast<size_t>(end));
    std::memcpy(data.data() + pos, buffer, static_cast<size_t>(count));
    pos = end;
    return count;
}

template <class Bytes>
void SetBytesSize(Bytes& data, int64_t& pos, int64_t size)
{
    data.resize(static_cast<size_t>(std::max<int64_t>(size, 0)));
    if (pos > static_cast<int64_t>(data.size()))
        pos = static_cast<int64_t>(data.size());
}

// Moves count bytes through call (read or write) until done, an error or the end;
// an interrupted call is repeated. The bytes moved.
template <class Byte, class Call>
long Transfer(Byte* p, long count, Call call)
{
    long done = 0;
    while (done < count) {
        const ssize_t n = call(p + done, static_cast<size_t>(count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

}  // namespace

// ---- TStream -------------------------------------------------------------------

void TStream::ReadBuffer(void* buffer, long count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError("Erreur de lecture de flux");
}

void TStream::WriteBuffer(const void* buffer, long count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError(L1("Erreur d'écriture de flux"));
}

int64_t TStream::Size()
{
    const int64_t pos = Seek(0, soFromCurrent);
    const int64_t size = Seek(0, soFromEnd);
    Seek(pos, soFromBeginning);
    return size;
}

void TStream::SetSize(int64_t)
{
}

int64_t TStream::CopyFrom(TStream& source, int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    const int64_t total = count;
    constexpr long BufSize = 64 * 1024;
    std::vector<uint8_t> buf(static_cast<size_t>(std::min<int64_t>(count, BufSize)));
    while (count > 0) {
        const long n = static_cast<long>(std::min<int64_t>(count, BufSize));
        source.ReadBuffer(buf.data(), n);
        WriteBuffer(buf.data(), n);
        count -= n;
    }
    return total;
}

// ---- TMemoryStream -------------------------------------------------------------

long TMemoryStream::Read(void* buffer, long count)
{
    return ReadBytesAt(data_, pos_, buffer, count);
}

long TMemoryStream::Write(const void* buffer, long count)
{
    return WriteBytesAt(data_, pos_, buffer, count);   // a gap after a seek past the end is zeroed
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    switch (origin) {
    case soFromBeginning: pos_ = offset; break;
    case soFromCurrent: pos_ += offset; break;
    case soFromEnd: pos_ = Size() + offset; break;
    }
    if (pos_ < 0)
        pos_ = 0;
    return pos_;
}

void TMemoryStream::SetSize(int64_t size)
{
    SetBytesSize(data_, pos_, size);
}

void TMemoryStream::Clear()
{
    data_.clear();
    data_.shrink_to_fit();
    pos_ = 0;
}

void TMemoryStream::SetCapacity(int64_t capacity)
{
    if (capacity > 0)
        data_.reserve(static_cast<size_t>(capacity));
}

void TMemoryStream::SetCapacityGrande(int64_t capacity)
{
    SetCapacity(capacity);
    constexpr uintptr_t GrandePage = uintptr_t{2} << 20;
    const auto debut = reinterpret_cast<uintptr_t>(data_.data());
    const uintptr_t a = (debut + GrandePage - 1) & ~(GrandePage - 1);
    const uintptr_t b = (debut + data_.capacity()) & ~(GrandePage - 1);
    if (debut && b > a)
        ::madvise(reinterpret_cast<void*>(a), b - a, MADV_HUGEPAGE);   // advice only: a refusal changes nothing
}

void TMemoryStream::LoadFromStream(TStream& stream)
{
    stream.SetPosition(0);
    const int64_t count = stream.Size();
    std::vector<uint8_t> data(static_cast<size_t>(count));
    if (count != 0)
        stream.ReadBuffer(data.data(), static_cast<long>(count));
    data_ = std::move(data);
    if (pos_ > Size())
        pos_ = Size();
}

void TMemoryStream::LoadFromFile(const std::string& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TMemoryStream::SaveToStream(TStream& stream)
{
    if (!data_.empty())
        stream.WriteBuffer(data_.data(), static_cast<long>(data_.size()));
}

void TMemoryStream::SaveToFile(const std::string& fileName)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data_.data()), data_.size());
    if (!WriteFileAtomic(fileName, bytes))
        throw EFCreateError(L1("Impossible de créer le fichier ") + fileName);
}

// ---- TFileStream ---------------------------------------------------------------

TFileStream::TFileStream(const std::string& fileName, unsigned mode) : fileName_(fileName)
{
    if (mode == fmCreate) {
        fd_ = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd_ < 0)
            throw EFCreateError(L1("Impossible de créer le fichier ") + fileName);
        return;
    }
    int flags = O_RDONLY;
    if ((mode & 3) == fmOpenWrite)
        flags = O_WRONLY;
    else if ((mode & 3) == fmOpenReadWrite)
        flags = O_RDWR;
    fd_ = ::open(fileName.c_str(), flags | O_CLOEXEC);
    struct stat st{};
    if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode))) {
        ::close(fd_);
        fd_ = -1;
    }
    if (fd_ < 0)
        throw EFOpenError("Impossible d'ouvrir le fichier " + fileName);
}

TFileStream::~TFileStream()
{
    if (fd_ >= 0)
        ::close(fd_);
}

long TFileStream::Read(void* buffer, long count)
{
    return Transfer(static_cast<char*>(buffer), count, [this](char* p, size_t n) { return ::read(fd_, p, n); });
}

long TFileStream::Write(const void* buffer, long count)
{
    return Transfer(static_cast<const char*>(buffer), count,
                    [this](const char* p, size_t n) { return ::write(fd_, p, n); });
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin)
{
    const int whence = origin == soFromBeginning ? SEEK_SET : origin == soFromCurrent ? SEEK_CUR : SEEK_END;
    return ::lseek(fd_, static_cast<off_t>(offset), whence);
}

void TFileStream::SetSize(int64_t size)
{
    Seek(size, soFromBeginning);
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0)
        throw EWriteError(L1("Erreur d'écriture de flux"));
}

// ---- TStringStream -------------------------------------------------------------

long TStringStream::Read(void* buffer, long count)
{
    return ReadBytesAt(data_, pos_, buffer, count);
}

long TStringStream::Write(const void* buffer, long count)
{
    return WriteBytesAt(data_, pos_, buffer, count);
}

int64_t TStringStream::Seek(int64_t offset, TSeekOrigin origin)
{
    const int64_t size = static_cast<int64_t>(data_.size());
    switch (origin) {
    case soFromBeginning: pos_ = offset; break;
    case soFromCurrent: pos_ += offset; break;
    case soFromEnd: pos_ = size + offset; break;
    }
    pos_ = std::clamp<int64_t>(pos_, 0, size);
    return pos_;
}

void TStringStream::SetSize(int64_t size)
{
    SetBytesSize(data_, pos_, size);
}

std::string TStringStream::ReadString(long count)
{
    const int64_t size = static_cast<int64_t>(data_.size());
    const long n = static_cast<long>(std::clamp<int64_t>(count, 0, size - pos_));
    std::string r = data_.substr(static_cast<size_t>(pos_), static_cast<size_t>(n));
    pos_ += n;
    return r;
}
