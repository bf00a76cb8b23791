// A tree view whose nodes carry a check box as their state image: 1 unchecked,
// 2 checked, 3 unchecked and greyed, 4 checked and greyed (greyed nodes are not
// toggled by the user). A click on the box or the space bar toggles the node;
// with Recursive the change goes down to every descendant, and the parent of
// the node sums up its children.
#pragma once

#include "platform/gui/ComCtrls.h"

#include <memory>

class TImageList;

// The state change on any tree whose nodes answer StateIndex, SetStateIndex,
// Parent, Count and Item(i) (TTreeNode, or a test's own node).
template <class N>
void ChangeEtatArbre(N* noeud, int etat, bool recursif)
{
    if (!noeud)
        return;
    const int actuel = noeud->StateIndex();
    bool change = false;
    int nouveau = actuel;
    if (actuel == 1 || actuel == 2)
        if (!(etat >= 0 && etat == actuel))
        {
            nouveau = 3 - actuel;
            noeud->SetStateIndex(nouveau);
            change = true;
        }
    if (recursif && (change || etat >= 0))
    {
        const int s = etat >= 0 ? etat : nouveau;
        for (int i = 0; i < noeud->Count(); ++i)
            ChangeEtatArbre(noeud->Item(i), s, recursif);
    }
    if (etat >= 0)
        return;
    N* parent = noeud->Parent();
    if (!parent)
        return;
    bool tousCoches = true;
    for (int i = 0; i < parent->Count(); ++i)
        if (parent->Item(i)->StateIndex() % 2 != 0)
            tousCoches = false;
    const int p = parent->StateIndex();
    if (tousCoches && p % 2 != 0)
        parent->SetStateIndex(p + 1);
    else if (!tousCoches && p % 2 == 0 && p > 0)
        parent->SetStateIndex(p - 1);
}

class TTreeViewCombo : public TTreeView
{
public:
    explicit TTreeViewCombo(TComponent* AOwner);
    ~TTreeViewCombo() override;
    bool Recursive = false;
    // etat -1 toggles as the user does; a state is the step given to descendants.
    void ChangeEtatNoeud(TTreeNode* noeud, int etat);

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyPress(char& Key) override;

private:
    TImageList* etats_ = nullptr;
};
