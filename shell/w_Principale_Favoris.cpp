// Favourites and menu modes of the main window: commands 215 and 177.
#include "shell/w_Favoris.h"
#include "shell/w_Principale.h"

#include "platform/rtl/IniFiles.h"
#include "shell/Parametres.h"
#include "ui/Bouton.h"

std::vector<int> Tf_Principale::LitFavoris(bool ex) const
{
    return LitListeCommandes(TIniFile(IniFileName()).ReadString("General", ex ? "FavorisEx" : "Favoris", ""));
}

void Tf_Principale::ChoisitFavoris(bool ex)
{
    const std::vector<int> actuelle = LitFavoris(ex);
    std::string texte;
    bool haut = MenuHaut, gauche = MenuGauche;
    if (!ex)
    {
        TOwned<Tf_Favoris> f(new Tf_Favoris(this));
        f->ChangeCouleurs(Couleurs);
        f->Init(ListeFonctions(), actuelle);
        if (f->ShowModal() != mrOk)
            return;
        texte = TexteListeCommandes(f->Favoris());
    }
    else
    {
        TOwned<Tf_FavorisEx> f(new Tf_FavorisEx(this));
        f->ChangeCouleurs(Couleurs);
        f->Init(ListeFonctions(), actuelle, MenuGauche, MenuHaut && !MenuSimple);
        if (f->ShowModal() != mrOk)
            return;
        texte = TexteListeCommandes(f->Caches());
        haut = f->cb_MenuHaut->Checked();
        gauche = f->cb_MenuGauche->Checked();
    }
    TIniFile ini(IniFileName());
    if (!ex)
        ini.WriteString("General", "Favoris", texte);
    else
    {
        ini.WriteString("General", "FavorisEx", texte);
        MenuHaut = haut;
        MenuGauche = gauche;
        ini.WriteBool("General", "MenuHaut", MenuHaut);
        ini.WriteBool("General", "MenuGauche", MenuGauche);
    }
    RafraichitMenu(EtatMenuA, EtatMenuB);
}
