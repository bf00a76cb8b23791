#include "platform/rtl/TextFile.h"

#include <cerrno>
#include <sys/stat.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

namespace {

[[noreturn]] void IoError(int err, const std::string& fileName)
{
    std::string msg;
    switch (err) {
    case ENOENT: msg = "Fichier introuvable"; break;
    case EACCES:
    case EPERM:
    case EROFS: msg = L1("Accès refusé"); break;
    case ENOSPC: msg = "Disque plein"; break;
    case EISDIR: msg = "Le fichier est un dossier"; break;
    default: msg = "Erreur d'E/S " + IntToStr(err); break;
    }
    if (!fileName.empty())
        msg += " (" + fileName + ")";
    throw EInOutError(msg);
}

} // namespace

// ---- reading -------------------------------------------------------------------

TTextReader::TTextReader(const std::string& fileName)
{
    f_ = std::fopen(fileName.c_str(), "rb");
    if (!f_)
        IoError(errno, fileName);
    struct stat st{};
    if (::fstat(fileno(f_), &st) == 0 && S_ISDIR(st.st_mode)) {
        std::fclose(f_);
        f_ = nullptr;
        IoError(EISDIR, fileName);
    }
}

TTextReader::~TTextReader()
{
    if (f_)
        std::fclose(f_);
}

bool TTextReader::Eof()
{
    const int c = getc_unlocked(f_);
    if (c == EOF)
        return true;
    ungetc(c, f_);
    return false;
}

bool TTextReader::ReadLine(std::string& line)
{
    line.clear();
    int c = getc_unlocked(f_);
    if (c == EOF) {
        if (std::ferror(f_))
            IoError(errno, std::string());
        return false;
    }
    // A line ends at CR LF, LF or a lone CR.
    while (c != EOF && c != '\n' && c != '\r') {
        line += static_cast<char>(c);
        c = getc_unlocked(f_);
    }
    if (c == '\r') {
        c = getc_unlocked(f_);
        if (c != '\n' && c != EOF)
            ungetc(c, f_);
    }
    if (c == EOF && std::ferror(f_))
        IoError(errno, std::string());
    return true;
}

// ---- writing -------------------------------------------------------------------

TTextWriter::TTextWriter(const std::string& fileName, bool append) : fileName_(fileName)
{
    f_ = std::fopen(fileName.c_str(), append ? "ab" : "wb");
    if (!f_)
        IoError(errno, fileName);
}

TTextWriter::~TTextWriter()
{
    if (f_)
        std::fclose(f_);
}

void TTextWriter::Write(const std::string& text)
{
    if (!f_)
        IoError(EBADF, fileName_);
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), f_) != text.size())
        IoError(errno ? errno : EIO, fileName_);
}

void TTextWriter::WriteLine(const std::string& line)
{
    Write(line);
    Write("\r\n");
}

void TTextWriter::Close()
{
    if (!f_)
        return;
    std::FILE* f = f_;
    f_ = nullptr;
    const bool flushed = std::fflush(f) == 0;
    const int err = errno;
    const bool closed = std::fclose(f) == 0;
    if (!flushed || !closed)
        IoError(!flushed ? err : errno, fileName_);
}
