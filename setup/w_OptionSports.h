// The options window of each sport: football and rugby fill the tie-break
// criteria and the bonus labels; basketball and handball add the statistics
// entered per player, their rating weights and the minimum attempts of the
// shooting rankings; basketball adds the weighting of ratings by playing time.
#pragma once

#include <vector>

#include "setup/w_Option.h"

class TCarreCoche;
class TStringGrid;

class Tf_OptionFoot : public Tf_Option
{
public:
    explicit Tf_OptionFoot(TComponent* AOwner);
};

class Tf_OptionRugby : public Tf_Option
{
public:
    explicit Tf_OptionRugby(TComponent* AOwner);
};

// What basketball and handball share: switches 1..11 and weights by code.
class Tf_OptionStat : public Tf_Option
{
public:
    struct TPoids
    {
        int Code;
        const char* Nom;
        int Min, Max, Defaut;
    };
    void Charge() override;
    void Affiche(bool integre, uint8_t groupe) override;

    TTabSheet* ts_DonneesSaisies = nullptr;
    TFondCopie* FondCopie4 = nullptr;   // switches
    TFondCopie* FondCopie5 = nullptr;   // weights
    std::vector<TCarreCoche*> Interrupteurs;   // switch k at k - 1
    std::vector<std::pair<int, TUpDown*>> Poids;   // (code, control)
    TUpDown* Poids_(int code) const;

protected:
    explicit Tf_OptionStat(TComponent* AOwner);
    void Ecrit() override;
    void EcritStatActive(int k, int valeur);
    void EcritValeurEval(int code, int valeur);
    // Lays the sport's controls out: the switches (name, text) into fond4, the
    // paired weights (row label text, made, missed) and the single weights
    // (label text, weight) into fond5. From the paired row `autresEntetes`
    // on, the two columns are headed again by the texts `entetes`.
    void CreeStatistiques(TWinControl* page5, int haut5,
                          const std::vector<std::pair<const char*, int>>& interrupteurs,
                          const std::vector<std::pair<std::string, std::pair<TPoids, TPoids>>>& paires,
                          const std::vector<std::pair<int, TPoids>>& simples, size_t autresEntetes = 0,
                          std::pair<int, int> entetes = {});
    // The sport's common layout: no starters or substitutes rows, the
    // minimums panel with its texts, no bonus panel for basketball.
    void PrepareDisposition(int texte1, int texte2, int texte3);
};

class Tf_OptionBasket : public Tf_OptionStat
{
public:
    explicit Tf_OptionBasket(TComponent* AOwner);
    void Charge() override;
    void Affiche(bool integre, uint8_t groupe) override;
    // An edit of the weighting grid: marks it edited, keeps one empty row last.
    void csg_PonderationSetEditText(int ACol, int ARow, const std::string& Value);

    TTabSheet* ts_Evaluation = nullptr;
    TStringGrid* csg_Ponderation = nullptr;
    uint8_t GrilleEditee = 0;

protected:
    bool Controle() override;
    void Ecrit() override;
};

class Tf_OptionHand : public Tf_OptionStat
{
public:
    explicit Tf_OptionHand(TComponent* AOwner);
};
