// Standard and common controls: masked edit, owner-drawn list box, combo box,
// check and radio buttons, tree view (veto, hit test, state images), pages and
// tabs (veto, owner-drawn tabs), up-down, label sizing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include <functional>

#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Grids.h"
#include "platform/gui/ImgList.h"
#include "platform/gui/Mask.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "tests/support/gui/GuiKit.h"

namespace {

struct FormFixture : ::testing::Test
{
    TOwned<TForm> f{new TForm(nullptr)};
    void SetUp() override { f->SetBounds(50, 50, 500, 400); }
    template <class T>
    T* Add(int l, int t, int w, int h)
    {
        auto* c = new T(f.get());
        c->SetParent(f.get());
        c->SetBounds(l, t, w, h);
        return c;
    }
};

// ---- masks -------------------------------------------------------------------------
TEST(Mask, ParsesTheLibrarySyntax)
{
    TMaskInfo m = ParseEditMask("!99/99/0000;1;_");
    ASSERT_EQ(m.Positions.size(), 10u);
    EXPECT_TRUE(m.LeadingBlanks);
    EXPECT_TRUE(m.SaveLiterals);
    EXPECT_EQ(m.Blank, '_');
    EXPECT_FALSE(m.Positions[0].Required);
    EXPECT_TRUE(m.Positions[2].Literal);
    EXPECT_TRUE(m.Positions[9].Required);
    EXPECT_EQ(MaskToQtInputMask(m), "00/00/9999;_");
    // An empty blank field keeps "_"; 0 leaves the literals out.
    TMaskInfo n = ParseEditMask(">LL\\-000;0;");
    EXPECT_FALSE(n.SaveLiterals);
    EXPECT_EQ(n.Blank, '_');
    EXPECT_EQ(MaskToQtInputMask(n), ">AA-999;_");
    EXPECT_EQ(FormatEditText(n, "ab123"), "AB-123");
    EXPECT_EQ(MaskedTextFromEditText(n, "AB-123"), "AB123");
    EXPECT_EQ(FormatMaskText("!99/99/0000;1;_", "12/05/2023"), "12/05/2023");
    EXPECT_EQ(FormatMaskText("!99/99/0000;0;_", "12052023"), "12/05/2023");
    EXPECT_TRUE(MaskEditTextValid(m, "12/05/2023"));
    EXPECT_FALSE(MaskEditTextValid(m, "12/05/20__"));
    EXPECT_TRUE(MaskEditTextValid(m, "__/__/2023"));   // day and month are optional places
}

TEST_F(FormFixture, MaskedEditTypesADate)
{
    auto* e = Add<TMaskEdit>(10, 10, 100, 21);
    auto* other = Add<TEdit>(10, 40, 100, 21);
    e->SetEditMask("!99/99/0000;1;_");
    EXPECT_EQ(e->EditText(), "__/__/____");
    EXPECT_EQ(e->Text(), "  /  /    ");
    kit::ShowForm(f.get());
    e->SetFocus();
    kit::Process();
    kit::Type(e, "1205x2023");   // the letter is refused
    EXPECT_EQ(e->Text(), "12/05/2023");
    e->SetText("01/02/1999");
    EXPECT_EQ(e->EditText(), "01/02/1999");
    // Leaving an incomplete date: a message, the text is kept.
    e->SetText("");
    e->SetFocus();
    kit::Process();
    kit::Type(e, "0102");
    kit::AnswerMessages({mrOk});
    other->SetFocus();
    kit::Process();
    ASSERT_EQ(kit::Messages().size(), 1u);
    EXPECT_EQ(e->Text(), "01/02/    ");
}

// ---- list boxes ---------------------------------------------------------------------
TEST_F(FormFixture, OwnerDrawnListBoxDrawsEveryItemWithItsCanvas)
{
    auto* lb = Add<TListBox>(10, 10, 150, 200);
    lb->SetStyle(lbOwnerDrawFixed);
    lb->SetItemHeight(20);
    for (const char* s : {"un", "deux", "trois"})
        lb->Items().AddObject(s, 7);
    std::vector<int> drawn;
    std::vector<TRect> rects;
    TOwnerDrawState selectedState = 0;
    lb->OnDrawItem = [&](TWinControl* c, int index, TRect r, TOwnerDrawState st) {
        auto* box = static_cast<TListBox*>(c);
        drawn.push_back(index);
        rects.push_back(r);
        if (index == 1)
            selectedState = st;
        box->Canvas().Brush.SetColor(index == 0 ? clRed : clWhite);
        box->Canvas().FillRect(r);
    };
    lb->SetItemIndex(1);
    kit::ShowForm(f.get());
    kit::GrabToPng(lb, "listbox_owner_drawn");
    ASSERT_GE(drawn.size(), 3u);
    EXPECT_EQ(rects[0].Height(), 20);
    EXPECT_EQ(lb->ItemRect(2).Top, 40);
    EXPECT_TRUE(selectedState & odSelected);
    EXPECT_EQ(lb->ItemAtPos({5, 45}, true), 2);
    EXPECT_EQ(lb->ItemAtPos({5, 150}, true), -1);
    EXPECT_EQ(lb->ItemAtPos({5, 150}, false), 3);
    EXPECT_EQ(lb->Items().Objects(2), 7);
    // The first item was painted red by the handler.
    QImage img = lb->ClientWidget()->grab().toImage();
    EXPECT_EQ(img.pixelColor(30, 10).red(), 255);
    EXPECT_EQ(img.pixelColor(30, 10).green(), 0);
}

TEST_F(FormFixture, ListBoxClickFollowsTheUserNotTheProgram)
{
    auto* lb = Add<TListBox>(10, 10, 150, 200);
    lb->Items().SetText("a\r\nb\r\nc\r\n");
    int clicks = 0;
    lb->OnClick = [&](TObject*) { ++clicks; };
    lb->SetItemIndex(2);
    EXPECT_EQ(clicks, 0);
    kit::ShowForm(f.get());
    TRect r = lb->ItemRect(0);
    kit::Click(lb, r.Left + 3, r.Top + 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(lb->ItemIndex(), 0);
    lb->Items().Delete(0);
    EXPECT_EQ(lb->Items().Text(), "b\r\nc\r\n");
    lb->SetSorted(true);
    EXPECT_EQ(lb->Items().Add("a"), 0);
}

TEST_F(FormFixture, CheckListBoxAndComboBox)
{
    auto* cl = Add<TCheckListBox>(10, 10, 150, 100);
    cl->Items().Add("x");
    cl->Items().Add("y");
    cl->SetChecked(1, true);
    EXPECT_FALSE(cl->Checked(0));
    EXPECT_TRUE(cl->Checked(1));

    auto* cb = Add<TComboBox>(200, 10, 150, 21);
    cb->SetStyle(csDropDownList);
    cb->Items().AddObject("ARLES", 13);
    cb->Items().AddObject("NICE", 6);
    int changes = 0;
    cb->OnChange = [&](TObject*) { ++changes; };
    cb->SetItemIndex(1);
    EXPECT_EQ(cb->Text(), "NICE");
    EXPECT_EQ(cb->Items().Objects(cb->ItemIndex()), 6);
    EXPECT_EQ(changes, 0);   // the program's own change
    cb->SetText("ARLES");
    EXPECT_EQ(cb->ItemIndex(), 0);

    auto* ed = Add<TComboBox>(200, 40, 150, 21);
    ed->OnChange = [&](TObject*) { ++changes; };
    kit::ShowForm(f.get());
    kit::Type(ed, "ni");
    EXPECT_EQ(ed->Text(), "ni");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(ed->ItemIndex(), -1);

    // What is typed stays as typed, the box left with Tab: never completed
    // into an item, nor taken for one by letter case; an item typed to the
    // letter is shown as that item, yet was typed, not picked.
    ed->Items().Add(L1("Valentin Porte (Nîmes)"));
    ed->Items().Add("NICE");
    const struct
    {
        const char* tape;   // UTF-8
        int index;
    } saisies[] = {{"Valentin Port", -1}, {"valentin porte (nîmes)", -1}, {"N", -1}, {"NICE", 1}};
    for (const auto& k : saisies) {
        SCOPED_TRACE(k.tape);
        ed->SetText("");
        kit::TypeKeys(ed, k.tape);
        kit::PressKey(nullptr, VK_TAB);
        EXPECT_FALSE(ed->Focused());
        EXPECT_EQ(ed->Text(), L1(k.tape));
        EXPECT_EQ(ed->ItemIndex(), k.index);
        EXPECT_EQ(ed->ItemChoisi(), -1);
    }
    // Picked with the arrow keys: chosen.
    ed->SetItemIndex(-1);
    kit::PressKey(ed, VK_DOWN);
    EXPECT_EQ(ed->Text(), L1("Valentin Porte (Nîmes)"));
    EXPECT_EQ(ed->ItemChoisi(), 0);
}

TEST_F(FormFixture, CheckBoxesAndRadioButtons)
{
    auto* p1 = Add<TPanel>(10, 10, 200, 80);
    auto* p2 = Add<TPanel>(10, 100, 200, 80);
    auto make = [&](TWinControl* parent, int top) {
        auto* r = new TRadioButton(f.get());
        r->SetParent(parent);
        r->SetBounds(5, top, 100, 17);
        return r;
    };
    auto* a = make(p1, 5);
    auto* b = make(p1, 30);
    auto* c = make(p2, 5);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    a->SetChecked(true);
    c->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());   // same parent: one group
    EXPECT_TRUE(c->Checked());    // another parent, another group
    EXPECT_EQ(clicks, 1);

    auto* cb = Add<TCheckBox>(250, 10, 100, 17);
    int cbClicks = 0;
    cb->OnClick = [&](TObject*) { ++cbClicks; };
    cb->SetChecked(true);   // the program's change clicks too, as the library does
    EXPECT_EQ(cbClicks, 1);
    kit::ShowForm(f.get());
    kit::Click(cb, 5, 8);
    EXPECT_FALSE(cb->Checked());
    EXPECT_EQ(cbClicks, 2);
}

// ---- tree view ----------------------------------------------------------------------
TEST_F(FormFixture, TreeViewChangeCanBeRefused)
{
    auto* tv = Add<TTreeView>(10, 10, 200, 300);
    TTreeNode* root = tv->Items().AddChildObject(nullptr, "Saison", 1);
    TTreeNode* a = tv->Items().AddChildObject(root, "Ligue 1", 2);
    TTreeNode* b = tv->Items().AddChildObject(root, "Coupe", 3);
    tv->Items().AddChild(b, "Tour 1");
    root->Expand(false);
    EXPECT_EQ(tv->Items().Count(), 4);
    EXPECT_EQ(b->AbsoluteIndex(), 2);
    EXPECT_EQ(a->getNextSibling(), b);
    EXPECT_EQ(root->GetNext(), a);
    EXPECT_EQ(b->Level(), 1);

    bool refuse = false;
    std::vector<intptr_t> changes;
    tv->OnChanging = [&](TObject*, TTreeNode*, bool& allow) { allow = !refuse; };
    tv->OnChange = [&](TObject*, TTreeNode* n) { changes.push_back(n ? n->Data : -1); };
    kit::ShowForm(f.get());
    tv->SetSelected(a);
    EXPECT_EQ(tv->Selected(), a);
    refuse = true;
    TRect rb = b->DisplayRect(true);
    kit::Click(tv, rb.Left + 3, rb.Top + 3);
    EXPECT_EQ(tv->Selected(), a);   // refused
    kit::PressKey(tv, VK_DOWN);
    EXPECT_EQ(tv->Selected(), a);
    b->SetSelected(true);
    EXPECT_EQ(tv->Selected(), a);
    refuse = false;
    kit::Click(tv, rb.Left + 3, rb.Top + 3);
    EXPECT_EQ(tv->Selected(), b);
    std::vector<intptr_t> want = {2, 3};
    EXPECT_EQ(changes, want);

    EXPECT_EQ(tv->GetNodeAt(rb.Left + 3, rb.Top + 3), b);
    b->Delete();
    EXPECT_EQ(tv->Items().Count(), 2);
    EXPECT_EQ(root->Count(), 1);
}

TEST_F(FormFixture, TreeViewStateImagesAndHitTest)
{
    auto* states = new TImageList(f.get());
    for (const char* name : {"UNCHECK", "UNCHECK", "CHECK", "UNCHECKGREY", "CHECKGREY"})
    {
        TBitmap b;
        b.LoadFromResourceName(name);
        b.SetTransparent(true);
        states->Add(b);
    }
    auto* tv = Add<TTreeView>(10, 10, 200, 300);
    tv->SetStateImages(states);
    TTreeNode* n = tv->Items().Add(nullptr, "Football");
    n->SetStateIndex(2);
    TTreeNode* m = tv->Items().Add(nullptr, "Rugby");
    m->SetStateIndex(1);
    kit::ShowForm(f.get());
    TRect r = n->DisplayRect(false);
    EXPECT_TRUE(tv->GetHitTestInfoAt(r.Left + 4, r.Top + 4) & htOnStateIcon);
    EXPECT_TRUE(tv->GetHitTestInfoAt(r.Left + 30, r.Top + 4) & htOnLabel);
    EXPECT_FALSE(tv->GetHitTestInfoAt(r.Left + 30, r.Top + 4) & htOnStateIcon);
    EXPECT_EQ(tv->GetHitTestInfoAt(5, 250), htNowhere);
    kit::GrabToPng(tv, "treeview_state_images");
}

// ---- pages and tabs ------------------------------------------------------------------------
TEST_F(FormFixture, PageChangeCanBeRefusedAndTabsOwnerDrawn)
{
    auto* pc = Add<TPageControl>(10, 10, 300, 200);
    auto* one = new TTabSheet(f.get());
    one->SetCaption("Un");
    one->SetPageControl(pc);
    auto* two = new TTabSheet(f.get());
    two->SetCaption("Deux");
    two->SetPageControl(pc);
    auto* inside = new TPanel(f.get());
    inside->SetParent(two);
    inside->SetAlign(alClient);
    EXPECT_EQ(pc->ActivePage(), one);
    EXPECT_EQ(inside->Width(), pc->DisplayRect().Width());

    bool refuse = true;
    int changes = 0;
    pc->OnChanging = [&](TObject*, bool& allow) { allow = !refuse; };
    pc->OnChange = [&](TObject*) { ++changes; };
    std::vector<int> drawnTabs;
    pc->SetOwnerDraw(true);
    pc->OnDrawTab = [&](TObject* c, int i, const TRect& r, bool active) {
        drawnTabs.push_back(i);
        auto* p = static_cast<TPageControl*>(c);
        p->Canvas().Brush.SetColor(active ? clYellow : clSilver);
        p->Canvas().FillRect(r);
        p->Canvas().TextOut(r.Left + 4, r.Top + 2, p->Pages(i)->Caption());
    };
    kit::ShowForm(f.get());
    TRect tab = pc->TabRect(1);
    kit::Click(pc, tab.Left + 5, tab.Top + 5);
    EXPECT_EQ(pc->ActivePage(), one);
    EXPECT_EQ(changes, 0);
    refuse = false;
    kit::Click(pc, tab.Left + 5, tab.Top + 5);
    EXPECT_EQ(pc->ActivePage(), two);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(inside->Showing());
    EXPECT_FALSE(one->Showing());
    kit::GrabToPng(pc, "pagecontrol_owner_draw");
    EXPECT_FALSE(drawnTabs.empty());
    // The program's own change runs neither event.
    pc->SetActivePageIndex(0);
    EXPECT_EQ(changes, 1);
    // Tabs of height 1: no strip, the pages take the whole control.
    pc->SetTabHeight(1);
    pc->SetTabWidth(1);
    EXPECT_EQ(pc->DisplayRect(), Rect(0, 0, 300, 200));
    EXPECT_EQ(one->BoundsRect(), Rect(0, 0, 300, 200));
}

TEST_F(FormFixture, TabControlKeepsObjectsPerTab)
{
    auto* tc = Add<TTabControl>(10, 10, 300, 100);
    tc->Tabs().AddObject("Groupe A", 1);
    tc->Tabs().AddObject("Groupe B", 2);
    int changes = 0;
    tc->OnChange = [&](TObject*) { ++changes; };
    kit::ShowForm(f.get());
    TRect tab = tc->TabRect(1);
    kit::Click(tc, tab.Left + 5, tab.Top + 5);
    EXPECT_EQ(tc->TabIndex(), 1);
    EXPECT_EQ(tc->Tabs().Objects(tc->TabIndex()), 2);
    EXPECT_EQ(changes, 1);
}

// ---- small controls ------------------------------------------------------------------------
TEST_F(FormFixture, UpDownWritesItsAssociate)
{
    auto* e = Add<TEdit>(10, 10, 50, 21);
    auto* ud = Add<TUpDown>(60, 10, 17, 21);
    ud->Min = 0;
    ud->Max = 3;
    ud->SetAssociate(e);
    ud->SetPosition(2);
    EXPECT_EQ(e->Text(), "2");
    std::vector<TUDBtnType> clicks;
    ud->OnClick = [&](TObject*, TUDBtnType b) { clicks.push_back(b); };
    ud->ClickButton(btNext);
    ud->ClickButton(btNext);
    EXPECT_EQ(ud->Position(), 3);
    e->SetText("1");
    ud->ClickButton(btPrev);   // from the edit's text
    EXPECT_EQ(e->Text(), "0");
    EXPECT_EQ(clicks.size(), 3u);
}

// A number box, and the box of a counter, take digits only: a letter typed
// is refused at the key, a paste holding one is refused whole; a sign only
// where the counter goes below 0.
TEST_F(FormFixture, NumberBoxesRefuseLetters)
{
    auto* nombre = Add<TEdit>(10, 10, 80, 21);
    nombre->SetNumbersOnly(true);
    auto* compte = Add<TEdit>(10, 40, 80, 21);
    Add<TUpDown>(90, 40, 17, 21)->SetAssociate(compte);
    auto* signe = Add<TEdit>(10, 70, 80, 21);
    auto* ud = Add<TUpDown>(90, 70, 17, 21);
    ud->Min = -99;
    ud->SetAssociate(signe);
    kit::ShowForm(f.get());
    struct Cas
    {
        TEdit* e;
        bool colle;
        const char* saisi;
        const char* garde;
    };
    const Cas cas[] = {
        {nombre, false, "16k0a00", "16000"}, {nombre, true, "16k0a00", ""}, {nombre, true, "42", "42"},
        {nombre, false, "-5", "5"},          {compte, false, "1x2", "12"},  {compte, true, "1x2", ""},
        {signe, false, "-5", "-5"},          {signe, false, "5-", "5"},     {signe, true, "-x", ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.e == nombre ? "number" : c.e == compte ? "counter" : "signed counter") +
                     (c.colle ? " pasted " : " typed ") + c.saisi);
        c.e->SetText("");
        if (c.colle)
            kit::Paste(c.e, c.saisi);
        else
            kit::TypeKeys(c.e, c.saisi);
        EXPECT_EQ(c.e->Text(), c.garde);
    }
}

