#include "platform/rtl/StringList.h"

#include <algorithm>
#include <numeric>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"

namespace {

[[noreturn]] void IndexError(int index)
{
    throw EStringListError("Index de liste hors limites (" + IntToStr(index) + ")");
}

[[noreturn]] void SortedListError()
{
    throw EStringListError(L1("Opération non autorisée sur une liste triée"));
}

[[noreturn]] void DuplicateError()
{
    throw EStringListError(L1("La liste de chaînes n'autorise pas les doublons"));
}

// "it""s" with the quote character doubled inside.
std::string Quoted(std::string_view s, char quote)
{
    std::string r;
    r.reserve(s.size() + 2);
    r += quote;
    for (char c : s) {
        r += c;
        if (c == quote)
            r += quote;
    }
    r += quote;
    return r;
}

// Items joined by the delimiter; an item holding a blank, a control character,
// the quote or the delimiter is quoted. A single empty item gives "".
std::string JoinDelimited(const std::vector<TStringList::Item>& items, char delimiter, char quote)
{
    if (items.size() == 1 && items[0].S.empty())
        return std::string(2, quote);
    std::string r;
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string& s = items[i].S;
        const bool needsQuotes = std::any_of(s.begin(), s.end(), [&](char c) {
            return static_cast<unsigned char>(c) <= ' ' || c == quote || c == delimiter;
        });
        if (i > 0)
            r += delimiter;
        r += needsQuotes ? Quoted(s, quote) : s;
    }
    return r;
}

} // namespace

// ---- access ----------------------------------------------------------------

const std::string& TStringList::Strings(int i) const
{
    if (i < 0 || i >= Count())
        IndexError(i);
    return items_[static_cast<size_t>(i)].S;
}

void TStringList::SetString(int i, std::string s)
{
    if (sorted_)
        SortedListError();
    if (i < 0 || i >= Count())
        IndexError(i);
    items_[static_cast<size_t>(i)].S = std::move(s);
    Changed();
}

TStringList::Object TStringList::Objects(int i) const
{
    if (i < 0 || i >= Count())
        IndexError(i);
    return items_[static_cast<size_t>(i)].O;
}

void TStringList::SetObject(int i, Object o)
{
    if (i < 0 || i >= Count())
        IndexError(i);
    items_[static_cast<size_t>(i)].O = o;
    Changed();
}

// ---- adding and removing ------------------------------------------------------

int TStringList::Add(std::string s)
{
    return AddObject(std::move(s), 0);
}

int TStringList::AddObject(std::string s, Object o)
{
    int index = Count();
    if (sorted_) {
        if (Find(s, index)) {
            if (duplicates_ == TDuplicates::dupIgnore)
                return index;
            if (duplicates_ == TDuplicates::dupError)
                DuplicateError();
            // Accepted duplicates go after their equals: insertion order is kept.
            while (index < Count() && CompareStrings(items_[static_cast<size_t>(index)].S, s) == 0)
                ++index;
        }
    }
    items_.insert(items_.begin() + index, Item{std::move(s), o});
    Changed();
    return index;
}

void TStringList::AddStrings(const TStringList& other)
{
    if (&other == this) {
        const TStringList copy(other);
        AddStrings(copy);
        return;
    }
    for (const Item& it : other.items_)
        AddObject(it.S, it.O);
}

void TStringList::Insert(int index, std::string s)
{
    InsertObject(index, std::move(s), 0);
}

void TStringList::InsertObject(int index, std::string s, Object o)
{
    if (sorted_)
        SortedListError();
    if (index < 0 || index > Count())
        IndexError(index);
    items_.insert(items_.begin() + index, Item{std::move(s), o});
    Changed();
}

void TStringList::Delete(int index)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    Changed();
}

void TStringList::Exchange(int i, int j)
{
    if (i < 0 || i >= Count())
        IndexError(i);
    if (j < 0 || j >= Count())
        IndexError(j);
    std::swap(items_[static_cast<size_t>(i)], items_[static_cast<size_t>(j)]);
    Changed();
}

