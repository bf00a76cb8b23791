#include "results/w_Passeurs.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListesJoueurs.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/Carton.h"
#include "results/Controles.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "views/Textes.h"

using vues::Texte;

namespace {

constexpr TColor Jaune = 0x00FFFF;
constexpr int TailleNumero = 8;

// The comment of match m of matchday n is written every time; it counts as a
// change only when it is one.
bool EcritCommentaire(TDonneesChampionnat& c, int n, int m, const std::string& commentaire)
{
    const bool change = commentaire != c.CommentaireMatch(n, m);
    c.SetCommentaireMatch(n, m, commentaire);
    return change;
}

// Writes a second page's panels back to matchday n for teams h and a: the
// panels of every kind but the last to the list of `code` (the two teams'
// records removed first), those of the last kind, the missed penalties, to
// the goals list (the two teams' 0x800 records removed first).
// record(kind, box, team) makes each record.
template <size_t N, class F>
void EcritPanneaux(TDonneesChampionnat& c, int n, int code, int h, int a, TFondScroll* const (&fonds)[N][2],
                   F&& record)
{
    const int equipes[2] = {h, a};
    TListeDonnees* liste = c.ListeDonnees(code, n);
    TListeDonnees* buts = c.ListeDonnees(2, n);
    if (liste)
        liste->SupprimeEquipes(equipes);
    if (buts)
        buts->SupprimeEquipesMarquees(equipes);
    for (size_t k = 0; k < N; ++k) {
        TListeDonnees* l = k + 1 < N ? liste : buts;
        if (!l)
            continue;
        for (int cote = 1; cote <= 2; ++cote)
            PourCartonsRemplis(fonds[k][cote - 1], [&](const TCarton& b) {
                l->Ajoute(record(static_cast<int>(k), b, cote == 1 ? h : a));
            });
    }
}

}  // namespace

Tf_PasseursFoot::Tf_PasseursFoot(TComponent* AOwner) : TPagePanneaux(AOwner)
{
    SetName("f_PasseursFoot");
    SetCaption("f_PasseursFoot");
    static const char* const noms[2][2] = {{"FondPasseur1", "FondPasseur2"}, {"FondPenalty1", "FondPenalty2"}};
    CreePanneaux(noms);
    FondPasseur1 = fonds_[0][0];
    FondPasseur2 = fonds_[0][1];
    FondPenalty1 = fonds_[1][0];
    FondPenalty2 = fonds_[1][1];
    Label11 = resultats::Label(this, this, "Label11", 0, 44, 200, Jaune, true, "Passeurs");
    Label1 = resultats::Label(this, this, "Label1", 0, 250, 200, Jaune, true, L1("Penaltys manqués"));
    Label12 = resultats::Label(this, this, "Label12", 0, 400, 300, Jaune, true, "Commentaires sur le match");
    m_Commentaire = new TMemo(this);
    m_Commentaire->SetName("m_Commentaire");
    m_Commentaire->SetScrollBars(ssVertical);
    m_Commentaire->SetParent(this);
    for (int cote = 1; cote <= 2; ++cote)
        Liste(cote)->OnDblClick = [this, cote](TObject*) { LB1DblClick(cote); };
    OnResize = [this](TObject*) {
        fc_InfoMatchResize();
        Place();
    };
    DoCreate();
}

Tf_PasseursFoot::~Tf_PasseursFoot()
{
    if (Saison)
        EnregistrePage(1);
}

void Tf_PasseursFoot::Prepare()
{
    mi_AjouterJoueur1->SetCaption(Texte(870, "Ajouter un joueur"));
    mi_AjouterJoueur2->SetCaption(Texte(870, "Ajouter un joueur"));
    Label1->SetCaption(Texte(4943, L1("Penaltys manqués")));
    Label11->SetCaption(Texte(918, "Passeurs"));
    Label12->SetCaption(Texte(919, "Commentaires sur le match"));
    Panel2->SetAlign(alLeft);
    Panel4->SetAlign(alRight);
}