// A number typed into the associate is the position, bounded as the
// buttons bound it; text that is no number leaves the last position.
TEST_F(FormFixture, UpDownPositionFollowsTheTypedNumber)
{
    auto* e = Add<TEdit>(10, 10, 50, 21);
    auto* ud = Add<TUpDown>(60, 10, 17, 21);
    ud->Min = 1;
    ud->Max = 99;
    ud->SetAssociate(e);
    ud->SetPosition(4);
    const std::pair<const char*, int> cas[] = {{"12", 12}, {" 7 ", 7}, {"500", 99}, {"0", 1}, {"-3", 1}, {"x", 4}, {"", 4}};
    for (const auto& [texte, attendu] : cas) {
        SCOPED_TRACE(texte);
        e->SetText(texte);
        EXPECT_EQ(ud->Position(), attendu);
    }
}

TEST_F(FormFixture, LabelSizesToItsText)
{
    auto* l = Add<TLabel>(10, 10, 10, 10);
    l->SetCaption("&Nom du fichier");
    int w = ScreenTextWidth(l->Font(), "Nom du fichier");
    EXPECT_EQ(l->Width(), w);
    EXPECT_EQ(l->Height(), ScreenTextHeight(l->Font(), "N"));
    l->SetWordWrap(true);
    l->SetWidth(w / 2);
    EXPECT_GT(l->Height(), ScreenTextHeight(l->Font(), "N"));
    auto* r = Add<TLabel>(100, 50, 100, 13);
    r->SetAlignment(taRightJustify);
    r->SetCaption("droite");
    EXPECT_EQ(r->Left() + r->Width(), 200);   // the right edge stays
}

