// What a box shows is what the program keeps: one table of inputs, typed key
// by key, pasted and dropped, through every kind of box of the window layer;
// what a box refuses of them it says. File names cross into the program's
// text and back unchanged, and the file dialog gives back the bytes of a name
// the user kept.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>

#include <functional>

#include "platform/gui/ComCtrls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Forms.h"
#include "platform/gui/GraphicsQt.h"
#include "platform/gui/Grids.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "tests/support/gui/GuiKit.h"

namespace {

enum Facon : unsigned { Tape = 1, Colle = 2, Depose = 4 };

// Drops a text on a widget as another program does.
void Depot(QWidget* w, const std::string& utf8)
{
    QMimeData md;
    md.setText(QString::fromUtf8(utf8));
    const QPointF p(w->width() - 2, w->height() / 2);
    QDragEnterEvent entre(p.toPoint(), Qt::CopyAction, &md, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &entre);
    QDragMoveEvent passe(p.toPoint(), Qt::CopyAction, &md, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &passe);
    QDropEvent depot(p, Qt::CopyAction, &md, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &depot);
    kit::Process();
}

std::string Utf8(const QString& s) { return s.toStdString(); }

// A form with the boxes of one line and the memo every table types into:
// an edit, a combo box, a memo, a grid and a tree of one node.
struct TBoites
{
    TOwned<TForm> f{new TForm(nullptr)};
    TEdit* edit;
    TComboBox* combo;
    TMemo* memo;
    TStringGrid* grid;
    TTreeView* tree;
    TTreeNode* noeud;
    template <class T>
    T* Place(T* c, int y, int h = 24)
    {
        c->SetParent(f.get());
        c->SetBounds(10, y, 300, h);
        return c;
    }
    explicit TBoites(int hauteur)
    {
        f->SetBounds(50, 50, 520, hauteur);
        edit = Place(new TEdit(f.get()), 10);
        combo = Place(new TComboBox(f.get()), 40);
        memo = Place(new TMemo(f.get()), 70, 60);
        grid = Place(new TStringGrid(f.get()), 140, 80);
        grid->SetOptions(grid->Options() | goEditing);
        tree = Place(new TTreeView(f.get()), 230, 50);
        noeud = tree->Items().AddChildObject(nullptr, "x", 0);
    }
};

}  // namespace

