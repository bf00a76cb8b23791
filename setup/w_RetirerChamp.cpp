#include "setup/w_RetirerChamp.h"

#include <algorithm>
#include <utility>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Joueurs.h"
#include "model/LectureParametre.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"
#include "results/Saisie.h"
#include "setup/Controles.h"
#include "ui/NomSaisi.h"
#include "ui/message2.h"

using namespace setup;

constexpr TStrings::Object EquipeNouvelle = 65535;
constexpr int TexteQuestionFusions = 5991;
constexpr int TexteCoche = 6120, TexteNonCoche = 6121;

// ---- removal -------------------------------------------------------------------------------

Tf_RetirerChamp::Tf_RetirerChamp(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    PrepareFiche(this, "f_RetirerChamp", Traduire(993), 420, 330);
    FondCopie1 = Fond(this, this, "FondCopie1", 8, 8, 404, 274);
    // The caption on one line, the list, then what a box ticked or left
    // unticked does, each line under the list broken to its width.
    Libelle(this, FondCopie1, "Label2", Traduire(992), 10, 8, 384);
    clb_Championnat = Place(new TCheckListBox(this), FondCopie1, "clb_Championnat", 10, 30, 384, 164);
    int y = 200;
    for (const auto& [nom, texte] : {std::pair{"l_Coche", TexteCoche}, std::pair{"l_NonCoche", TexteNonCoche}}) {
        TLabel* l = Libelle(this, FondCopie1, nom, Traduire(texte), 10, y, 384);
        l->SetWordWrap(true);
        l->SetWidth(384);
        y += l->Height() + 4;
    }
    b_Valider = Bouton(this, this, "b_Valider", Traduire(29), 98, 290);
    b_Valider->OnClick = [this](TObject*) { b_ValiderClick(); };
    b_Annuler = Bouton(this, this, "b_Annuler", Traduire(125), 226, 290);
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;
    DoCreate();
}

void Tf_RetirerChamp::DonneListe(const std::vector<TDonneesChampionnat*>& championnats)
{
    liste_ = championnats;
    clb_Championnat->Items().Clear();
    TLectureParamMulti* m = LectureParamMulti();
    TLectureParam* p = m ? m->ParamCourant() : nullptr;
    for (size_t i = 0; i < liste_.size(); ++i) {
        const TDonneesChampionnat* c = liste_[i];
        if (!c)
            continue;
        std::string texte =
            p ? DeuxPoints(p->NomChampionnat(c->CodeDivision()), p->NomDivision(c->CodeDivision())) : std::string();
        if (Saison)
            texte = Saison->Arbre().NomCompletCode(c->CodeChamp);
        clb_Championnat->Items().AddObject(texte, static_cast<TStrings::Object>(i));
    }
}

void Tf_RetirerChamp::b_ValiderClick()
{
    // The championships ticked leave with their teams and players; what
    // stays is the season's rule (TSaison::SupprimeEquipesChampionnats).
    std::vector<int32_t> codes;
    for (int i = 0; Saison && i < clb_Championnat->Items().Count(); ++i)
        if (clb_Championnat->Checked(i))
            codes.push_back(liste_[static_cast<size_t>(clb_Championnat->Items().Objects(i))]->CodeChamp);
    if (!codes.empty()) {
        // A player kept without a club whom the season would make one with a
        // namesake without one: asked once, naming each; No leaves the season
        // as it was, and the composition open as it stood.
        const TSaison::TRetraitChampionnats r = Saison->RetraitChampionnats(codes);
        if (!r.Fusions.empty()) {
            std::string texte = Traduire(TexteQuestionFusions);
            for (const TSaison::TFusionSansClub& f : r.Fusions)
                texte += '\n' + Saison->PhraseFusionSansClub(f);
            if (Tf_MessageUtil::Affiche(texte, mbuOui | mbuNon) != mrYes) {
                Abandon = true;
                SetModalResult(mrCancel);
                return;
            }
        }
        Saison->SupprimeEquipesChampionnats(codes);
    }
    SetModalResult(mrOk);
}

// ---- team list -----------------------------------------------------------------------------

Tf_AjouterEquipe::Tf_AjouterEquipe(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    PrepareFiche(this, "f_AjouterEquipe", Traduire(1482), 420, 360);
    FondCopie1 = Fond(this, this, "FondCopie1", 8, 8, 404, 304);
    cb_Equipes = Place(new TComboBox(this), FondCopie1, "cb_Equipes", 10, 10, 270, 22);
    cb_Equipes->SetSorted(true);
    // Enter adds the name typed, as the button does.
    cb_Equipes->OnKeyDown = [this](TObject*, WORD& k, TShiftState) {
        if (k == VK_RETURN) {
            k = 0;
            bc_AjouterClick();
        }
    };
    bc_Ajouter = Bouton(this, FondCopie1, "bc_Ajouter", Traduire(932), 290, 6, 104, 30);
    bc_Ajouter->OnClick = [this](TObject*) { bc_AjouterClick(); };
    l_Equipe = Place(new TListBox(this), FondCopie1, "l_Equipe", 10, 44, 270, 250);
    bc_Effacer = Bouton(this, FondCopie1, "bc_Effacer", Traduire(1070), 290, 44, 104, 30);
    bc_Effacer->OnClick = [this](TObject*) { bc_EffacerClick(); };
    bc_Valider = Bouton(this, this, "bc_Valider", Traduire(29), 98, 320);
    bc_Valider->OnClick = [this](TObject*) { bc_ValiderClick(); };
    bc_Annuler = Bouton(this, this, "bc_Annuler", Traduire(125), 226, 320);
    bc_Annuler->ModalResult = mrCancel;
    bc_Annuler->Cancel = true;
    OnShow = [this](TObject*) { Remplit(); };
    DoCreate();
}