TEST_F(FormFixture, ScrollBoxGrowsWithItsContent)
{
    auto* sb = Add<TScrollBox>(10, 10, 200, 100);
    auto* p = new TPanel(f.get());
    p->SetParent(sb);
    p->SetBounds(0, 0, 150, 400);
    EXPECT_GE(sb->VertRange(), 400);
    kit::ShowForm(f.get());
    sb->SetVertPosition(100);
    EXPECT_EQ(sb->VertPosition(), 100);
    EXPECT_EQ(p->Top(), 0);   // positions stay in the content's coordinates
}

TEST_F(FormFixture, SplitterResizesItsNeighbour)
{
    auto* left = Add<TPanel>(0, 0, 120, 100);
    left->SetAlign(alLeft);
    auto* sp = new TSplitter(f.get());
    sp->SetParent(f.get());
    sp->SetLeft(130);
    sp->SetAlign(alLeft);
    auto* rest = Add<TPanel>(0, 0, 10, 10);
    rest->SetAlign(alClient);
    EXPECT_EQ(sp->Left(), 120);
    EXPECT_EQ(sp->FindControl(), left);
    kit::ShowForm(f.get());
    kit::MouseDown(sp, 1, 50);
    TPoint g = sp->ClientToScreen({41, 50});
    // The splitter gets the moves while the button is down.
    kit::MouseMove(sp, 41, 50, ssLeft);
    (void)g;
    kit::MouseUp(sp, 41, 50);
    EXPECT_EQ(left->Width(), 160);
    EXPECT_EQ(rest->Left(), 163);
}

}  // namespace

