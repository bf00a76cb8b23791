#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "TempDir.h"

namespace {

std::string Joined(const TStringList& l)
{
    std::string r;
    for (int i = 0; i < l.Count(); ++i)
        r += (i ? "|" : "") + l[i];
    return r;
}

std::string MessageOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const EStringListError& e) {
        return e.Message;
    }
    return "(no exception)";
}

} // namespace

TEST(StringList, UnsortedKeepsOrderAndDuplicatesWithObjects)
{
    TStringList l;
    l.AddObject("b", 7);
    l.Add("a");
    l.Add("b");
    l.Insert(0, "z");
    EXPECT_EQ(Joined(l), "z|b|a|b");
    EXPECT_EQ(l.Objects(1), 7);
    EXPECT_EQ(l.IndexOf("B"), 1);   // case-insensitive by default
    l.SetCaseSensitive(true);
    EXPECT_EQ(l.IndexOf("B"), -1);
    EXPECT_EQ(l.IndexOfObject(7), 1);
    l.Delete(0);
    l.SetString(0, "c");
    EXPECT_EQ(Joined(l), "c|a|b");
    EXPECT_EQ(l.Objects(0), 7);   // the object stays with its line
}

TEST(StringList, IndexErrorsCarryTheLibraryMessage)
{
    TStringList l;
    l.Add("a");
    EXPECT_EQ(MessageOf([&] { (void)l.Strings(1); }), "Index de liste hors limites (1)");
    EXPECT_EQ(MessageOf([&] { l.Delete(-1); }), "Index de liste hors limites (-1)");
    EXPECT_EQ(MessageOf([&] { l.Insert(3, "x"); }), "Index de liste hors limites (3)");
    EXPECT_THROW(l.Exchange(0, 1), EStringListError);
    l.Insert(1, "end");   // inserting at Count appends
    EXPECT_EQ(Joined(l), "a|end");
}

TEST(StringList, SortedDuplicatesIgnoreAcceptError)
{
    TStringList ignore;
    ignore.SetSorted(true);
    EXPECT_EQ(ignore.Add("m"), 0);
    EXPECT_EQ(ignore.Add("c"), 0);
    EXPECT_EQ(ignore.Add("x"), 2);
    EXPECT_EQ(ignore.AddObject("M", 5), 1);   // equal without regard to case: ignored, index of the kept one
    EXPECT_EQ(Joined(ignore), "c|m|x");
    EXPECT_EQ(ignore.Objects(1), 0);

    TStringList accept;
    accept.SetDuplicates(TDuplicates::dupAccept);
    accept.SetSorted(true);
    accept.AddObject("b", 1);
    accept.AddObject("a", 2);
    accept.AddObject("B", 3);
    accept.AddObject("b", 4);
    EXPECT_EQ(accept.Count(), 4);
    EXPECT_EQ(Joined(accept), "a|b|B|b");   // equals keep the order they came in
    int index = -1;
    EXPECT_TRUE(accept.Find("B", index));
    EXPECT_EQ(index, 1);   // the first of the equals

    TStringList error;
    error.SetDuplicates(TDuplicates::dupError);
    error.SetSorted(true);
    error.Add("a");
    EXPECT_EQ(MessageOf([&] { error.Add("A"); }), L1("La liste de chaînes n'autorise pas les doublons"));
    EXPECT_EQ(error.Count(), 1);
}

TEST(StringList, SortedListRefusesPositionalChanges)
{
    TStringList l;
    l.SetSorted(true);
    l.Add("b");
    l.Add("a");
    const std::string msg = L1("Opération non autorisée sur une liste triée");
    EXPECT_EQ(MessageOf([&] { l.Insert(0, "z"); }), msg);
    EXPECT_EQ(MessageOf([&] { l.SetString(0, "z"); }), msg);
    EXPECT_EQ(MessageOf([&] { l.Move(0, 1); }), msg);
    EXPECT_EQ(Joined(l), "a|b");   // nothing lost by the refused move
}

