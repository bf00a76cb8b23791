// The rich-text view of the help pages: lays out a page of PageHtml.h in its
// width, paints it, scrolls it, and follows the links to other pages of the
// same help folder.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/ExtCtrls.h"
#include "shell/PageHtml.h"

class TScrollBar;

class TVueHtml : public TCustomControl
{
public:
    explicit TVueHtml(TComponent* AOwner);
    ~TVueHtml() override;

    // Reads a page (an UTF-8 file); false when it cannot be read (the view
    // then shows nothing).
    bool ChargeFichier(const std::string& fichier);
    // Shows a page given as text (Windows-1252); links are relative to base.
    void ChargeTexte(const std::string& html, const std::string& base);

    const std::string& Fichier() const { return fichier_; }
    const std::string& Titre() const { return page_.Titre; }
    const TPageHtml& Page() const { return page_; }

    // The link under a point of the view, "" when none.
    std::string LienA(int x, int y) const;
    // Where a link of the current page leads: a page of the help folder (a full
    // path) or an address of another kind, kept as it is.
    std::string ResoutLien(const std::string& href) const;
    // Follows a link as a click does.
    void SuitLien(const std::string& href);

    int HauteurContenu() const { return hauteur_; }
    int Defilement() const;
    void SetDefilement(int y);

    // A page of the folder was opened by a link (after it is shown).
    std::function<void(TObject* Sender, const std::string& fichier)> OnNavigation;
    // A link that is no page of the folder (an Internet address): the view does
    // not follow it; the owner may.
    std::function<void(TObject* Sender, const std::string& adresse)> OnLienExterne;

protected:
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    struct Fragment
    {
        int x, y, w, h;
        std::string texte;
        int taille;
        unsigned style;   // fs... of the font
        TColor couleur;
        int lien;
        bool trait = false;   // a horizontal rule
        bool code = false;    // fixed-width font
    };
    void MiseEnPage();
    void AjusteBarre();
    TFont PoliceDe(const TBlocHtml& bloc, unsigned style, int lien) const;

    TPageHtml page_;
    std::string fichier_;
    std::string base_;
    std::vector<Fragment> fragments_;
    int hauteur_ = 0;
    int largeurMiseEnPage_ = -1;
    TScrollBar* barre_ = nullptr;
};