void TStringList::Move(int from, int to)
{
    if (from == to)
        return;
    // Refused before anything moves: a sorted list never loses the line.
    if (sorted_)
        SortedListError();
    if (from < 0 || from >= Count())
        IndexError(from);
    if (to < 0 || to >= Count())
        IndexError(to);
    Item it = std::move(items_[static_cast<size_t>(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(it));
    Changed();
}

// ---- searching ---------------------------------------------------------------

int TStringList::CompareStrings(std::string_view a, std::string_view b) const
{
    if (caseSensitive_) {
        const int c = AnsiCompareStr(a, b);
        return c != 0 ? c : CompareStr(a, b);
    }
    // Strings that differ only in case are equal here; the ordering of the
    // others is the accent-aware one of AnsiCompareText.
    return AnsiSameText(a, b) ? 0 : AnsiCompareText(a, b);
}

bool TStringList::Find(std::string_view s, int& index) const
{
    // Binary search for the first item not before s.
    int lo = 0;
    int hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        const int mid = lo + (hi - lo) / 2;
        const int c = CompareStrings(items_[static_cast<size_t>(mid)].S, s);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0)
                found = true;
        }
    }
    index = lo;
    return found;
}

int TStringList::IndexOf(std::string_view s) const
{
    if (sorted_) {
        int index = 0;
        return Find(s, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(items_[static_cast<size_t>(i)].S, s) == 0)
            return i;
    return -1;
}

int TStringList::IndexOfObject(Object o) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)].O == o)
            return i;
    return -1;
}

int TStringList::IndexOfName(std::string_view name) const
{
    for (int i = 0; i < Count(); ++i) {
        const std::string& s = items_[static_cast<size_t>(i)].S;
        const size_t p = s.find(NameValueSeparator);
        if (p != std::string::npos && CompareStrings(std::string_view(s).substr(0, p), name) == 0)
            return i;
    }
    return -1;
}

// ---- sorting -----------------------------------------------------------------

void TStringList::Sort()
{
    if (sorted_ && Count() > 1) {
        // Already in order unless the comparison changed: keep it cheap.
        bool ordered = true;
        for (int i = 1; i < Count() && ordered; ++i)
            ordered = CompareStrings(items_[static_cast<size_t>(i - 1)].S, items_[static_cast<size_t>(i)].S) <= 0;
        if (ordered)
            return;
    }
    if (Count() < 2)
        return;
    std::stable_sort(items_.begin(), items_.end(), [this](const Item& a, const Item& b) {
        return CompareStrings(a.S, b.S) < 0;
    });
    Changed();
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare)
{
    if (sorted_ || Count() < 2)
        return;
    // The comparison reads the list by index: sort a permutation against the
    // untouched list, then apply it. Equal items keep their order.
    std::vector<int> order(items_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(items_.size());
    for (int i : order)
        sorted.push_back(std::move(items_[static_cast<size_t>(i)]));
    items_ = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool v)
{
    if (sorted_ == v)
        return;
    if (v) {
        sorted_ = false;   // Sort() below must not skip the work
        Sort();
    }
    sorted_ = v;
}

void TStringList::SetCaseSensitive(bool v)
{
    if (caseSensitive_ == v)
        return;
    caseSensitive_ = v;
    if (sorted_)
        Sort();
}

void TStringList::Changed()
{
    if (OnChange)
        OnChange();
}

// ---- names and values ------------------------------------------------------------

std::string TStringList::Names(int i) const
{
    const std::string& s = Strings(i);
    const size_t p = s.find(NameValueSeparator);
    return p == std::string::npos ? std::string() : s.substr(0, p);
}

std::string TStringList::ValueFromIndex(int i) const
{
    const std::string& s = Strings(i);
    const size_t p = s.find(NameValueSeparator);
    return p == std::string::npos ? std::string() : s.substr(p + 1);
}

std::string TStringList::Values(std::string_view name) const
{
    const int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStringList::SetValue(std::string_view name, std::string_view value)
{
    const int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0)
            Delete(i);
        return;
    }
    std::string line(name);
    line += NameValueSeparator;
    line += value;
    if (i < 0) {
        Add(std::move(line));
    } else if (sorted_) {
        const Object o = items_[static_cast<size_t>(i)].O;
        items_.erase(items_.begin() + i);
        AddObject(std::move(line), o);
    } else {
        SetString(i, std::move(line));
    }
}