namespace {

TEST_F(FormFixture, DatePickerAndCalendarKeepTheLibrarysDates)
{
    auto* dtp = Add<TDateTimePicker>(10, 10, 120, 21);
    auto* cal = Add<TMonthCalendar>(10, 40, 230, 170);
    int changes = 0, clicks = 0;
    dtp->OnChange = [&](TObject*) { ++changes; };
    cal->OnClick = [&](TObject*) { ++clicks; };
    dtp->SetDate(45487.0);   // 14/07/2024
    cal->SetDate(45487.0);
    EXPECT_DOUBLE_EQ(dtp->Date(), 45487.0);
    EXPECT_DOUBLE_EQ(cal->Date(), 45487.0);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(clicks, 0);
    char typed = 0;
    cal->OnKeyPress = [&](TObject*, char& k) { typed = k; };
    kit::ShowForm(f.get());
    kit::PressKey(cal, VK_RIGHT);
    EXPECT_DOUBLE_EQ(cal->Date(), 45488.0);   // the user moved a day on
    EXPECT_EQ(clicks, 1);
    kit::Type(cal, "x");
    EXPECT_EQ(typed, 'x');
    // Tab leaves a picker showing no date, and one showing a date, forward
    // and back.
    auto* vide = Add<TDateTimePicker>(10, 220, 120, 21);
    vide->SetNoDate();
    for (TDateTimePicker* p : {vide, dtp})
        for (bool arriere : {false, true}) {
            p->SetFocus();
            kit::Process();
            kit::PressKey(nullptr, VK_TAB, arriere ? TShiftState(ssShift) : TShiftState(0));
            EXPECT_FALSE(p->Focused()) << (p == vide ? "none" : "a date") << (arriere ? ", back" : "");
        }
}

}  // namespace

