// Shared set-up of the record window tests: a temporary folder per test,
// small pictures, a stand-in GIF format, and the texts and skin module.
#pragma once

#include <atomic>
#include <cstdlib>
#include <memory>
#include <string>

#include "codecs/PngPicture.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/DessinEssai.h"
#include "tests/support/gui/GuiKit.h"

namespace fiches_essai {

// A fresh folder of this test process, removed at the end.
class Dossier
{
public:
    Dossier()
    {
        static std::atomic<int> n{0};
        path_ = kit::TempDir() + "fiches" + IntToStr(++n);
        ForceDirectories(path_);
    }
    ~Dossier() { Efface(path_); }
    const std::string& Path() const { return path_; }
    std::string Chemin(const std::string& nom) const { return path_ + "/" + nom; }

private:
    static void Efface(const std::string& d)
    {
        for (const TSearchRec& r : ListFiles(d, "*", true))
        {
            if (r.Directory)
                Efface(d + "/" + r.Name);
            else
                DeleteFile(d + "/" + r.Name);
        }
        RemoveDir(d);
    }
    std::string path_;
};

inline TBitmap Bitmap(int w, int h, uint32_t argb)
{
    TBitmap b;
    b.SetPixelFormat(pf32bit);
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.ScanLine(y)[x] = argb ^ static_cast<uint32_t>((x * 16) & 0x3F);
    return b;
}

// A square PNG of one colour (alpha kept).
inline std::unique_ptr<TPngPicture> Carre(int cote, uint32_t argb)
{
    auto p = std::make_unique<TPngPicture>();
    p->Assign(Bitmap(cote, cote, argb));
    return p;
}

inline std::unique_ptr<TJPEGImage> Photo(int w, int h)
{
    auto p = std::make_unique<TJPEGImage>();
    TBitmap b = Bitmap(w, h, 0xFF3060C0);
    b.SetPixelFormat(pf24bit);
    p->Assign(b);
    return p;
}

// A picture format registered by a test: any file reads as a 3 x 3 picture.
class TGifEssai : public TGraphic
{
public:
    int Width() const override { return b_.Width(); }
    int Height() const override { return b_.Height(); }
    void LoadFromStream(TStream&) override { b_.Assign(Bitmap(3, 3, 0xFF00FF00)); }
    void SaveToStream(TStream&) const override {}
    void AssignTo(TBitmap& dest) const override { dest.Assign(b_); }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TGifEssai>(*this); }
    void Draw(TCanvas& canvas, const TRect& r) const override { b_.Draw(canvas, r); }
    std::string ClassName() const override { return "TGifEssai"; }

private:
    TBitmap b_;
};

// The texts and skin module, once.
inline void Prepare()
{
    setenv("BZ_DATA_DIR", BZ_SOURCE_DATA_DIR, 0);
    dessin_essai::Module();
}

}  // namespace fiches_essai

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/DescTree.h"
#include "model/LectureParametre.h"
#include "model/ListeDonnees.h"
#include "model/MultiSport.h"
#include "model/Saison.h"

namespace fiches_essai {

// The championship templates of the sport, read once from the data folder.
inline void Modeles(int sport)
{
    Prepare();
    dessin_essai::ModelesSports(sport);
}

// A season of four teams (Brivant 0, Zelvor 1, Corvelle 2, Tessane 3) and
// two championships: "Division 1" (code 1, current, three matchdays, two
// played) and "Coupe" (code 2, one matchday). Dupont (team 0) starts matchday
// 1, scores at 10 and at 44 (a penalty, flag 0x100) and goes off at 60 for
// Martin, who is booked at 70; on matchday 2 Dupont plays the whole match and
// scores at 80; in the cup he scores at 5. Durand plays for Zelvor.
struct TPetiteSaison
{
    std::unique_ptr<TSaison> saison;
    TDonneesChampionnat* c1 = nullptr;
    TDonneesChampionnat* c2 = nullptr;
    TJoueur* dupont = nullptr;
    TJoueur* martin = nullptr;
    TJoueur* durand = nullptr;
};

inline TDonneesChampionnat* Championnat(TSaison& s, const std::string& nom, int code, int jours)
{
    auto c = s.CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational, 0);
    c->OptionsParDefaut();
    c->CodeChamp = code;
    for (int t = 0; t < 4; ++t)
        c->AjouteEquipe(t);
    c->SetNbMatch(2);
    c->SetNbJournees(jours);
    c->TempsPeriode = 45;
    c->SetOption(8, 105);
    return s.Arbre().AjouteChampionnat(nom, nom, std::move(c), "France")->Championnat();
}

