// Text files: lines ending in CR LF, LF or CR are read; lines are written with CR LF.
#pragma once

#include <cstdio>
#include <string>

class TTextReader
{
public:
    explicit TTextReader(const std::string& fileName);   // EInOutError when it cannot be opened
    ~TTextReader();
    TTextReader(const TTextReader&) = delete;
    TTextReader& operator=(const TTextReader&) = delete;
    bool Eof();
    // Reads the next line without its end; false at the end of the file.
    bool ReadLine(std::string& line);

private:
    std::FILE* f_ = nullptr;
};

class TTextWriter
{
public:
    // Creates or truncates (append: adds at the end). EInOutError on failure.
    explicit TTextWriter(const std::string& fileName, bool append = false);
    ~TTextWriter();
    TTextWriter(const TTextWriter&) = delete;
    TTextWriter& operator=(const TTextWriter&) = delete;
    void Write(const std::string& text);
    void WriteLine(const std::string& line);   // EInOutError on a short write
    void Close();                              // EInOutError when flushing fails

private:
    std::FILE* f_ = nullptr;
    std::string fileName_;
};
