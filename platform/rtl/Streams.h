// Streams: TStream with TMemoryStream, TFileStream and TStringStream.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

enum TSeekOrigin { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

class TStream
{
public:
    virtual ~TStream() = default;
    // Read and Write move up to count bytes and answer how many moved.
    virtual long Read(void* buffer, long count) = 0;
    virtual long Write(const void* buffer, long count) = 0;
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    void ReadBuffer(void* buffer, long count);          // EReadError "Erreur de lecture de flux"
    void WriteBuffer(const void* buffer, long count);   // EWriteError "Erreur d'écriture de flux"
    int64_t Position() { return Seek(0, soFromCurrent); }
    void SetPosition(int64_t pos) { Seek(pos, soFromBeginning); }
    virtual int64_t Size();
    virtual void SetSize(int64_t size);
    // Copies count bytes from source (count 0: the whole source from its start).
    int64_t CopyFrom(TStream& source, int64_t count);
    // Convenience for the writers of the program.
    void WriteString(const std::string& s) { if (!s.empty()) WriteBuffer(s.data(), static_cast<long>(s.size())); }
};

class TMemoryStream : public TStream
{
public:
    long Read(void* buffer, long count) override;
    long Write(const void* buffer, long count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }
    void SetSize(int64_t size) override;
    void Clear();
    void SetCapacity(int64_t capacity);
    // SetCapacity for tens of megabytes (a season document): the room is asked
    // of the system in large pages where it gives them on request, for far
    // fewer page faults while it is written and fewer address-cache misses.
    void SetCapacityGrande(int64_t capacity);
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);   // EFOpenError
    void SaveToStream(TStream& stream);
    void SaveToFile(const std::string& fileName);     // EFCreateError
    // WriteBuffer for the writers that fill the stream: appending at the end,
    // the usual case, costs no call.
    void Append(const void* buffer, size_t count)
    {
        if (pos_ == static_cast<int64_t>(data_.size())) {
            const auto* p = static_cast<const uint8_t*>(buffer);
            data_.insert(data_.end(), p, p + count);
            pos_ += static_cast<int64_t>(count);
        } else {
            WriteBuffer(buffer, static_cast<long>(count));
        }
    }
    uint8_t* Memory() { return data_.data(); }
    const uint8_t* Memory() const { return data_.data(); }
    std::vector<uint8_t>& Bytes() { return data_; }

private:
    std::vector<uint8_t> data_;
    int64_t pos_ = 0;
};

// Open modes (share modes are accepted and ignored).
enum : unsigned {
    fmOpenRead = 0x0000, fmOpenWrite = 0x0001, fmOpenReadWrite = 0x0002,
    fmShareCompat = 0x0000, fmShareExclusive = 0x0010, fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030, fmShareDenyNone = 0x0040,
    fmCreate = 0xFFFF,
};

class TFileStream : public TStream
{
public:
    // fmCreate creates or truncates; EFCreateError / EFOpenError when impossible.
    TFileStream(const std::string& fileName, unsigned mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;
    long Read(void* buffer, long count) override;
    long Write(const void* buffer, long count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void SetSize(int64_t size) override;
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
    int fd_ = -1;
};

class TStringStream : public TStream
{
public:
    explicit TStringStream(std::string s = {}) : data_(std::move(s)) {}
    long Read(void* buffer, long count) override;
    long Write(const void* buffer, long count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void SetSize(int64_t size) override;
    const std::string& DataString() const { return data_; }
    std::string ReadString(long count);
    void WriteString(const std::string& s) { Write(s.data(), static_cast<long>(s.size())); }

private:
    std::string data_;
    int64_t pos_ = 0;
};
