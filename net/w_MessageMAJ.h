// The update message: the announcement of a newer version with the site's
// notes, or the text that the program is up to date. "Aller sur le site"
// opens the maker's site in the system's browser; the window stays open.
#pragma once

#include <string>

#include "ui/BrivantelForm.h"

class TLabel;
class TBoutonCopie;

class Tf_MessageMAJ : public TBrivantelForm
{
public:
    explicit Tf_MessageMAJ(TComponent* AOwner);

    TLabel* Label1 = nullptr;
    TBoutonCopie* bc_Site = nullptr;
    TBoutonCopie* b_Ok = nullptr;

    // Shows the message modally (the window 127 pixels taller than the
    // wrapped message); the modal result.
    int Affiche(const std::string& message);
    // Sizes the window to the message without showing it.
    void PrepareMessage(const std::string& message);
    void b_OkClick(TObject* Sender);
    void bc_SiteClick(TObject* Sender);
};

// The message of a site's reply shown as plain text: markup, scripts and
// styles are taken out, entities of the usual characters read, so that
// nothing of a remote page is ever rendered or loaded.
std::string TexteSansBalises(const std::string& reponse);
