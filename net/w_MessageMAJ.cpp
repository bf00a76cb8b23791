#include "net/w_MessageMAJ.h"

#include <cstring>

#include "net/Connexions.h"
#include "net/FenetresNet.h"
#include "platform/gui/Navigateur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"

namespace {

std::string Minuscules(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

}  // namespace

std::string TexteSansBalises(const std::string& r)
{
    const std::string bas = Minuscules(r);
    std::string t;
    size_t i = 0;
    while (i < r.size())
    {
        if (r[i] == '<')
        {
            const size_t fin = r.find('>', i);
            if (fin == std::string::npos)
                break;
            std::string nom = bas.substr(i + 1, fin - i - 1);
            const size_t blanc = nom.find_first_of(" \t\r\n/");
            if (blanc == 0 && nom.size() > 1 && nom[0] == '/')
                nom = nom.substr(1);
            nom = nom.substr(0, nom.find_first_of(" \t\r\n/"));
            size_t suite = fin + 1;
            // The content of these is never text to show.
            for (const char* bloc : {"script", "style", "iframe", "object", "head", "form"})
                if (nom == bloc)
                {
                    const size_t ferme = bas.find("</" + nom, suite);
                    suite = ferme == std::string::npos ? r.size() : bas.find('>', ferme) + 1;
                    if (suite == 0)
                        suite = r.size();
                }
            if (nom == "br" || nom == "p" || nom == "div" || nom == "li")
                t += '\n';
            i = suite;
            continue;
        }
        if (r[i] == '&')
        {
            static const struct { const char* e; char c; } entites[] = {
                {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}, {"&nbsp;", ' '}};
            bool lu = false;
            for (const auto& e : entites)
                if (bas.compare(i, std::strlen(e.e), e.e) == 0)
                {
                    t += e.c;
                    i += std::strlen(e.e);
                    lu = true;
                    break;
                }
            if (lu)
                continue;
        }
        t += r[i++];
    }
    return t;
}

Tf_MessageMAJ::Tf_MessageMAJ(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    fenetres_net::Cadre(this, "f_MessageMAJ", "Informations", bsToolWindow, poOwnerFormCenter, 400, 160);
    Label1 = fenetres_net::Etiquette(this, "Label1", "", 16, 16, 368, 17, clYellow, fsBold);
    Label1->SetAlignment(taCenter);
    Label1->SetWordWrap(true);
    Label1->SetBounds(16, 16, 368, 17);   // wraps within this width
    Label1->SetAutoSize(true);

    bc_Site = fenetres_net::BoutonOrange(this, "bc_Site", "Aller sur le site", 60, 116, 150);
    b_Ok = fenetres_net::BoutonOrange(this, "b_Ok", "Ok", 244, 116, 96);
    for (TBoutonCopie* b : {bc_Site, b_Ok})
        b->SetAnchors(akLeft | akBottom);
    b_Ok->OnClick = [this](TObject* s) { b_OkClick(s); };
    b_Ok->Default = true;
    bc_Site->OnClick = [this](TObject* s) { bc_SiteClick(s); };
    DoCreate();
}

void Tf_MessageMAJ::PrepareMessage(const std::string& message)
{
    Label1->SetCaption(message);
    fenetres_net::Legende(bc_Site, 984);
    fenetres_net::Legende(b_Ok, 123);
    SetClientHeight(Label1->Height() + 127);
    // The buttons keep to the bottom edge.
    bc_Site->SetTop(ClientHeight() - 44);
    b_Ok->SetTop(ClientHeight() - 44);
}

int Tf_MessageMAJ::Affiche(const std::string& message)
{
    PrepareMessage(message);
    return ShowModal();
}

void Tf_MessageMAJ::b_OkClick(TObject*) { SetModalResult(mrOk); }

void Tf_MessageMAJ::bc_SiteClick(TObject*)
{
    const TConnexions* c = Connexion();
    try
    {
        OuvreDansNavigateur((c ? c->Url : std::string()) + "redir.php");
    }
    catch (...)
    {
        // A browser that fails leaves the window open.
    }
}
