#include "ui/NomSaisi.h"

#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/message2.h"

namespace {

constexpr int TexteQuestionNom = 3762;   // %s the name typed, %s the entry

// A name as the boxes compare it: no accents, no case, no outer blanks.
std::string Cle(const std::string& nom) { return UpperCase(SansAccent(Trim(nom))); }

}  // namespace

TNomDesigne NomDesigne(TComboBox& boite, const std::function<std::vector<std::string>(int)>& noms,
                       const std::function<std::string(int)>& question)
{
    TNomDesigne r;
    r.Texte = Trim(boite.GetText());
    if (const int i = boite.ItemChoisi(); i >= 0) {
        r.Genre = TGenreNom::Entree;
        r.Index = i;
        return r;
    }
    if (r.Texte.empty())
        return r;
    const std::string cle = Cle(r.Texte);
    r.Genre = TGenreNom::Nouveau;
    for (int i = 0; i < boite.Items().Count(); ++i) {
        const std::vector<std::string> n = noms ? noms(i) : std::vector<std::string>{boite.Items()[i]};
        bool nomme = false;
        for (const std::string& x : n)
            nomme = nomme || (!Trim(x).empty() && Cle(x) == cle);
        if (!nomme)
            continue;
        const std::string texte =
            question ? question(i) : TraduireFormat(TexteQuestionNom, {r.Texte, boite.Items()[i]});
        if (texte.empty() || Tf_MessageUtil::Affiche(texte, mbuOui | mbuNon) == mrYes) {
            r.Genre = TGenreNom::Entree;
            r.Index = i;
            return r;
        }
        r.Genre = TGenreNom::Refuse;
    }
    return r;
}

int NumeroChoisi(TComboBox& boite)
{
    const int i = boite.ItemChoisi();
    if (i < 0 || i >= boite.Items().Count() || Trim(boite.Items()[i]) != Trim(boite.GetText()))
        return -1;
    return static_cast<int>(boite.Items().Objects(i));
}

void MontreNumero(TComboBox& boite, int numero, const std::string& texte)
{
    const int i = boite.Items().IndexOfObject(numero);
    if (i >= 0 && !texte.empty() && boite.Items()[i] == texte) {
        boite.SetItemIndex(i);
        return;
    }
    boite.SetItemIndex(-1);
    boite.SetText(texte);
}