void Tf_PasseursFoot::Place()
{
    const int largeur = ClientWidth(), haut = ClientHeight();
    // Two columns between the team lists: home from the left list, away from
    // the middle.
    const int w = std::max(60, (largeur - 2 * 133 - 10) / 2);
    const int u = std::max(20, (haut - 200) / 5);
    const int hPasseurs = std::max(40, 3 * u - 25), hPenaltys = std::max(40, 2 * u - 25);
    for (int cote = 1; cote <= 2; ++cote) {
        const int x = cote == 1 ? 133 : 143 + w;
        fonds_[0][cote - 1]->SetBounds(x, 62, w, hPasseurs);
        fonds_[1][cote - 1]->SetBounds(x, 62 + hPasseurs + 27, w, hPenaltys);
    }
    Label11->SetBounds(largeur / 2 - Label11->Width() / 2, 44, Label11->Width(), 16);
    Label1->SetBounds(largeur / 2 - Label1->Width() / 2, 62 + hPasseurs + 5, Label1->Width(), 16);
    const int topMemo = std::max(62 + hPasseurs + 27 + hPenaltys + 24, haut - 132);
    m_Commentaire->SetBounds(133, topMemo, std::max(100, 2 * w + 10), std::max(40, haut - topMemo - 4));
    Label12->SetBounds(133, topMemo - 18, 300, 16);
    AjusteFonds();
}

void Tf_PasseursFoot::AfficheMatch()
{
    VidePanneaux();
    AfficheEnTeteMatch(false, nullptr, {}, nullptr, nullptr);
}

void Tf_PasseursFoot::Remplit(TFondScroll* fond, int cote, const TListeResultat* liste)
{
    TListeJoueur* choix = cote == 1 ? ListeDomicile() : ListeExterieur();
    const int32_t equipe = cote == 1 ? IdDomicile : IdExterieur;
    int ligne = 1;
    for (int i = 0; liste && i < liste->Nombre(); ++i) {
        const int32_t id = liste->Resultat(i)->IdJoueur();
        const TChoixJoueur* ch = choix ? choix->ChercheIdJoueur(id) : nullptr;
        if (!ch && choix)
            if (TJoueur* p = Saison->Joueurs().ChercheJoueur(id, equipe)) {
                choix->Insere(std::make_unique<TChoixJoueur>(p, 0), false);
                ch = choix->ChercheIdJoueur(id);
            }
        TCarton* b = AjouteCarton(ligne++, cote, false, 0, -1, std::nullopt, ch, 0, false, fond, 1);
        if (!ch) {
            // A player the season no longer knows keeps his number.
            b->SetText(Texte(3472, "Joueur inconnu"));
            b->Numero = id;
        }
    }
    AjouteCarton(ligne, cote, false, 0, -1, std::nullopt, nullptr, 0, false, fond, 1);
}

void Tf_PasseursFoot::RemplitPage(int Mode)
{
    if (Mode != 1) {
        for (int cote = 1; cote <= 2; ++cote)
            Liste(cote)->Items().Clear();
        m_Commentaire->SetText("");
        return;
    }
    TDonneesChampionnat* c = Championnat();
    const int n = c->NbJournee;
    ChargeListes();
    std::unique_ptr<TListeResultat> listes[4];
    if (TListeDonnees* l = c->ListeDonnees(4, n)) {
        l->ListesMatch(IdDomicile, IdExterieur, false, false, listes);
        Remplit(FondPasseur1, 1, listes[0].get());
        Remplit(FondPasseur2, 2, listes[1].get());
    }
    std::unique_ptr<TListeResultat> manques[4];
    if (TListeDonnees* l = c->ListeDonnees(2, n)) {
        l->ListesMatch(IdDomicile, IdExterieur, true, false, manques);
        for (int cote = 1; cote <= 2; ++cote) {
            // Only the missed penalties themselves (the word exactly 0x800).
            TListeResultat seuls;
            if (const TListeResultat* m = manques[cote - 1].get())
                for (int i = 0; i < m->Nombre(); ++i)
                    if (m->Resultat(i)->Mot() == evtHorsScore)
                        seuls.Ajoute(m->Resultat(i));
            Remplit(cote == 1 ? FondPenalty1 : FondPenalty2, cote, &seuls);
        }
    }
    m_Commentaire->SetText(c->CommentaireMatch(n, MatchCourant));
}

