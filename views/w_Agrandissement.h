// A details pop-up holding one colour grid; any mouse press closes it.
//
//     Tf_Agrandissement d(this);
//     ... fill d.sg_TabPart, d.SetClientWidth(...), d.SetClientHeight(...)
//     d.ShowModal();
#pragma once

#include "platform/gui/Forms.h"

class TColorStringGrid;

class Tf_Agrandissement : public TForm
{
public:
    explicit Tf_Agrandissement(TComponent* AOwner);
    TColorStringGrid* sg_TabPart;
    void FormMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
};
