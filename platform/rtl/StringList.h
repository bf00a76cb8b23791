// TStringList: a list of strings, each with an object (a pointer-sized value),
// with the library's sorting, duplicates, Names/Values and CR LF text files.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TStream;

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList
{
public:
    using Object = std::intptr_t;   // the library keeps a pointer; here any 32/64-bit value
    struct Item
    {
        std::string S;
        Object O = 0;
    };

    TStringList() = default;
    TStringList(const TStringList&) = default;
    TStringList& operator=(const TStringList&) = default;
    virtual ~TStringList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](int i) const { return Strings(i); }
    const std::string& Strings(int i) const;   // EStringListError "Index de liste hors limites (%d)"
    void SetString(int i, std::string s);      // on a sorted list: EStringListError
    Object Objects(int i) const;
    void SetObject(int i, Object o);
    template <class T> T* ObjectPtr(int i) const { return reinterpret_cast<T*>(Objects(i)); }

    int Add(std::string s);                    // sorted: at its place, Duplicates applies
    int AddObject(std::string s, Object o);
    void Append(std::string s) { Add(std::move(s)); }
    void AddStrings(const TStringList& other);
    void Insert(int index, std::string s);     // on a sorted list: EStringListError
    void InsertObject(int index, std::string s, Object o);
    void Delete(int index);
    void Clear();
    void Exchange(int i, int j);
    void Move(int from, int to);
    int IndexOf(std::string_view s) const;     // CaseSensitive decides, sorted uses Find
    int IndexOfObject(Object o) const;
    int IndexOfName(std::string_view name) const;
    bool Find(std::string_view s, int& index) const;   // binary search of a sorted list
    void Sort();
    void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool v);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates d) { duplicates_ = d; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool v);

    // "name=value" lines.
    std::string Names(int i) const;
    std::string ValueFromIndex(int i) const;
    std::string Values(std::string_view name) const;
    void SetValue(std::string_view name, std::string_view value);   // empty value deletes the line
    char NameValueSeparator = '=';

    // Lines joined with CR LF (a last CR LF too); reading accepts CR LF, LF and CR.
    std::string Text() const;
    void SetText(std::string_view text);
    // "a,b c,""d""": quoted when holding blanks, commas or quotes.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);
    char Delimiter = ',';
    char QuoteChar = '"';
    bool StrictDelimiter = false;
    std::string DelimitedText() const;
    void SetDelimitedText(std::string_view text);

    void LoadFromFile(const std::string& fileName);   // EFOpenError when it cannot be opened
    void SaveToFile(const std::string& fileName) const;
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;

    // Called after every change, when set.
    std::function<void()> OnChange;

    const std::vector<Item>& Items() const { return items_; }

protected:
    int CompareStrings(std::string_view a, std::string_view b) const;
    void Changed();

private:
    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = TDuplicates::dupIgnore;
};