void Tf_PasseursFoot::EnregistrePage(int Libere)
{
    if (Libere == 1)
        LibereListes();
    TDonneesChampionnat* c = Championnat();
    if (!c || c_EqDomicile->Text().empty())
        return;
    const int n = c->NbJournee, m = MatchCourant;
    const int h = IdDomicile, a = IdExterieur;
    const bool commentaireChange = EcritCommentaire(*c, n, m, m_Commentaire->GetText());
    const bool evenements = Modifie;
    if (Modifie) {
        Modifie = 0;
        // Assists, then the missed penalties.
        EcritPanneaux(*c, n, 4, h, a, fonds_, [](int k, const TCarton& b, int equipe) {
            return TDonneesEvt::CreateId(b.Numero, equipe, k == 0 ? 0 : evtHorsScore);
        });
    }
    if (evenements || commentaireChange)
        Signale();
}

void Tf_PasseursFoot::LB1DblClick(int cote)
{
    TListe* l = Liste(cote);
    const int i = l->ItemIndex();
    if (i < 0 || i >= l->Items().Count())
        return;
    const std::string entree = l->Items()[i];
    TFondScroll* fond = fonds_[0][cote - 1];
    for (int k = 0; k < fond->NbControles(); ++k) {
        TCarton* b = CartonLigne(fond, k);
        if (!b || !b->Text().empty())
            continue;
        b->SetText(NomEntreeListe(entree, TailleNumero));
        b->Numero = NumeroEntreeListe(entree, TailleNumero, true);
        b->Reorganise(true, 0);
        return;
    }
}

// ---- rugby -----------------------------------------------------------------------------------

Tf_PasseursRugby::Tf_PasseursRugby(TComponent* AOwner) : TPagePanneaux(AOwner)
{
    SetName("f_PasseursRugby");
    SetCaption("f_PasseursRugby");
    static const char* const noms[3][2] = {{"FondCj1", "FondCj2"}, {"FondCr1", "FondCr2"}, {"FondPenalty1", "FondPenalty2"}};
    CreePanneaux(noms);
    for (int cote = 1; cote <= 2; ++cote)
        Liste(cote)->OnDblClick = [this, cote](TObject*) { RemplitPanneauChoisi(cote); };
    Label2 = resultats::Label(this, this, "Label2", 0, 44, 200, Jaune, true, "Cartons jaunes");
    Label3 = resultats::Label(this, this, "Label3", 0, 150, 200, Jaune, true, "Cartons rouges");
    Label1 = resultats::Label(this, this, "Label1", 0, 250, 200, Jaune, true, L1("Pénalités manquées"));
    Label12 = resultats::Label(this, this, "Label12", 0, 400, 300, Jaune, true, "Commentaires sur le match");
    m_Commentaire = new TMemo(this);
    m_Commentaire->SetName("m_Commentaire");
    m_Commentaire->SetScrollBars(ssVertical);
    m_Commentaire->SetParent(this);
    OnResize = [this](TObject*) {
        fc_InfoMatchResize();
        Place();
    };
    DoCreate();
}

Tf_PasseursRugby::~Tf_PasseursRugby()
{
    if (Saison)
        EnregistrePage(1);
}

void Tf_PasseursRugby::Prepare()
{
    mi_AjouterJoueur1->SetCaption(Texte(870, "Ajouter un joueur"));
    mi_AjouterJoueur2->SetCaption(Texte(870, "Ajouter un joueur"));
    Label1->SetCaption(Texte(514, Label1->Caption()));
    Label2->SetCaption(Texte(679, Label2->Caption()));
    Label3->SetCaption(Texte(680, Label3->Caption()));
    Label12->SetCaption(Texte(919, "Commentaires sur le match"));
    Panel2->SetAlign(alLeft);
    Panel4->SetAlign(alRight);
}

void Tf_PasseursRugby::Place()
{
    const int largeur = ClientWidth(), haut = ClientHeight();
    const int w = std::max(60, (largeur - 2 * 133 - 10) / 2);
    // Yellow cards, red cards, missed penalties: each pair of panels under
    // its heading.
    const int h = std::max(40, (haut - 236) / 4);
    TLabel* titres[3] = {Label2, Label3, Label1};
    int y = 44;
    for (int k = 0; k < 3; ++k) {
        titres[k]->SetBounds(largeur / 2 - titres[k]->Width() / 2, y, titres[k]->Width(), 16);
        y += 18;
        for (int cote = 1; cote <= 2; ++cote)
            fonds_[k][cote - 1]->SetBounds(cote == 1 ? 133 : 143 + w, y, w, h);
        y += h + 4;
    }
    const int topMemo = std::max(y + 20, haut - 132);
    m_Commentaire->SetBounds(133, topMemo, std::max(100, 2 * w + 10), std::max(40, haut - topMemo - 4));
    Label12->SetBounds(133, topMemo - 18, 300, 16);
    AjusteFonds();
}