// ---- what the program's text keeps ---------------------------------------------------
// Text boxes, combo boxes, memos and grid cells show at once what the
// program keeps of what is typed key by key or pasted: a letter that
// Windows-1252 cannot hold becomes its nearest kept letter, a character
// without one is refused; the box and the text read from it agree.
TEST_F(FormFixture, TypedAndPastedTextShowsWhatIsKept)
{
    auto* edit = Add<TEdit>(10, 10, 200, 24);
    auto* combo = Add<TComboBox>(10, 40, 200, 24);
    auto* memo = Add<TMemo>(10, 70, 200, 60);
    auto* grid = Add<TStringGrid>(10, 140, 300, 120);
    grid->SetOptions(grid->Options() | goEditing);
    kit::ShowForm(f.get());
    // What each box shows, and what the program reads from it.
    struct Boite
    {
        const char* nom;
        TWinControl* c;
        std::function<QString()> montre;
        std::function<std::string()> garde;
    };
    const Boite boites[] = {
        {"edit", edit, [&] { return qobject_cast<QLineEdit*>(edit->Widget())->text(); },
         [&] { return edit->Text(); }},
        {"combo", combo, [&] { return qobject_cast<QComboBox*>(combo->Widget())->currentText(); },
         [&] { return combo->Text(); }},
        {"memo", memo, [&] { return qobject_cast<QPlainTextEdit*>(memo->Widget())->toPlainText(); },
         [&] { return memo->Text(); }},
        {"grid", grid, [&] {
             auto* editeur = qobject_cast<QLineEdit*>(QApplication::focusWidget());
             return editeur ? editeur->text() : QString("(no editor)");
         },
         [&] {
             kit::PressKey(nullptr, VK_RETURN);
             return grid->Cells(1, 1);
         }},
    };
    struct Cas
    {
        const char* tape;   // UTF-8
        const char* garde;  // UTF-8, as kept
    };
    const Cas cas[] = {
        {"Beşiktaş", "Besiktas"},
        {"Łódź", "Lódz"},
        {"București", "Bucuresti"},
        {"Київ 2", " 2"},
        {"Été à 5 €", "Été à 5 €"},
    };
    for (const Boite& b : boites)
        for (bool colle : {false, true})
            for (const Cas& c : cas) {
                SCOPED_TRACE(std::string(b.nom) + (colle ? " pasted " : " typed ") + c.tape);
                b.c->SetText("");
                grid->SetCells(1, 1, "");
                if (colle) {
                    if (b.c == grid)
                        kit::PressKey(grid, VK_F2);
                    kit::Paste(b.c, c.tape);
                } else {
                    kit::TypeKeys(b.c, c.tape);
                }
                EXPECT_EQ(b.montre().toStdString(), c.garde);
                EXPECT_EQ(b.garde(), L1(c.garde));
            }
    kit::GrabToPng(f.get(), "texte_garde");
}
