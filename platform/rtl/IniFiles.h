// TIniFile with the platform's private-profile semantics: sections and keys
// compared without regard to case, every write goes to the file at once, a
// missing file reads as empty. Files are Windows-1252 with CR LF lines.
#pragma once

#include <string>
#include <string_view>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"

// A write that cannot reach the file: "Impossible d'écrire dans <file>".
BZ_DECLARE_EXCEPTION(EIniFileException, Exception)

class TIniFile
{
public:
    explicit TIniFile(std::string fileName);
    const std::string& FileName() const { return fileName_; }

    std::string ReadString(std::string_view section, std::string_view ident, std::string_view def) const;
    void WriteString(std::string_view section, std::string_view ident, std::string_view value);
    // Decimal, or hexadecimal after "0x" / "$"; anything else gives def.
    int ReadInteger(std::string_view section, std::string_view ident, int def) const;
    void WriteInteger(std::string_view section, std::string_view ident, int value);
    // "0" is false, any other integer true; not an integer: def.
    bool ReadBool(std::string_view section, std::string_view ident, bool def) const;
    void WriteBool(std::string_view section, std::string_view ident, bool value);   // "1" / "0"
    double ReadFloat(std::string_view section, std::string_view ident, double def) const;
    void WriteFloat(std::string_view section, std::string_view ident, double value);

    void ReadSection(std::string_view section, TStringList& keys) const;
    void ReadSections(TStringList& sections) const;
    void ReadSectionValues(std::string_view section, TStringList& values) const;   // "key=value"
    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view ident);
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view ident) const;
    void UpdateFile() {}   // writes are already on disk

private:
    std::string fileName_;
};