inline TPetiteSaison PetiteSaison(int sport)
{
    Modeles(sport);
    TPetiteSaison p;
    p.saison = TMultiSport::CreeSaison(sport);
    TSaison& s = *p.saison;
    for (const char* n : {"Brivant", "Zelvor", "Corvelle", "Tessane"})
        s.AjouteEquipe(n);
    s.Pays().AjoutePays("France");
    s.AjouteClubPrec("Ancien Club", -1);
    auto joueur = [&](const char* nom, const char* prenom, int t) {
        return s.Joueurs().AjouteJoueur(s.CreeJoueur(nom, prenom, -1, t));
    };
    p.dupont = joueur("Dupont", "Jean", 0);
    p.martin = joueur("Martin", "Paul", 0);
    p.durand = joueur("Durand", "Luc", 1);
    const int32_t d = p.dupont->Numero, m = p.martin->Numero, u = p.durand->Numero;
    p.c1 = Championnat(s, "Division 1", 1, 3);
    p.c2 = Championnat(s, "Coupe", 2, 1);
    TDonneesChampionnat& c = *p.c1;
    TInfoComp* m1 = c.CreeMatch(1, 0, 1, 2, 1);
    c.CreeMatch(1, 2, 3, 0, 0);
    TInfoComp* m2 = c.CreeMatch(2, 2, 0, 0, 1);
    c.CreeMatch(2, 1, 3, 1, 1);
    c.CreeMatch(3, 0, 3, 65535, 65535);
    for (TInfoComp* x : {m1, m2})
    {
        x->SetNbTitulaire(11);
        x->SetNbRemp(3);
        x->SetJoueurTitulaire(0, 1, d);
        x->SetCompositionSaisie(0);
    }
    m1->SetJoueurTitulaire(1, 1, u);
    m1->SetCompositionSaisie(1);
    m1->SetRemplacement(0, d, m, 60, 1);
    m1->SetNote(0, 1, 7);
    if (sport < 2)
    {
        c.ListeDonnees(2, 1)->Ajoute(std::make_unique<TDonneesEvt>(d, 0, 10, 0));
        c.ListeDonnees(2, 1)->Ajoute(std::make_unique<TDonneesEvt>(d, 0, 44, 0x100));
        c.ListeDonnees(2, 1)->Ajoute(std::make_unique<TDonneesEvt>(u, 1, 50, 0));
        c.ListeDonnees(3, 1)->Ajoute(std::make_unique<TDonneesEvt>(m, 0, 70, 0));
        c.ListeDonnees(2, 2)->Ajoute(std::make_unique<TDonneesEvt>(d, 0, 80, 0));
        TInfoComp* m3 = p.c2->CreeMatch(1, 0, 3, 1, 0);
        m3->SetNbTitulaire(11);
        m3->SetJoueurTitulaire(0, 2, d);
        m3->SetCompositionSaisie(0);
        p.c2->ListeDonnees(2, 1)->Ajoute(std::make_unique<TDonneesEvt>(d, 0, 5, 0));
    }
    else
    {
        // Box scores: Dupont's points, two-point shots 3 made of 5 (basketball
        // codes 6, 7, 8; handball 21, 22), no free throw attempted.
        auto& st = dynamic_cast<TDonneesChampionnatStat&>(c);
        const int points = sport == 2 ? 6 : 21, reussis = sport == 2 ? 7 : 21, tentes = sport == 2 ? 8 : 22;
        for (int jour : {1, 2})
        {
            for (auto [code, v] : {std::pair{points, sport == 2 ? 8 + jour : 3}, std::pair{tentes, 5}})
                st.ListeStat(jour, code)->Ajoute(TDonneesEvt::CreateId(d, 0, static_cast<uint16_t>(v)));
            if (reussis != points)
                st.ListeStat(jour, reussis)->Ajoute(TDonneesEvt::CreateId(d, 0, 3));
        }
    }
    s.SetChampionnatCourant(p.c1);
    s.CalculeStatJoueurs();
    return p;
}

}  // namespace fiches_essai
