#include "views/OutilsVues.h"

#include <set>

#include "codecs/PngPicture.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/InfoComp.h"
#include "model/oTraducteur.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Files.h"
#include "ui/Couleurs.h"
#include "ui/FonctionsGabarit.h"
#include "ui/GestionFonction.h"
#include "views/cadreParamClassement.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "ui/BrivantelForm.h"

namespace vues {

TCouleursHTML CouleursParametres(const TStringList& p)
{
    return {TFonctionsGabarit::Parametre("CouleurTitre", p, "#000080"),
            TFonctionsGabarit::Parametre("CouleurLigne1", p, "#C0C0C0"),
            TFonctionsGabarit::Parametre("CouleurLigne2", p, "#FFFFFF"),
            TFonctionsGabarit::Parametre("FonteTitre", p, "#F0E020"),
            TFonctionsGabarit::Parametre("FonteLigne", p, "#000000")};
}

std::unique_ptr<TPngPicture> Blason(const TSaison* saison, int idEquipe)
{
    if (!saison)
        return nullptr;
    const int logo = saison->LogoEquipe(idEquipe);
    if (logo <= 0)
        return nullptr;
    const std::string fichier = NomFichierBlason(logo);
    if (fichier.empty() || !FileExists(fichier))
        return nullptr;
    auto image = std::make_unique<TPngPicture>();
    try {
        image->LoadFromFile(fichier);
    } catch (const std::exception&) {
        return nullptr;
    }
    return image;
}

TGardeChampionnat::TGardeChampionnat(TSaison* saison)
    : saison_(saison), courant_(saison ? saison->ChampionnatCourant() : nullptr)
{
}

TGardeChampionnat::~TGardeChampionnat()
{
    if (saison_)
        saison_->SetChampionnatCourant(courant_);
}

TDonneesChampionnat* ChampionnatFonction(TSaison* saison, const TStringList& parametres)
{
    if (!saison)
        return nullptr;
    if (!TFonctionsGabarit::Parametre("Division", parametres, "").empty())
        saison->SelectionneChampionnat(TFonctionsGabarit::ParametreEntier("Division", parametres, 1));
    return saison->ChampionnatCourant();
}

TDonneesChampionnat* DebutPage(TSaison* saison, const TStringList& parametres, std::string& resultat)
{
    resultat.clear();
    return ChampionnatFonction(saison, parametres);
}

void EcritTable(const TColorGridModel& grille, const TStringList& parametres, std::string& resultat, bool imbrique)
{
    if (imbrique)
        grille.TableHTMLImbriquee(CouleursParametres(parametres), resultat);
    else
        grille.TableHTML(CouleursParametres(parametres), resultat, 0, "#FFFFFF");
}

TEnTeteHTML EnTetePage(TSaison* saison, const std::string& titre)
{
    TEnTeteHTML entete;
    entete.Titres.push_back(titre);
    if (const TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr)
        if (const TDescNoeud* n = saison->Arbre().NoeudParCode(c->CodeChamp, true))
            entete.Titres.push_back(n->NomComplet());
    return entete;
}

bool SaisonEntiere(const TSaison* saison, int premiere, int derniere)
{
    const TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    return premiere == 0 || (premiere <= 1 && c && derniere >= c->DerniereJournee);
}

std::string TitreChoix(const std::string& titre, const std::vector<std::string>& choix, int premiere, int derniere)
{
    std::string t = titre;
    std::string entre;
    for (const std::string& c : choix)
        if (!Trim(c).empty())
            entre += (entre.empty() ? "" : ", ") + Trim(c);
    if (!entre.empty())
        t += " (" + entre + ")";
    return premiere == 0 ? t : TraduireFormat(63, {t, premiere, derniere});
}

std::string TitreCommande(const TFootForm& vue, const std::string& titre)
{
    // The main window gives the caption of the view's command, then the
    // championship's title.
    const std::string commande = vue.TitresVue.size() >= 2 ? Trim(vue.TitresVue.front()) : std::string();
    return commande.empty() ? titre : commande;
}

std::vector<std::string> TitresChoix(const TFootForm& vue, const std::string& titre,
                                     const std::vector<std::string>& choix, const TParamClassement* cadre)
{
    const bool tranche = cadre && !SaisonEntiere(vue.Saison, cadre->Premiere(), cadre->Derniere());
    std::vector<std::string> lignes = {TitreChoix(TitreCommande(vue, titre), choix, tranche ? cadre->Premiere() : 0,
                                                  tranche ? cadre->Derniere() : 0)};
    if (cadre && cadre->cb_Champ->Visible() && cadre->ListeChoisie() && cadre->IndexDonnees() > 0 &&
        cadre->IndexDonnees() < cadre->cb_Champ->Items().Count())
        lignes.push_back(Trim(Traduire(1640)) + " " + cadre->cb_Champ->Items()[cadre->IndexDonnees()]);
    return lignes;
}

std::string TexteTirsAuBut(const TDonneesChampionnat& c, int journee, int domicile, int exterieur, bool inverse)
{
    const TPenaltyTab* t = c.Penalty(journee, domicile, exterieur);
    const TInfoComp* m = t ? c.MatchEquipes(journee, domicile, exterieur) : nullptr;
    if (!m || !m->ScoresSaisis())
        return {};
    const int a = t->s1, b = t->s2;
    return TraduireFormat(286, {inverse ? b : a, inverse ? a : b});
}

TScrollBox* FondDefilant(TForm* vue, const char* nom)
{
    auto* b = new TScrollBox(vue);
    b->SetName(nom);
    b->SetBorderStyle(bsNone);
    b->SetAlign(alClient);
    b->SetColor(CouleurFondFonceDessin);
    b->SetParent(vue);
    return b;
}

void BrancheCadre(TParamClassement* cadre, std::function<void()> rafraichit)
{
    cadre->cb_Champ->OnChange = [cadre, rafraichit](TObject* s) {
        cadre->cb_ChampChange(s);
        rafraichit();
    };
    cadre->cb_Tranche->OnChange = [cadre, rafraichit](TObject* s) {
        cadre->cb_TrancheChange(s);
        rafraichit();
    };
}

void EnregistreVue(const std::string& classe, std::function<TForm*(TComponent*)> cree,
                   std::initializer_list<std::pair<const char*, uint8_t>> fonctions)
{
    static std::set<std::string> enregistrees;
    if (!enregistrees.insert(classe).second)
        return;
    const TClasseVue vue{classe, std::move(cree)};
    for (const auto& [nom, genre] : fonctions)
        GestionFonctions().Ajoute(nom, vue, genre);
}

}  // namespace vues
