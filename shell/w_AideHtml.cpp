#include "shell/w_AideHtml.h"

#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/HtmlHelp.h"
#include "shell/VueHtml.h"

namespace {

std::string Libelle(int id, const char* defaut)
{
    const std::string t = Traduire(id);
    return t.empty() ? L1(defaut) : t;
}

}  // namespace

Tf_AideHtml::Tf_AideHtml(TComponent* AOwner) : TForm(AOwner)
{
    SetName("f_AideHtml");
    SetCaption(Libelle(729, "Aide"));
    SetBounds(120, 80, 720, 560);
    Position = poScreenCenter;
    SetColor(clWhite);

    p_Outils = new TPanel(this);
    p_Outils->SetName("p_Outils");
    p_Outils->SetParent(this);
    p_Outils->SetAlign(alTop);
    p_Outils->SetHeight(36);
    p_Outils->SetBevelOuter(bvNone);
    p_Outils->SetColor(0x6F3000);
    p_Outils->SetCaption("");

    auto bouton = [&](const char* nom, int gauche, const std::string& texte) {
        auto* b = new TButton(this);
        b->SetName(nom);
        b->SetParent(p_Outils);
        b->SetBounds(gauche, 6, 100, 24);
        b->SetCaption(texte);
        return b;
    };
    b_Precedent = bouton("b_Precedent", 8, Libelle(3001, "Précédent"));
    b_Suivant = bouton("b_Suivant", 114, Libelle(3002, "Suivant"));
    b_Sommaire = bouton("b_Sommaire", 220, Libelle(3003, "Sommaire"));
    b_Precedent->OnClick = [this](TObject*) { Precedent(); };
    b_Suivant->OnClick = [this](TObject*) { Suivant(); };
    b_Sommaire->OnClick = [this](TObject*) { Sommaire(); };

    vh_Page = new TVueHtml(this);
    vh_Page->SetName("vh_Page");
    vh_Page->SetParent(this);
    vh_Page->SetAlign(alClient);
    vh_Page->OnNavigation = [this](TObject*, const std::string& page) {
        // The view already shows it: only the history follows.
        historique_.resize(historique_.empty() ? 0 : position_ + 1);
        historique_.push_back(page);
        position_ = historique_.size() - 1;
        MetAJour();
    };
    MetAJour();
    DoCreate();
}

bool Tf_AideHtml::AffichePage(const std::string& page)
{
    if (!vh_Page->ChargeFichier(page))
        return false;
    if (historique_.empty() || historique_[position_] != page)
    {
        historique_.resize(historique_.empty() ? 0 : position_ + 1);
        historique_.push_back(page);
        position_ = historique_.size() - 1;
    }
    MetAJour();
    return true;
}

void Tf_AideHtml::Precedent()
{
    if (historique_.empty() || position_ == 0)
        return;
    --position_;
    vh_Page->ChargeFichier(historique_[position_]);
    MetAJour();
}

void Tf_AideHtml::Suivant()
{
    if (position_ + 1 >= historique_.size())
        return;
    ++position_;
    vh_Page->ChargeFichier(historique_[position_]);
    MetAJour();
}

void Tf_AideHtml::Sommaire()
{
    if (historique_.empty())
        return;
    // The contents page is the index of the help folder the pages come from.
    std::string dossier = ExtractFileDir(historique_[position_]);
    for (int i = 0; i < 4 && !FileExists(MakePath(dossier, "index.htm")); ++i)
        dossier = ExtractFileDir(dossier);
    const std::string index = MakePath(dossier, "index.htm");
    if (FileExists(index))
        AffichePage(index);
}

void Tf_AideHtml::MetAJour()
{
    b_Precedent->SetEnabled(!historique_.empty() && position_ > 0);
    b_Suivant->SetEnabled(position_ + 1 < historique_.size());
    const std::string titre = vh_Page->Titre();
    const std::string aide = Libelle(729, "Aide");
    SetCaption(titre.empty() ? aide : aide + " - " + titre);
}

// ---- the viewer behind the help entry point ------------------------------------------

namespace {

class VisionneuseAide : public THtmlHelpViewer
{
public:
    bool ShowTopic(const std::string& page) override
    {
        if (!fenetre)
        {
            fenetre = new Tf_AideHtml(Application);
            fenetre->OnDestroy = [this](TObject*) { fenetre = nullptr; };
        }
        if (!fenetre->AffichePage(page))
            return false;
        fenetre->Show();
        fenetre->BringToFront();
        return true;
    }
    void CloseAll() override
    {
        if (fenetre)
        {
            Tf_AideHtml* f = fenetre;
            fenetre = nullptr;
            f->Free();
        }
    }
    Tf_AideHtml* fenetre = nullptr;
};

VisionneuseAide& Visionneuse()
{
    static VisionneuseAide v;
    return v;
}

}  // namespace

void InstalleVisionneuseAide()
{
    RegisterHtmlHelpViewer(&Visionneuse());
    LoadHtmlHelp();
}

Tf_AideHtml* FenetreAide() { return Visionneuse().fenetre; }