// Kinds of box: a text of one line (edit, combo box, grid cell, tree node),
// a memo, a file name, a whole number, a counter that goes below 0. Each row
// gives what each kind keeps ("~": not a row for that kind) and what it says:
// '-' nothing, 'L' letters left out, 'W' whole numbers only.
TEST(TexteGarde, EveryKindOfBoxKeepsWhatItShowsAndSaysWhatItRefuses)
{
    TBoites k(480);
    TOwned<TForm>& f = k.f;
    auto place = [&](auto* c, int y, int h = 24) { return k.Place(c, y, h); };
    auto* edit = k.edit;
    auto* combo = k.combo;
    auto* memo = k.memo;
    auto* grid = k.grid;
    auto* tree = k.tree;
    TTreeNode* noeud = k.noeud;
    auto* fichier = place(new TEdit(f.get()), 290);
    fichier->SetHoldsFileName(true);
    auto* nombre = place(new TEdit(f.get()), 320);
    nombre->SetNumbersOnly(true);
    auto* compteur = place(new TEdit(f.get()), 350);
    auto* ud = new TUpDown(f.get());
    ud->SetParent(f.get());
    ud->Min = -99;
    ud->Max = 99999;   // the bounds have a counter of their own below
    ud->SetAssociate(compteur);
    // A number of three characters at most; a counter from -9 to 9.
    auto* court = place(new TEdit(f.get()), 380);
    court->SetNumbersOnly(true);
    court->SetMaxLength(3);
    // A grid cell of three figures at most.
    auto* cellule = place(new TStringGrid(f.get()), 410, 60);
    cellule->SetOptions(cellule->Options() | goEditing);
    cellule->OnGetEditMask = [](TObject*, int, int, std::string& masque) { masque = "!990"; };
    auto* borne = new TEdit(f.get());
    borne->SetParent(f.get());
    borne->SetBounds(320, 10, 60, 24);
    auto* udBorne = new TUpDown(f.get());
    udBorne->SetParent(f.get());
    udBorne->Min = -9;
    udBorne->Max = 9;
    udBorne->SetAssociate(borne);
    kit::ShowForm(f.get());

    enum Genre { Ligne, Memo, Fichier, Nombre, Compteur, Court, Borne, Cellule };
    struct Boite
    {
        const char* nom;
        Genre genre;
        TWinControl* c;
        std::function<QWidget*()> ouvre;     // empties the box; the widget that takes the text
        std::function<std::string()> garde;  // what the program reads, as UTF-8 with "\n" lines
    };
    auto editeur = [] { return QApplication::focusWidget(); };
    auto ligne = [](TWinControl* c) {
        return [c]() -> QWidget* {
            c->SetText("");
            c->SetFocus();
            kit::Process();
            auto* combo = qobject_cast<QComboBox*>(QApplication::focusWidget());
            return combo ? combo->lineEdit() : QApplication::focusWidget();
        };
    };
    // A grid's cell (1, 1) emptied and its editor opened; what Enter keeps.
    auto cellule1 = [&](TStringGrid* g) {
        return std::pair<std::function<QWidget*()>, std::function<std::string()>>{
            [&, g]() -> QWidget* {
                g->SetCells(1, 1, "");
                g->SetFocus();
                kit::PressKey(g, VK_F2);
                return editeur();
            },
            [g] {
                kit::PressKey(nullptr, VK_RETURN);
                return Cp1252ToUtf8(g->Cells(1, 1));
            }};
    };
    const Boite boites[] = {
        {"edit", Ligne, edit, ligne(edit), [&] { return Cp1252ToUtf8(edit->Text()); }},
        {"combo", Ligne, combo, ligne(combo), [&] { return Cp1252ToUtf8(combo->Text()); }},
        {"grid", Ligne, grid, cellule1(grid).first, cellule1(grid).second},
        {"tree", Ligne, tree,
         [&]() -> QWidget* {
             noeud->SetText("");
             noeud->EditText();
             kit::Process();
             return editeur();
         },
         [&] {
             // A name left empty is refused (and said apart): it stays empty.
             kit::PressKey(nullptr, VK_RETURN);
             if (tree->IsEditing())
                 kit::PressKey(nullptr, VK_ESCAPE);
             return Cp1252ToUtf8(noeud->Text());
         }},
        {"memo", Memo, memo, ligne(memo),
         [&] { return Cp1252ToUtf8(StringReplace(memo->Text(), "\r\n", "\n", rfReplaceAll)); }},
        {"file name", Fichier, fichier, ligne(fichier), [&] { return fichier->FileName(); }},
        {"number", Nombre, nombre, ligne(nombre), [&] { return nombre->Text(); }},
        {"counter", Compteur, compteur, ligne(compteur), [&] { return compteur->Text(); }},
        {"short number", Court, court, ligne(court), [&] { return court->Text(); }},
        {"bounded counter", Borne, borne, ligne(borne), [&] { return borne->Text(); }},
        {"short cell", Cellule, cellule, cellule1(cellule).first, cellule1(cellule).second},
    };

    struct Rang
    {
        const char* saisi;
        unsigned facons;
        const char* garde[8];   // by kind: line, memo, file name, number, counter, short number,
                                // bounded counter, short cell (none given: "~")
        const char* dit;        // by kind, the same order
    };
    const Rang rangs[] = {
        // accents given apart from their letters join them (a file name keeps them as given)
        {"A\u030Angstro\u0308m cafe\u0301", Tape | Colle | Depose,
         {"Ångström café", "Ångström café", "A\u030Angstro\u0308m cafe\u0301", "~", "~"}, "---"},
        // letters the text cannot hold: left out and said
        {"Ελλάδα FC", Tape | Colle | Depose, {" FC", " FC", "Ελλάδα FC", "~", "~"}, "LL-"},
        {"Ivanov Иван", Colle, {"Ivanov ", "Ivanov ", "Ivanov Иван", "~", "~"}, "LL-"},
        {"Спартак", Colle, {"", "", "Спартак", "~", "~"}, "LL-"},
        // control characters: a line break or a tab is a blank in a box of one line
        {"Jean\tPierre\r\nDupont\x01.", Colle | Depose,
         {"Jean Pierre Dupont.", "Jean\tPierre\nDupont.", "Jean Pierre Dupont.", "~", "~"}, "---"},
        // a no-break space is kept
        {"12\u00A0000 places", Tape | Colle | Depose, {"12\u00A0000 places", "12\u00A0000 places",
                                                        "12\u00A0000 places", "~", "~"}, "---"},
        // whole numbers: a separator refused is said
        {"105,5", Tape, {"~", "~", "~", "1055", "1055"}, "---WW"},
        {"105,5", Colle | Depose, {"~", "~", "~", "", ""}, "---WW"},
        {"1.5", Tape, {"~", "~", "~", "15", "15"}, "---WW"},
        {"-68", Tape, {"~", "~", "~", "68", "-68"}, "---W-"},
        {"-68", Colle, {"~", "~", "~", "", "-68"}, "---W-"},
        // the blanks of a number: its digits kept
        {"16 000", Tape | Colle | Depose, {"~", "~", "~", "16000", "16000"}, "-----"},
        {"16\u00A0000", Tape | Colle | Depose, {"~", "~", "~", "16000", "16000"}, "-----"},
        {" 42", Tape | Colle, {"~", "~", "~", "42", "42"}, "-----"},
        // what does not fit is refused whole and said, never cut to another
        // number: 'T' too long, 'B' past the counter's bounds
        {"16 000", Tape, {"~", "~", "~", "~", "~", "160", "~"}, "-----T"},
        {"16 000", Colle | Depose, {"~", "~", "~", "~", "~", "", "~"}, "-----T"},
        {"1000", Tape, {"~", "~", "~", "~", "~", "100", "~"}, "-----T"},
        {"1000", Colle, {"~", "~", "~", "~", "~", "", "~"}, "-----T"},
        {"25", Tape, {"~", "~", "~", "~", "~", "~", "2"}, "------B"},
        {"25", Colle | Depose, {"~", "~", "~", "~", "~", "~", ""}, "------B"},
        {"-40", Tape, {"~", "~", "~", "~", "~", "~", "-4"}, "------B"},
        {"-40", Colle, {"~", "~", "~", "~", "~", "~", ""}, "------B"},
        {"-9", Tape | Colle, {"~", "~", "~", "~", "~", "~", "-9"}, "-------"},
        {"16 000", Colle, {"~", "~", "~", "~", "~", "~", "~", ""}, "-------T"},
        {"1000", Colle, {"~", "~", "~", "~", "~", "~", "~", ""}, "-------T"},
        {"250", Colle, {"~", "~", "~", "~", "~", "~", "~", "250"}, "--------"},
        // a paste is one figure: two lines, two cells of a sheet or two
        // figures are refused whole and said ('O'), never joined into a third
        {"2\n1", Colle, {"~", "~", "~", "", "", "", "", ""}, "---OOOOO"},
        {"2\t1", Colle, {"~", "~", "~", "", "", "", "", ""}, "---OOOOO"},
        {"1 2", Colle, {"~", "~", "~", "", "", "", "", ""}, "---OOOOO"},
        {"1 2", Depose, {"~", "~", "~", "", "", "", ""}, "---OOOO"},
        {"12 34", Colle, {"~", "~", "~", "", "", "", "", ""}, "---OOOOO"},
        // a figure copied with its line end is one
        {"7\r\n", Colle, {"~", "~", "~", "7", "7", "7", "7", "7"}, "--------"},
    };
    for (const Rang& r : rangs)
        for (const Boite& b : boites)
            for (const Facon facon : {Tape, Colle, Depose}) {
                const char* attendu = r.garde[b.genre];
                if (!(r.facons & facon) || !attendu || std::string(attendu) == "~")
                    continue;
                SCOPED_TRACE(std::string(b.nom) + (facon == Tape ? " typed " : facon == Colle ? " pasted " : " dropped ") +
                             r.saisi);
                QWidget* w = b.ouvre();
                ASSERT_NE(w, nullptr);
                kit::Refusals().clear();
                if (facon == Tape)
                    kit::TypeKeys(nullptr, r.saisi);
                else if (facon == Colle)
                    kit::Paste(nullptr, r.saisi);
                else
                    Depot(qobject_cast<QPlainTextEdit*>(w) ? qobject_cast<QPlainTextEdit*>(w)->viewport() : w, r.saisi);
                // What the box shows is what the program reads.
                QString montre("(no box)");
                if (auto* l = qobject_cast<QLineEdit*>(w))
                    montre = l->text();
                else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
                    montre = m->document()->toRawText().replace(QChar::ParagraphSeparator, '\n');
                EXPECT_EQ(Utf8(montre), attendu);
                EXPECT_EQ(b.garde(), attendu);
                const char dit = r.dit[std::min<size_t>(b.genre, std::string(r.dit).size() - 1)];
                std::string raison = "-";
                for (const kit::Refusal& k : kit::Refusals()) {
                    if (k.reason == DialogTexts().EmptyName)
                        continue;
                    EXPECT_EQ(k.box, b.c);
                    raison = k.reason == DialogTexts().LettersLeftOut ? "L"
                             : k.reason == DialogTexts().WholeNumber || k.reason == DialogTexts().SignedWholeNumber
                                 ? "W"
                             : k.reason == Format(DialogTexts().TooLong, {3})         ? "T"
                             : k.reason == Format(DialogTexts().NumberFromTo, {-9, 9}) ? "B"
                             : k.reason == DialogTexts().OneNumber                     ? "O"
                                                                                       : "(" + k.reason + ")";
                }
                EXPECT_EQ(raison, std::string(1, dit));
            }
    kit::GrabToPng(f.get(), "texte_garde_boites");
}

