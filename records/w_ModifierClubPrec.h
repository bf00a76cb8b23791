// The dialogs that keep the season's name lists players refer to by number:
// the previous clubs and the nationalities. Both rename, delete and merge
// entries; the opener marks the season modified when Modifie is set.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TEdit;
class TLabel;
class TListe;

class TModifierNomsForm : public TBrivantelForm
{
public:
    void ChangeSaison(TSaison* saison) override;

    TListe* l_Liste = nullptr;
    TLabel* Label10 = nullptr;
    TEdit* e_NomEquipe = nullptr;
    TBoutonCopie* bc_Modifier = nullptr;
    TBoutonCopie* bc_Effacer = nullptr;
    TBoutonCopie* bc_Fusionner = nullptr;
    TBoutonCopie* bc_Terminer = nullptr;
    uint8_t Modifie = 0;

    void l_ListeClick(TObject* Sender);
    void bc_ModifierClick(TObject* Sender);
    void bc_EffacerClick(TObject* Sender);
    void bc_FusionnerClick(TObject* Sender);
    // The id a line stands for.
    static int IdLigne(const std::string& ligne);
    // The line of an id, -1.
    int LigneId(int id) const;

protected:
    TModifierNomsForm(TComponent* AOwner, const std::string& nom, const std::string& liste);
    // The list's entries: (id, name) with a non-empty name.
    virtual std::vector<std::pair<int, std::string>> Entrees() const = 0;
    virtual std::string Nom(int id) const = 0;
    // The text shown after the name (the player count of a country).
    virtual std::string Suffixe(int) const { return ""; }
    virtual void Renomme(int id, const std::string& nom) = 0;
    virtual void Efface(int id) = 0;
    // Merges the entries of the first two selected lines; the id kept.
    virtual int Fusionne(int premier, int second) = 0;
    // The id a merge of the two keeps (the first).
    virtual int Garde(int premier, int second) const { return (void)second, premier; }
    // The question before an entry is deleted, naming it and what it takes.
    virtual std::string QuestionEfface(int id) const = 0;
    std::string Ligne(int id, const std::string& nom) const;
    void Remplit();
    void Vide();
};

class Tf_ModifierClubPrec : public TModifierNomsForm
{
public:
    explicit Tf_ModifierClubPrec(TComponent* AOwner);
    TListe* l_Equipe = nullptr;

protected:
    std::vector<std::pair<int, std::string>> Entrees() const override;
    std::string Nom(int id) const override;
    void Renomme(int id, const std::string& nom) override;
    void Efface(int id) override;
    int Fusionne(int premier, int second) override;
    std::string QuestionEfface(int id) const override;
};