// ---- text --------------------------------------------------------------------

std::string TStringList::Text() const
{
    size_t n = 0;
    for (const Item& it : items_)
        n += it.S.size() + 2;
    std::string r;
    r.reserve(n);
    for (const Item& it : items_) {
        r += it.S;
        r += "\r\n";
    }
    return r;
}

void TStringList::SetText(std::string_view text)
{
    std::vector<Item> lines;
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        size_t j = i;
        while (j < n && text[j] != '\r' && text[j] != '\n')
            ++j;
        lines.push_back(Item{std::string(text.substr(i, j - i)), 0});
        if (j < n && text[j] == '\r')
            ++j;
        if (j < n && text[j] == '\n')
            ++j;
        i = j;
    }
    const std::function<void()> onChange = std::move(OnChange);
    OnChange = nullptr;
    try {
        items_.clear();
        if (sorted_) {
            for (Item& it : lines)
                AddObject(std::move(it.S), 0);
        } else {
            items_ = std::move(lines);
        }
    } catch (...) {
        OnChange = onChange;
        throw;
    }
    OnChange = onChange;
    Changed();
}

std::string TStringList::DelimitedText() const
{
    return JoinDelimited(items_, Delimiter, QuoteChar);
}

void TStringList::SetDelimitedText(std::string_view text)
{
    const auto blank = [](char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; };
    const std::function<void()> onChange = std::move(OnChange);
    OnChange = nullptr;
    try {
        items_.clear();
        size_t p = 0;
        const size_t n = text.size();
        if (!StrictDelimiter)
            while (p < n && blank(text[p]))
                ++p;
        while (p < n) {
            std::string s;
            if (text[p] == QuoteChar) {
                // Quoted item: a doubled quote stands for one; an unclosed one
                // runs to the end.
                ++p;
                while (p < n) {
                    if (text[p] == QuoteChar) {
                        if (p + 1 < n && text[p + 1] == QuoteChar) {
                            s += QuoteChar;
                            p += 2;
                            continue;
                        }
                        ++p;
                        break;
                    }
                    s += text[p++];
                }
            } else {
                const size_t start = p;
                while (p < n && text[p] != Delimiter && (StrictDelimiter || static_cast<unsigned char>(text[p]) > ' '))
                    ++p;
                s.assign(text.substr(start, p - start));
            }
            AddObject(std::move(s), 0);
            if (!StrictDelimiter)
                while (p < n && blank(text[p]))
                    ++p;
            if (p < n && text[p] == Delimiter) {
                if (p + 1 == n)
                    AddObject(std::string(), 0);
                ++p;
                if (!StrictDelimiter)
                    while (p < n && blank(text[p]))
                        ++p;
            }
        }
    } catch (...) {
        OnChange = onChange;
        throw;
    }
    OnChange = onChange;
    Changed();
}

std::string TStringList::CommaText() const
{
    return JoinDelimited(items_, ',', '"');
}

void TStringList::SetCommaText(std::string_view text)
{
    const char delimiter = Delimiter, quote = QuoteChar;
    const bool strict = StrictDelimiter;
    Delimiter = ',';
    QuoteChar = '"';
    StrictDelimiter = false;
    try {
        SetDelimitedText(text);
    } catch (...) {
        Delimiter = delimiter;
        QuoteChar = quote;
        StrictDelimiter = strict;
        throw;
    }
    Delimiter = delimiter;
    QuoteChar = quote;
    StrictDelimiter = strict;
}

// ---- files and streams -------------------------------------------------------------

void TStringList::LoadFromFile(const std::string& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TStringList::SaveToFile(const std::string& fileName) const
{
    if (!WriteFileAtomic(fileName, Text()))
        throw EFCreateError(L1("Impossible de créer le fichier ") + fileName);
}

void TStringList::LoadFromStream(TStream& stream)
{
    const int64_t size = stream.Size() - stream.Position();
    std::string data;
    if (size > 0) {
        data.resize(static_cast<size_t>(size));
        stream.ReadBuffer(data.data(), static_cast<long>(size));
    }
    SetText(data);
}

void TStringList::SaveToStream(TStream& stream) const
{
    stream.WriteString(Text());
}