// A season's text holds any byte, 0x81 and the other bytes Windows-1252
// leaves unassigned included: every kind of box shows it as its own
// characters (never as a file name's kept letter) and gives back its bytes,
// untouched or edited elsewhere in the text. A file name's letter the text
// cannot hold still shows as the system names it.
TEST(TexteGarde, ASeasonsTextKeepsItsBytesInEveryBox)
{
    TBoites k(300);
    k.tree->ReadOnly = false;
    auto* edit = k.edit;
    auto* combo = k.combo;
    auto* memo = k.memo;
    auto* grid = k.grid;
    TTreeNode* noeud = k.noeud;
    kit::ShowForm(k.f.get());
    struct Boite
    {
        const char* nom;
        std::function<QWidget*(const std::string&)> ouvre;   // sets the text, opens the box at its end
        std::function<std::string()> garde;                  // what the program reads
    };
    auto ligne = [](TWinControl* c) {
        return [c](const std::string& t) -> QWidget* {
            c->SetText(t);
            c->SetFocus();
            kit::Process();
            auto* cb = qobject_cast<QComboBox*>(QApplication::focusWidget());
            QWidget* w = cb ? cb->lineEdit() : QApplication::focusWidget();
            kit::PressKey(nullptr, VK_END);
            return w;
        };
    };
    const Boite boites[] = {
        {"edit", ligne(edit), [&] { return edit->Text(); }},
        {"combo", ligne(combo), [&] { return combo->Text(); }},
        {"memo", ligne(memo), [&] { return memo->Text(); }},
        {"grid",
         [&](const std::string& t) -> QWidget* {
             grid->SetCells(1, 1, t);
             grid->SetFocus();
             kit::PressKey(grid, VK_F2);
             kit::PressKey(nullptr, VK_END);
             return QApplication::focusWidget();
         },
         [&] {
             kit::PressKey(nullptr, VK_RETURN);
             return grid->Cells(1, 1);
         }},
        {"tree",
         [&](const std::string& t) -> QWidget* {
             noeud->SetText(t);
             noeud->EditText();
             kit::Process();
             kit::PressKey(nullptr, VK_END);
             return QApplication::focusWidget();
         },
         [&] {
             kit::PressKey(nullptr, VK_RETURN);
             return noeud->Text();
         }},
    };
    const struct
    {
        std::string texte;     // as a season file gives it
        const char* montre;    // as the box shows it (UTF-8)
    } rangs[] = {
        {"A\x81" "B", "A\u0081B"},
        {"Z\x81" "937;", "Z\u0081937;"},
        {"\x8D\x8F\x90\x9D", "\u008D\u008F\u0090\u009D"},
        {FileNameToText("copie-\xCE\xA9"), "copie-\u03A9"},
    };
    for (const auto& r : rangs)
        for (const Boite& b : boites) {
            SCOPED_TRACE(std::string(b.nom) + " " + r.montre);
            QWidget* w = b.ouvre(r.texte);
            ASSERT_NE(w, nullptr);
            QString montre("(no box)");
            if (auto* l = qobject_cast<QLineEdit*>(w))
                montre = l->text();
            else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
                montre = m->toPlainText();
            EXPECT_EQ(Utf8(montre), r.montre);
            kit::TypeKeys(nullptr, "c");
            EXPECT_EQ(b.garde(), r.texte + "c");
        }
    kit::GrabToPng(k.f.get(), "texte_garde_octets");
}

