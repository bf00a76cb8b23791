// The about box: the product title, the version and a word on the program.
#pragma once

#include "ui/BrivantelForm.h"

class TFondCopie;
class TBoutonCopie;
class TLabel;

class Tf_AboutBox : public TBrivantelForm
{
public:
    explicit Tf_AboutBox(TComponent* AOwner);

    TFondCopie* Panel1;
    TLabel* ProductName;
    TLabel* VersionLabel;
    TLabel* Comments;
    TLabel* Copyright;
    TBoutonCopie* BoutonCopie1;
};
