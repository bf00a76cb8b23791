#include "views/w_Agrandissement.h"

#include "ui/ColorStringGrid.h"

Tf_Agrandissement::Tf_Agrandissement(TComponent* AOwner) : TForm(AOwner)
{
    SetName("f_Agrandissement");
    SetCaption("Details");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetClientWidth(300);
    SetClientHeight(200);

    sg_TabPart = new TColorStringGrid(this);
    sg_TabPart->SetName("sg_TabPart");
    sg_TabPart->SetAlign(alClient);
    sg_TabPart->SetBorderStyle(bsNone);
    sg_TabPart->SetScrollBars(ssNone);
    sg_TabPart->SetCouleurSelection(0x800000);
    sg_TabPart->SetCouleurTexteSelection(0xFFFFFF);
    sg_TabPart->SetParent(this);

    OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { FormMouseDown(s, b, sh, x, y); };
    sg_TabPart->OnMouseDown = OnMouseDown;
    DoCreate();
}

void Tf_Agrandissement::FormMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    SetModalResult(mrCancel);
    Close();
}