namespace {

// Runs the real file dialog, set by action, then accepted (a question before
// replacing a file answered yes, and recorded in questions).
bool DialogueReel(TOpenDialog& d, const std::function<void(QFileDialog*)>& action, std::vector<std::string>& questions)
{
    kit::RealFileDialog(action);
    kit::AnswerMessages({mrYes});
    const bool ok = d.Execute();
    for (const TMessageRequest& m : kit::Messages())
        questions.push_back(m.Text);
    kit::ResetAnswers();
    return ok;
}

void Touche(const std::string& fichier) { ASSERT_TRUE(WriteFileAtomic(fichier, "x")); }

}  // namespace

// A file name crosses into the program's text and back unchanged, and shows
// as the system names it (an older version's name in a folder named in UTF-8
// too); the file dialog gives back the bytes of a name the user kept (that
// older one), keeps its folder when the user names another file, and opens
// in a folder that is there when the one proposed is missing.
TEST(TexteGarde, FileNamesKeepTheirBytesFromTheDiskToTheDialog)
{
    const std::string dossier = kit::TempDir() + "Zo\xC3\xAB/";   // "Zoë", as the disk holds it
    ASSERT_TRUE(ForceDirectories(dossier));
    const std::string ancien = dossier + "saison-\xE9t\xE9.xmc";   // as an older version wrote it
    Touche(ancien);
    const std::string copie = dossier + "copie-\xC5\x91-\xCE\xA9.xmc";
    EXPECT_EQ(AnsiToQString(FileNameToText(copie)).toStdString(), copie);
    EXPECT_EQ(FileNameFromText(FileNameToText(copie)), copie);
    EXPECT_EQ(AnsiToQString(FileNameToText(ancien)).toStdString(), dossier + "saison-été.xmc");

    struct Cas
    {
        const char* nom;
        std::string propose, dossierInitial;
        std::function<void(QFileDialog*)> action;
        std::string attendu;
        std::vector<std::string> questions;
    };
    const Cas cas[] = {
        {"the proposed name kept", ancien, kit::TempDir(), [](QFileDialog*) {}, ancien,
         {Format(DialogTexts().ReplaceFile, {L1("saison-été.xmc")})}},
        {"another name typed", ancien, kit::TempDir(),
         [](QFileDialog* d) { d->findChild<QLineEdit*>("fileNameEdit")->setText("nouvelle.xmc"); },
         dossier + "nouvelle.xmc", {}},
        {"a missing folder", kit::TempDir() + "absent/Documents/vue.pdf", kit::TempDir() + "absent/Documents/",
         [](QFileDialog*) {}, kit::TempDir() + "vue.pdf", {}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        TOwned<TSaveDialog> d(new TSaveDialog(nullptr));
        d->FileName = c.propose;
        d->InitialDir = c.dossierInitial;
        std::vector<std::string> questions;
        ASSERT_TRUE(DialogueReel(*d, c.action, questions));
        EXPECT_EQ(d->FileName, c.attendu);
        EXPECT_EQ(questions, c.questions);
    }
}