void Tf_PasseursRugby::AfficheMatch()
{
    VidePanneaux();
    AfficheEnTeteMatch(false, nullptr, {}, nullptr, nullptr);
}

void Tf_PasseursRugby::RemplitPage(int Mode)
{
    if (Mode != 1) {
        for (int cote = 1; cote <= 2; ++cote)
            Liste(cote)->Items().Clear();
        m_Commentaire->SetText("");
        return;
    }
    TDonneesChampionnat* c = Championnat();
    const int n = c->NbJournee;
    ChargeListes();
    auto choix = [this](int cote, int32_t id) -> const TChoixJoueur* {
        TListeJoueur* liste = cote == 1 ? ListeDomicile() : ListeExterieur();
        if (!liste)
            return nullptr;
        if (const TChoixJoueur* ch = liste->ChercheIdJoueur(id))
            return ch;
        TJoueur* p = Saison->Joueurs().ChercheJoueur(id, -1);
        if (!p)
            return nullptr;
        liste->Insere(std::make_unique<TChoixJoueur>(p, 0), false);
        return liste->ChercheIdJoueur(id);
    };
    // Cards (red: 0x80), with minute boxes; missed penalties (the word exactly 0x800).
    std::unique_ptr<TListeResultat> cartons[4], manques[4];
    if (TListeDonnees* l = c->ListeDonnees(3, n))
        l->ListesMatch(IdDomicile, IdExterieur, false, true, cartons);
    if (TListeDonnees* l = c->ListeDonnees(2, n))
        l->ListesMatch(IdDomicile, IdExterieur, true, false, manques);
    for (int k = 0; k < 3; ++k)
        for (int cote = 1; cote <= 2; ++cote) {
            const TListeResultat* l = k < 2 ? cartons[k * 2 + cote - 1].get() : manques[cote - 1].get();
            TFondScroll* fond = fonds_[k][cote - 1];
            const int couleur = k == 1 ? 2 : 1;
            int ligne = 1;
            for (int i = 0; l && i < l->Nombre(); ++i) {
                const TDonneesEvt* d = l->Resultat(i);
                if (k == 2 && d->Mot() != evtHorsScore)
                    continue;
                const TChoixJoueur* ch = choix(cote, d->IdJoueur());
                const std::optional<std::string> minute =
                    k < 2 ? std::optional<std::string>(IntToStr(d->Mot() & evtMinute)) : std::nullopt;
                TCarton* b = AjouteCarton(ligne++, cote, k < 2, 0, -1, minute, ch, k == 2 ? 6 : 0, false, fond, couleur);
                if (!ch) {
                    b->SetText(Texte(3472, "Joueur inconnu"));
                    b->Numero = d->IdJoueur();
                }
            }
            AjouteCarton(ligne, cote, k < 2, 0, -1, k < 2 ? std::optional<std::string>("0") : std::nullopt, nullptr,
                         k == 2 ? 6 : 0, false, fond, couleur);
        }
    m_Commentaire->SetText(c->CommentaireMatch(n, MatchCourant));
}

void Tf_PasseursRugby::EnregistrePage(int Libere)
{
    if (Libere == 1)
        LibereListes();
    TDonneesChampionnat* c = Championnat();
    if (!c || c_EqDomicile->Text().empty())
        return;
    const int n = c->NbJournee, m = MatchCourant;
    const int h = IdDomicile, a = IdExterieur;
    const bool commentaireChange = EcritCommentaire(*c, n, m, m_Commentaire->GetText());
    const bool evenements = Modifie;
    if (Modifie) {
        Modifie = 0;
        // Yellow cards, red cards (with their minutes), then the missed penalties.
        EcritPanneaux(*c, n, 3, h, a, fonds_, [](int k, const TCarton& b, int equipe) {
            return k == 2 ? TDonneesEvt::CreateId(b.Numero, equipe, evtHorsScore)
                          : std::make_unique<TDonneesEvt>(b.Numero, equipe, MinuteTapee(b), k == 1 ? evtRouge : 0);
        });
    }
    if (evenements || commentaireChange)
        Signale();
}