void Tf_AjouterEquipe::Remplit()
{
    cb_Equipes->Items().Clear();
    l_Equipe->Items().Clear();
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    for (int i = 0; i < Saison->NbEquipe(); ++i)
        if (const int id = Saison->IdEquipe(i); c->IndexEquipe(id) < 0)
            cb_Equipes->Items().AddObject(Saison->NomEquipe(id), id);
    for (int i = 0; i < c->NbEquipe(); ++i)
        if (const int id = c->IdEquipe(i); id >= 0 && id != 65535)
            l_Equipe->Items().AddObject(Saison->NomEquipe(id), id);
}

void Tf_AjouterEquipe::bc_AjouterClick()
{
    const std::string nom = Trim(cb_Equipes->Text());
    // A name already listed is not added twice.
    if (cb_Equipes->ItemChoisi() < 0)
        for (int k = 0; k < l_Equipe->Items().Count(); ++k)
            if (AnsiSameText(l_Equipe->Items()[k], nom)) {
                Tf_MessageUtil::Affiche(TraduireFormat(3204, {nom}), mbuValider);
                return;
            }
    // A season team picked, or typed to the letter of one once the user says
    // so ("no" leaves the name to be changed); any other name a new team.
    const TNomDesigne equipe = NomDesigne(*cb_Equipes);
    if (equipe.Genre == TGenreNom::Refuse)
        return;
    if (equipe.Genre == TGenreNom::Entree) {
        const int k = equipe.Index;
        l_Equipe->Items().AddObject(cb_Equipes->Items()[k], cb_Equipes->Items().Objects(k));
        cb_Equipes->Items().Delete(k);
    } else if (equipe.Genre == TGenreNom::Nouveau) {
        l_Equipe->Items().AddObject(nom, EquipeNouvelle);
    }
    cb_Equipes->SetItemIndex(-1);
    cb_Equipes->SetText("");
}

void Tf_AjouterEquipe::bc_EffacerClick()
{
    const int i = l_Equipe->ItemIndex();
    if (i < 0)
        return;
    const TStrings::Object id = l_Equipe->Items().Objects(i);
    if (id != EquipeNouvelle)
        cb_Equipes->Items().AddObject(l_Equipe->Items()[i], id);
    l_Equipe->Items().Delete(i);
}

void Tf_AjouterEquipe::bc_ValiderClick()
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c) {
        SetModalResult(mrOk);
        return;
    }
    std::vector<int> anciens;
    for (int i = 0; i < c->NbEquipe(); ++i)
        if (const int id = c->IdEquipe(i); id >= 0 && id != 65535)
            anciens.push_back(id);
    std::vector<TAjoutEquipe> ajouts, noms;
    for (int i = 0; i < l_Equipe->Items().Count(); ++i) {
        const auto id = static_cast<int>(l_Equipe->Items().Objects(i));
        if (id == EquipeNouvelle)
            noms.push_back({-1, l_Equipe->Items()[i]});
        else if (auto it = std::find(anciens.begin(), anciens.end(), id); it != anciens.end())
            anciens.erase(it);
        else
            ajouts.push_back({id, l_Equipe->Items()[i]});
    }
    ajouts.insert(ajouts.end(), noms.begin(), noms.end());
    // The championship weighs it: a cup already drawn takes no team it has no
    // place for, and names every played match that goes, the teams' own and
    // those that follow them in the cup; elsewhere teams that played keep
    // their matches unless the user agrees.
    // A team that leaves a cup's match still to play leaves its opponent
    // without one: said in the question, asked also when nothing played goes.
    const TChangementCoupe x = ChangementEquipes(*c, ajouts, anciens);
    const std::string seules = TableauActif(*c) ? AdversairesSeuls(*Saison, *c, x) : std::string();
    if (!seules.empty()) {
        const TPeseeCoupe pesee = PeseCoupe(*c, x);
        if (!pesee.Refusee && pesee.Nommes.empty() &&
            Tf_MessageUtil::Affiche(seules + '\n' + Traduire(5786), mbuOui | mbuNon) != mrYes)
            return;
    }
    const TPeseeCoupe p = ChangeCoupe(*c, x, [&](const TPeseeCoupe& pesee) {
        if (pesee.Refusee) {
            Tf_MessageUtil::Affiche(pesee.Places > 0 ? TexteCoupePleine(*Saison, pesee, ajouts)
                                                     : TexteEcart(*Saison, pesee.Ecart),
                                    mbuValider);
            return false;
        }
        const std::string texte = TableauActif(*c) ? (seules.empty() ? "" : seules + '\n') +
                                                         QuestionCoupe(*Saison, 5371, pesee.Nommes)
                                                   : Traduire(3206);
        return Tf_MessageUtil::Affiche(texte, mbuOui | mbuNon) == mrYes;
    });
    if (!p.Faite)
        return;
    Modifie = !anciens.empty() || !ajouts.empty();
    c->TrieEquipes();
    SetModalResult(mrOk);
}
