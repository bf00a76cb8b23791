#include "ui/TreeViewCombo.h"

#include "platform/gui/ImgList.h"
#include "platform/gui/Pictures.h"

TTreeViewCombo::TTreeViewCombo(TComponent* AOwner) : TTreeView(AOwner)
{
    etats_ = new TImageList(this);
    etats_->SetSize(16, 16);
    TBitmap vide(16, 16);
    vide.SetPixelFormat(pf32bit);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            vide.ScanLine(y)[x] = 0;
    etats_->Add(vide);
    for (const char* nom : {"UNCHECK", "CHECK", "UNCHECKGREY", "CHECKGREY"})
    {
        TBitmap b;
        b.LoadFromResourceName(nom);
        etats_->Add(b);
    }
    SetStateImages(etats_);
}

TTreeViewCombo::~TTreeViewCombo() = default;

void TTreeViewCombo::ChangeEtatNoeud(TTreeNode* noeud, int etat)
{
    ChangeEtatArbre(noeud, etat, Recursive);
}

void TTreeViewCombo::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TTreeView::MouseDown(Button, Shift, X, Y);
    // The node under the click toggles, selected or not.
    if (Button == mbLeft && (GetHitTestInfoAt(X, Y) & htOnStateIcon))
        ChangeEtatNoeud(GetNodeAt(X, Y), -1);
}

void TTreeViewCombo::KeyPress(char& Key)
{
    TTreeView::KeyPress(Key);
    if (Key == ' ' && Selected())
        ChangeEtatNoeud(Selected(), -1);
}