TEST(StringList, FindOnCaseInsensitiveSortedList)
{
    TStringList l;
    l.SetSorted(true);
    for (const char* s : {"Dupont", "martin", "Bernard", "durand", "Zola"})
        l.Add(s);
    EXPECT_EQ(Joined(l), "Bernard|Dupont|durand|martin|Zola");
    int index = -1;
    EXPECT_TRUE(l.Find("MARTIN", index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(l.Find("dupond", index));
    EXPECT_EQ(index, 1);   // where it would go
    EXPECT_EQ(l.IndexOf("ZOLA"), 4);
    // Accented letters sort beside their base letter, not after 'z'.
    l.Add(L1("Élise"));
    l.Add("Eric");
    EXPECT_EQ(l.IndexOf(L1("élise")), 3);
    EXPECT_EQ(l[4], "Eric");
    // Case-sensitive: the case decides equality, and Find follows.
    l.SetCaseSensitive(true);
    EXPECT_EQ(l.IndexOf("martin"), 5);
    EXPECT_EQ(l.IndexOf("MARTIN"), -1);
}

TEST(StringList, SortAndCustomSortAreStable)
{
    TStringList l;
    for (const char* s : {"b2", "a", "B1", "c", "b3"})
        l.Add(s);
    l.CustomSort([](const TStringList& list, int i, int j) {
        return CompareText(list[i].substr(0, 1), list[j].substr(0, 1));
    });
    EXPECT_EQ(Joined(l), "a|b2|B1|b3|c");
    l.Sort();
    EXPECT_EQ(Joined(l), "a|B1|b2|b3|c");
    l.Exchange(0, 4);
    l.Move(0, 2);
    EXPECT_EQ(Joined(l), "B1|b2|c|b3|a");
}

TEST(StringList, TextSplitsEveryLineEndAndJoinsWithCrLf)
{
    TStringList l;
    l.SetText("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(Joined(l), "a|b|c|d||e");
    EXPECT_EQ(l.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
    l.SetText("");
    EXPECT_EQ(l.Count(), 0);
    l.SetText("\r\n");
    EXPECT_EQ(l.Count(), 1);
    l.SetText("only");
    EXPECT_EQ(l.Text(), "only\r\n");
}

TEST(StringList, CommaTextQuotesAndParses)
{
    TStringList l;
    for (const char* s : {"plain", "two words", "a,b", "say \"hi\"", ""})
        l.Add(s);
    EXPECT_EQ(l.CommaText(), "plain,\"two words\",\"a,b\",\"say \"\"hi\"\"\",");

    TStringList back;
    back.SetCommaText(l.CommaText());
    EXPECT_EQ(back.Count(), 5);
    EXPECT_EQ(back[3], "say \"hi\"");
    EXPECT_EQ(back[4], "");

    back.SetCommaText("  x  y ,z,\"q,r\"s");
    EXPECT_EQ(Joined(back), "x|y|z|q,r|s");   // blanks separate too
    TStringList single;
    single.Add("");
    EXPECT_EQ(single.CommaText(), "\"\"");
}

TEST(StringList, DelimitedTextWithStrictDelimiter)
{
    TStringList l;
    l.Delimiter = ';';
    l.StrictDelimiter = true;
    l.SetDelimitedText("a b; c ;;d");
    EXPECT_EQ(Joined(l), "a b| c ||d");
    EXPECT_EQ(l.DelimitedText(), "\"a b\";\" c \";;d");
    EXPECT_EQ(l.Delimiter, ';');   // CommaText leaves the delimiter alone
    (void)l.CommaText();
    EXPECT_EQ(l.Delimiter, ';');
}

TEST(StringList, NamesAndValues)
{
    TStringList l;
    l.Add("Nom=Dupont");
    l.Add("sans valeur");
    l.Add("Ville=Lyon=Rhone");
    EXPECT_EQ(l.Names(0), "Nom");
    EXPECT_EQ(l.Names(1), "");
    EXPECT_EQ(l.ValueFromIndex(1), "");
    EXPECT_EQ(l.Values("VILLE"), "Lyon=Rhone");
    EXPECT_EQ(l.IndexOfName("nom"), 0);
    l.SetValue("nom", "Martin");
    EXPECT_EQ(l[0], "nom=Martin");
    l.SetValue("Age", "40");
    EXPECT_EQ(l.Values("age"), "40");
    l.SetValue("Ville", "");
    EXPECT_EQ(l.IndexOfName("Ville"), -1);
    EXPECT_EQ(l.Count(), 3);

    TStringList sorted;
    sorted.SetSorted(true);
    sorted.Add("b=2");
    sorted.Add("a=1");
    sorted.SetValue("a", "9");   // replaced in place of refusing
    EXPECT_EQ(Joined(sorted), "a=9|b=2");
}

TEST(StringList, FilesAndStreamsUseCrLf)
{
    TempDir dir;
    const std::string name = dir.File("liste.txt");
    TStringList l;
    l.Add(L1("première"));
    l.Add("");
    l.Add("fin");
    l.SaveToFile(name);
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(name, bytes));
    EXPECT_EQ(bytes, L1("première") + "\r\n\r\nfin\r\n");

    TStringList back;
    back.LoadFromFile(name);
    EXPECT_EQ(back.Text(), l.Text());
    EXPECT_THROW(back.LoadFromFile(dir.File("absent.txt")), EFOpenError);
    EXPECT_EQ(back.Count(), 3);   // a failed load keeps the list

    TStringStream s("skip|x\ny\rz");
    s.SetPosition(5);   // reads from the current position
    back.LoadFromStream(s);
    EXPECT_EQ(Joined(back), "x|y|z");
    TMemoryStream m;
    back.SaveToStream(m);
    EXPECT_EQ(m.Size(), 9);
}

TEST(StringList, OnChangeAndAddStrings)
{
    TStringList l;
    int changes = 0;
    l.OnChange = [&] { ++changes; };
    l.Add("a");
    l.SetText("x\ny\nz");
    EXPECT_EQ(changes, 2);
    l.AddStrings(l);
    EXPECT_EQ(Joined(l), "x|y|z|x|y|z");
}
