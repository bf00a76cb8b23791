// Up to four teams of the current championship side by side: their ranks (mode
// 1) or points (mode 2) matchday by matchday on one chart, or their next
// fixtures (mode 3). Boxes choose the teams; each takes the lowest free slot
// and its colour. Page functions "ComparaisonEquipe" and "ProgrammeEquipe".
#pragma once

#include <array>
#include <vector>

#include "ui/BrivantelForm.h"

class TCadre;
class TColorGridBase;
class TColorStringGrid;
class TFondScroll;
class TGraphLigne;
class TGraphe;
class TPanel;
class TParamClassement;
class TScrollBox;

class Tf_Comparaison : public TFootForm
{
public:
    using TSlots = std::array<int, 4>;   // team positions, 255 free

    explicit Tf_Comparaison(TComponent* AOwner);
    ~Tf_Comparaison() override;

    void Init(int mode);
    void ChoisitVue(TCadre* boite, int mode);
    void ChoisitEquipe(TCadre* boite);
    int Mode() const { return mode_; }
    const TSlots& Slots() const { return slots_; }
    const std::vector<TCadre*>& Boites() const { return boites_; }

    static void TraceCourbes(TGraphLigne& g, TSaison* saison, int premiere, int derniere, bool points,
                             const TSlots& slots);
    static void RemplitProgramme(TColorGridBase& g, TSaison* saison, const TCouleurElement& couleurs,
                                 const TSlots& slots);
    // The chart as "comparaison<suffixe>.png" in the Temp folder; the file.
    static std::string EnregistreImage(TGraphe& g, TColor fond, const std::string& suffixe);
    // Only letters and digits of a picture name's suffix are kept.
    static std::string SuffixeSur(const std::string& suffixe);

    void Imprime() override;
    void EnregistreHTML(const std::string& nomFichier) override;
    void ExecuteFonction(const std::string& Nom, const TStringList& Parametres, std::string& Resultat,
                         const TCouleurElement& couleurs, const std::string& Pages, TSaison* saison) override;

    TPanel* Panel1;
    TGraphLigne* Graph1;
    TScrollBox* sb_Comparaison;
    TColorStringGrid* sg_Programme;
    TFondScroll* FondScroll5;
    TParamClassement* CadreParam;

private:
    void Redessine();
    TSlots slots_{255, 255, 255, 255};
    int nombre_ = 0;
    int mode_ = 1;
    std::vector<TCadre*> boites_;
};

void EnregistreFonctionsComparaison();
