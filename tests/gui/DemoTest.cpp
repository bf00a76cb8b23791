// A window with one control of every kind, grabbed to gui-out/demo_controls.png.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImgList.h"
#include "platform/gui/Mask.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "tests/support/gui/GuiKit.h"

namespace {

class DemoForm : public TForm
{
public:
    explicit DemoForm(TComponent* owner) : TForm(owner)
    {
        SetCaption(L1("Démonstration"));
        SetBorderStyle(bsSingle);
        SetClientWidth(760);
        SetClientHeight(520);
        auto* menu = new TMainMenu(this);
        for (const std::string& c : {std::string("&Fichier"), L1("&Édition"), std::string("&Aide")})
        {
            auto* i = new TMenuItem(this);
            i->SetCaption(c);
            menu->Items()->Add(i);
            auto* sub = new TMenuItem(this);
            sub->SetCaption("&Ouvrir");
            i->Add(sub);
        }
        SetMenu(menu);

        auto* status = new TStatusBar(this);
        status->SetParent(this);
        for (auto [text, width] : {std::pair<std::string, int>{"Brivantel Zelvor", 150}, {L1("modifié"), 60},
                                   {"ligue.xmc", 200}})
        {
            TStatusPanel& p = status->AddPanel();
            p.Text = text;
            p.Width = width;
        }
        status->PanelsChanged();

        auto* top = new TPanel(this);
        top->SetParent(this);
        top->SetAlign(alTop);
        top->SetHeight(34);
        top->SetCaption("Panneau (alTop)");
        top->SetColor(RGB(0x04, 0x9C, 0xEE));
        top->Font().SetColor(clWhite);
        top->Font().SetStyle(fsBold);

        auto* l = Put<TLabel>(10, 45, 0, 0);
        l->SetCaption("&Nom du fichier :");
        auto* e = Put<TEdit>(110, 42, 150, 21);
        e->SetText(L1("Saison 2024 – été"));
        auto* me = Put<TMaskEdit>(270, 42, 90, 21);
        me->SetEditMask("!99/99/0000;1;_");
        me->SetText("14/07/2024");
        auto* b = Put<TButton>(370, 40, 90, 25);
        b->SetCaption("&Valider");
        b->SetDefault(true);
        auto* cb = Put<TCheckBox>(470, 44, 110, 17);
        cb->SetCaption("Case");
        cb->SetChecked(true);
        auto* sp = Put<TSpeedButton>(590, 40, 60, 25);
        sp->SetCaption("Speed");
        sp->SetGroupIndex(1);
        sp->SetDown(true);

        auto* gb = Put<TGroupBox>(10, 75, 180, 85);
        gb->SetCaption("Groupe");
        for (int i = 0; i < 2; ++i)
        {
            auto* r = new TRadioButton(this);
            r->SetParent(gb);
            r->SetBounds(10, 20 + i * 25, 150, 17);
            r->SetCaption(i ? "Rugby" : "Football");
            r->SetChecked(i == 0);
        }
        auto* memo = Put<TMemo>(200, 75, 160, 85);
        memo->Lines().Add("Ligne une");
        memo->Lines().Add("Ligne deux");
        auto* combo = Put<TComboBox>(370, 75, 140, 21);
        combo->SetStyle(csDropDownList);
        combo->Items().Add("Arles");
        combo->Items().Add("Nantes");
        combo->SetItemIndex(1);
        auto* lb = Put<TListBox>(370, 102, 140, 58);
        lb->SetStyle(lbOwnerDrawFixed);
        lb->SetItemHeight(18);
        for (const char* s : {"Rouge", "Vert", "Bleu"})
            lb->Items().Add(s);
        lb->OnDrawItem = [lb](TWinControl*, int i, TRect r, TOwnerDrawState st) {
            TCanvas& c = lb->Canvas();
            TColor colors[] = {clRed, clGreen, clBlue};
            c.FillRect(r);
            c.Brush.SetColor(colors[i]);
            c.FillRect(Rect(r.Left + 2, r.Top + 3, r.Left + 14, r.Bottom - 3));
            c.Brush.SetStyle(bsClear);
            c.Font.SetColor((st & odSelected) ? clHighlightText : clBlack);
            c.TextOut(r.Left + 20, r.Top + 2, lb->Items()[i]);
        };
        lb->SetItemIndex(1);
        auto* cl = Put<TCheckListBox>(520, 75, 130, 85);
        cl->Items().Add("Premier");
        cl->Items().Add("Second");
        cl->SetChecked(0, true);

        auto* states = new TImageList(this);
        for (const char* name : {"UNCHECK", "UNCHECK", "CHECK", "UNCHECKGREY", "CHECKGREY"})
        {
            TBitmap bm;
            bm.LoadFromResourceName(name);
            bm.SetTransparent(true);
            states->Add(bm);
        }
        auto* tv = Put<TTreeView>(10, 170, 180, 150);
        tv->SetStateImages(states);
        TTreeNode* root = tv->Items().Add(nullptr, "Saison");
        root->SetStateIndex(2);
        for (const char* s : {"Ligue 1", "Coupe", "Amicaux"})
            tv->Items().AddChild(root, s)->SetStateIndex(s[0] == 'C' ? 1 : 2);
        root->Expand(true);
        tv->SetSelected(root->getFirstChild());

        auto* pc = Put<TPageControl>(200, 170, 310, 150);
        for (const char* s : {"Classement", "Calendrier"})
        {
            auto* ts = new TTabSheet(this);
            ts->SetCaption(s);
            ts->SetPageControl(pc);
        }
        auto* cal = new TMonthCalendar(this);
        cal->SetParent(pc->Pages(0));
        cal->SetAlign(alClient);
        cal->SetDate(45487);   // 14/07/2024

        auto* img = Put<TImage>(520, 170, 130, 150);
        TBitmap& pic = img->Picture().Bitmap();
        pic.SetSize(130, 150);
        TCanvas& ic = pic.Canvas();
        ic.Brush.SetColor(RGB(0xF8, 0xCD, 0x87));
        ic.FillRect(Rect(0, 0, 130, 150));
        ic.Brush.SetColor(clNavy);
        ic.Ellipse(15, 20, 115, 120);
        ic.Brush.SetStyle(bsClear);
        ic.Font.SetColor(clWhite);
        ic.TextOut(42, 62, "TImage");
        img->Invalidate();

        auto* tb = Put<TTrackBar>(10, 330, 180, 40);
        tb->SetMax(10);
        tb->SetPosition(6);
        auto* ed2 = Put<TEdit>(200, 335, 50, 21);
        auto* ud = Put<TUpDown>(250, 335, 17, 21);
        ud->SetAssociate(ed2);
        ud->SetPosition(12);
        auto* pb = Put<TProgressBar>(280, 337, 150, 16);
        pb->SetPosition(65);
        auto* dtp = Put<TDateTimePicker>(440, 335, 110, 21);
        dtp->SetDate(45487);
        auto* sbar = Put<TScrollBar>(560, 337, 90, 17);
        sbar->SetPosition(40);

        auto* box = Put<TScrollBox>(10, 380, 240, 100);
        for (int i = 0; i < 5; ++i)
        {
            auto* bl = new TLabel(this);
            bl->SetParent(box);
            bl->SetBounds(5, 5 + i * 30, 0, 0);
            bl->SetCaption("Ligne " + IntToStr(i + 1) + L1(" dans la boîte"));
        }
        auto* bevel = Put<TBevel>(260, 380, 120, 60);
        bevel->SetShape(bsFrame);
        auto* shape = Put<TShape>(390, 380, 60, 60);
        shape->SetShape(stCircle);
        shape->Brush.SetColor(clYellow);
        auto* inner = Put<TPanel>(460, 380, 190, 60);
        inner->SetBevelOuter(bvLowered);
        inner->SetCaption(L1("Panneau creusé"));
        auto* rg = Put<TRadioGroup>(260, 445, 390, 40);
        rg->SetCaption("Sport");
        rg->SetColumns(4);
        for (const char* s : {"Football", "Rugby", "Basket", "Handball"})
            rg->Items().Add(s);
        rg->SetItemIndex(2);

        auto* right = new TPanel(this);
        right->SetParent(this);
        right->SetAlign(alRight);
        right->SetWidth(100);
        right->SetCaption("alRight");
        right->SetColor(RGB(0x87, 0xCD, 0xF8));
        DoCreate();
    }

private:
    template <class T>
    T* Put(int l, int t, int w, int h)
    {
        auto* c = new T(this);
        c->SetParent(this);
        if (w > 0)
            c->SetBounds(l, t, w, h);
        else
            c->SetBounds(l, t, c->Width(), c->Height());
        return c;
    }
};

TEST(Demo, EveryKindOfControlDrawn)
{
    TOwned<DemoForm> f(new DemoForm(nullptr));
    f->SetLeft(10);
    f->SetTop(10);
    kit::ShowForm(f.get());
    std::string path = kit::GrabToPng(f.get(), "demo_controls");
    QImage img(QString::fromStdString(path));
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.width(), 760);
    EXPECT_GT(img.height(), 520);   // the client area and the menu bar
    // The top panel's colour is there, under the menu.
    int menuH = img.height() - 520;
    QColor c = img.pixelColor(300, menuH + 5);
    EXPECT_EQ(c.red(), 0x04);
    EXPECT_EQ(c.blue(), 0xEE);
}

}  // namespace
