// The help window: the pages of the help folder of the interface language in a
// rich-text view, with back, forward and contents buttons. It serves the help
// entry point of the platform (platform/sys/HtmlHelp.h) once installed.
#pragma once

#include <string>
#include <vector>

#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"

class TVueHtml;

class Tf_AideHtml : public TForm
{
public:
    explicit Tf_AideHtml(TComponent* AOwner);

    // Shows a page (full path) and records it in the history; false when the
    // page cannot be read.
    bool AffichePage(const std::string& page);
    void Precedent();
    void Suivant();
    void Sommaire();

    TPanel* p_Outils;
    TButton* b_Precedent;
    TButton* b_Suivant;
    TButton* b_Sommaire;
    TVueHtml* vh_Page;

private:
    void MetAJour();
    std::vector<std::string> historique_;
    size_t position_ = 0;
};

// Registers the program's help window with the help entry point (once).
void InstalleVisionneuseAide();
// The help window when one is open (for tests), else nullptr.
Tf_AideHtml* FenetreAide();
