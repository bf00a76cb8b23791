// Components, alignment, anchors, events and drag and drop between controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QWidget>

#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "tests/support/gui/GuiKit.h"

namespace {

struct Counter : TComponent
{
    explicit Counter(TComponent* owner, int* deaths) : TComponent(owner), deaths_(deaths) {}
    ~Counter() override { ++*deaths_; }
    int* deaths_;
};

TEST(Components, OwnerFreesOwnedAndFindsByName)
{
    int deaths = 0;
    {
        TOwned<TComponent> root(new TComponent(nullptr));
        auto* a = new Counter(root.get(), &deaths);
        a->SetName("Alpha");
        auto* b = new Counter(a, &deaths);
        b->SetName("Beta");
        EXPECT_EQ(root->FindComponent("ALPHA"), a);
        EXPECT_EQ(root->FindComponent("Beta"), nullptr);   // owned by Alpha, not by root
        EXPECT_EQ(root->FindComponentDeep("beta"), b);
        b->Free();   // leaves its owner
        EXPECT_EQ(deaths, 1);
        EXPECT_EQ(a->ComponentCount(), 0);
        new Counter(a, &deaths);
    }
    EXPECT_EQ(deaths, 3);
}

TEST(Controls, AlignmentFollowsTheParentsSize)
{
    TOwned<TForm> f(new TForm(nullptr));
    f->SetBorderStyle(bsNone);
    f->SetBounds(0, 0, 400, 300);
    auto* top = new TPanel(f.get());
    top->SetHeight(40);
    top->SetAlign(alTop);
    top->SetParent(f.get());
    auto* bottom = new TPanel(f.get());
    bottom->SetHeight(30);
    bottom->SetAlign(alBottom);
    bottom->SetParent(f.get());
    auto* left = new TPanel(f.get());
    left->SetWidth(100);
    left->SetAlign(alLeft);
    left->SetParent(f.get());
    auto* client = new TPanel(f.get());
    client->SetAlign(alClient);
    client->SetParent(f.get());
    // A button anchored to the right and bottom corner of the client panel.
    auto* ok = new TButton(f.get());
    ok->SetParent(client);
    ok->SetBounds(client->ClientWidth() - 85, client->ClientHeight() - 35, 75, 25);
    ok->SetAnchors(akRight | akBottom);

    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 40));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 270, 400, 300));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 40, 100, 270));
    EXPECT_EQ(client->BoundsRect(), Rect(100, 40, 400, 270));
    EXPECT_EQ(ok->BoundsRect(), Rect(215, 195, 290, 220));

    int resized = 0;
    client->OnResize = [&](TObject*) { ++resized; };
    f->SetBounds(0, 0, 500, 400);
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 370, 500, 400));
    EXPECT_EQ(client->BoundsRect(), Rect(100, 40, 500, 370));
    EXPECT_EQ(ok->BoundsRect(), Rect(315, 295, 390, 320));
    EXPECT_EQ(resized, 1);

    // Hiding an aligned control gives its room to the others.
    top->Hide();
    EXPECT_EQ(left->BoundsRect(), Rect(0, 0, 100, 370));
    EXPECT_EQ(client->Top(), 0);
}

TEST(Controls, BevelledPanelInsetsItsAlignedChildren)
{
    TOwned<TPanel> p(new TPanel(nullptr));
    p->SetBounds(0, 0, 200, 100);
    p->SetBevelInner(bvLowered);
    p->SetBorderWidth(2);
    auto* c = new TPanel(p.get());
    c->SetParent(p.get());
    c->SetAlign(alClient);
    EXPECT_EQ(c->BoundsRect(), Rect(4, 4, 196, 96));
}

TEST(Controls, ParentFontAndColorFollow)
{
    TOwned<TForm> f(new TForm(nullptr));
    auto* p = new TPanel(f.get());
    p->SetParent(f.get());
    auto* l = new TLabel(f.get());
    l->SetParent(p);
    p->Font().SetSize(14);
    EXPECT_EQ(l->Font().Size(), 14);
    EXPECT_TRUE(l->ParentFont());
    l->Font().SetColor(clRed);   // its own font from now on
    EXPECT_FALSE(l->ParentFont());
    p->Font().SetSize(9);
    EXPECT_EQ(l->Font().Size(), 14);
    p->SetColor(clYellow);
    EXPECT_EQ(l->Color(), clYellow);   // labels take their parent's colour
    // a disabled control reads as disabled, whatever its font's colour
    auto* e = new TEdit(f.get());
    e->SetParent(p);
    e->Font().SetColor(clRed);
    const QPalette pal = e->Widget()->palette();
    EXPECT_EQ(pal.color(QPalette::Active, QPalette::Text), QColor(Qt::red));
    EXPECT_NE(pal.color(QPalette::Disabled, QPalette::Text), QColor(Qt::red));
    EXPECT_NE(l->Widget()->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::red));
}

TEST(Controls, MouseEventsAndClick)
{
    TOwned<TForm> f(new TForm(nullptr));
    f->SetBounds(10, 10, 300, 200);
    auto* p = new TPanel(f.get());
    p->SetParent(f.get());
    p->SetBounds(10, 10, 100, 50);
    std::vector<std::string> log;
    p->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        log.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y) +
                      ((s & ssCtrl) ? " ctrl" : ""));
    };
    p->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
    p->OnClick = [&](TObject* s) { log.push_back(s == p ? "click" : "?"); };
    f->OnClick = [&](TObject*) { log.push_back("form click"); };
    kit::ShowForm(f.get());
    kit::Click(p, 20, 30, ssCtrl);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], "down 0 20,30 ctrl");
    EXPECT_EQ(log[1], "click");   // the library clicks before the mouse-up event
    EXPECT_EQ(log[2], "up");
}

TEST(Controls, KeyEventsCanDiscardAndReplaceCharacters)
{
    TOwned<TForm> f(new TForm(nullptr));
    auto* e = new TEdit(f.get());
    e->SetParent(f.get());
    e->OnKeyPress = [](TObject*, char& k) {
        if (k == 'x')
            k = 0;
        else if (k == 'a')
            k = 'b';
    };
    WORD lastDown = 0;
    e->OnKeyDown = [&](TObject*, WORD& k, TShiftState) { lastDown = k; };
    kit::ShowForm(f.get());
    kit::Type(e, "axc");
    EXPECT_EQ(e->Text(), "bc");
    EXPECT_EQ(lastDown, 'C');
    // Key preview: the form sees the key first and may keep it.
    f->KeyPreview = true;
    f->OnKeyPress = [](TObject*, char& k) {
        if (k == '1')
            k = 0;
    };
    kit::Type(e, "12");
    EXPECT_EQ(e->Text(), "bc2");
}

TEST(Controls, TextCrossesAsWindows1252)
{
    TOwned<TForm> f(new TForm(nullptr));
    auto* e = new TEdit(f.get());
    e->SetParent(f.get());
    e->SetText(L1("Équipe été"));
    EXPECT_EQ(e->Text(), "\xC9quipe \xE9t\xE9");
    kit::ShowForm(f.get());
    e->SetText("");
    kit::Type(e, "\xE0 \x80");   // à and the euro sign
    EXPECT_EQ(e->Text(), "\xE0 \x80");
}

// Sorted boxes order names by their letters without accents or case, whether
// the items were there before the box was sorted or added after.
TEST(Controls, SortedBoxesIgnoreAccents)
{
    TOwned<TForm> f(new TForm(nullptr));
    auto* l = new TListBox(f.get());
    l->SetParent(f.get());
    auto* c = new TComboBox(f.get());
    c->SetParent(f.get());
    for (TStrings* items : {&l->Items(), &c->Items()})
        for (const char* n : {"White", "\xD8" "degaard", "adams", "\xC9mile"})
            items->Add(n);
    l->SetSorted(true);
    c->SetSorted(true);
    for (TStrings* items : {&l->Items(), &c->Items()}) {
        items->Add("Zola");
        items->Add("\xF6zil");
        std::vector<std::string> vus;
        for (int i = 0; i < items->Count(); ++i)
            vus.push_back((*items)[i]);
        EXPECT_EQ(vus, (std::vector<std::string>{"adams", "\xC9mile", "\xD8" "degaard", "\xF6zil", "White", "Zola"}));
    }
}

TEST(Controls, FocusActivationMouseEnterAndPopups)
{
    TOwned<TForm> f(new TForm(nullptr));
    f->SetBounds(20, 20, 300, 200);
    auto* a = new TEdit(f.get());
    a->SetParent(f.get());
    a->SetBounds(10, 10, 100, 21);
    auto* b = new TEdit(f.get());
    b->SetParent(f.get());
    b->SetBounds(10, 40, 100, 21);
    std::vector<std::string> log;
    f->OnActivate = [&](TObject*) { log.push_back("activate"); };
    a->OnEnter = [&](TObject*) { log.push_back("enter a"); };
    a->OnExit = [&](TObject*) { log.push_back("exit a"); };
    b->OnEnter = [&](TObject*) { log.push_back("enter b"); };
    f->SetActiveControl(a);
    kit::ShowForm(f.get());
    b->SetFocus();
    kit::Process();
    EXPECT_TRUE(b->Focused());
    EXPECT_FALSE(a->Focused());
    std::vector<std::string> want = {"activate", "enter a", "exit a", "enter b"};
    EXPECT_EQ(log, want);
    EXPECT_EQ(f->ActiveControl(), b);
    EXPECT_EQ(Screen->ActiveForm(), f.get());

    int enters = 0, leaves = 0;
    Mouse->SetCursorPos({3000, 3000});   // away from the window
    kit::Process();
    auto* p = new TPanel(f.get());
    p->SetParent(f.get());
    p->SetBounds(150, 10, 100, 100);
    p->OnMouseEnter = [&](TObject*) { ++enters; };
    p->OnMouseLeave = [&](TObject*) { ++leaves; };
    kit::Process();
    QEvent enter(QEvent::Enter), leave(QEvent::Leave);
    QApplication::sendEvent(p->Widget(), &enter);
    QApplication::sendEvent(p->Widget(), &leave);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);

    // A right click (context menu) pops up the control's menu, or its parent's.
    auto* menu = new TPopupMenu(f.get());
    auto* item = new TMenuItem(f.get());
    item->SetCaption("Copier");
    menu->Items()->Add(item);
    TObject* popped = nullptr;
    menu->OnPopup = [&](TObject* m) { popped = m; };
    f->SetPopupMenu(menu);
    QContextMenuEvent ce(QContextMenuEvent::Mouse, QPoint(5, 5), p->Widget()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(p->Widget(), &ce);
    EXPECT_EQ(popped, menu);
    EXPECT_EQ(menu->PopupComponent, p);
    EXPECT_TRUE(menu->IsOpen());
    menu->CloseMenu();
    // Freeing the menu clears the reference.
    menu->Free();
    EXPECT_EQ(f->PopupMenu(), nullptr);
}

// ---- drag and drop --------------------------------------------------------------
struct DragFixture : ::testing::Test
{
    TOwned<TForm> f{new TForm(nullptr)};
    TListBox* source = nullptr;
    TPanel* target = nullptr;
    TPanel* refuser = nullptr;
    void SetUp() override
    {
        f->SetBounds(100, 100, 400, 300);
        source = new TListBox(f.get());
        source->SetName("Source");
        source->SetParent(f.get());
        source->SetBounds(10, 10, 120, 150);
        source->Items().Add("Arles");
        source->Items().Add("Nantes");
        target = new TPanel(f.get());
        target->SetParent(f.get());
        target->SetBounds(200, 10, 150, 100);
        refuser = new TPanel(f.get());
        refuser->SetParent(f.get());
        refuser->SetBounds(200, 150, 150, 100);
        source->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
            if (b == mbLeft && source->ItemAtPos({x, y}, true) >= 0)
                source->BeginDrag(false);
        };
        kit::ShowForm(f.get());
    }
};

TEST_F(DragFixture, DropCarriesTheSourceAndTheShiftStateAtTheStart)
{
    std::vector<std::string> log;
    TObject* seenSource = nullptr;
    TShiftState shiftAtStart = 0;
    target->OnDragOver = [&](TObject*, TObject* src, int, int, TDragState st, bool& accept) {
        accept = src == source;
        if (st == dsDragEnter)
            log.push_back("enter");
    };
    target->OnDragDrop = [&](TObject* sender, TObject* src, int x, int y) {
        seenSource = src;
        shiftAtStart = DragStartShiftState();
        log.push_back("drop " + std::to_string(x) + "," + std::to_string(y) + (sender == target ? "" : "?"));
    };
    source->OnStartDrag = [&](TObject*) { log.push_back("start"); };
    source->OnEndDrag = [&](TObject*, TObject* t, int, int) { log.push_back(t == target ? "end on target" : "end"); };

    TRect item = source->ItemRect(1);
    kit::Drag(source, {item.Left + 5, item.Top + 3}, target, {40, 30}, ssCtrl);
    EXPECT_EQ(seenSource, source);
    EXPECT_TRUE(shiftAtStart & ssCtrl);
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0], "start");
    EXPECT_EQ(log[1], "enter");
    EXPECT_EQ(log[2], "drop 40,30");
    EXPECT_EQ(log[3], "end on target");
    EXPECT_FALSE(source->Dragging());

    // Without Ctrl this time.
    kit::Drag(source, {item.Left + 5, item.Top + 3}, target, {10, 10}, 0);
    EXPECT_FALSE(shiftAtStart & ssCtrl);
}

TEST_F(DragFixture, RefusedOrUnhandledTargetsGetNoDrop)
{
    bool dropped = false;
    refuser->OnDragOver = [](TObject*, TObject*, int, int, TDragState, bool& accept) { accept = false; };
    refuser->OnDragDrop = [&](TObject*, TObject*, int, int) { dropped = true; };
    TObject* endTarget = source;
    source->OnEndDrag = [&](TObject*, TObject* t, int, int) { endTarget = t; };
    TRect item = source->ItemRect(0);
    kit::Drag(source, {item.Left + 5, item.Top + 3}, refuser, {20, 20});
    EXPECT_FALSE(dropped);
    EXPECT_EQ(endTarget, nullptr);
    // A control without OnDragOver refuses too.
    endTarget = source;
    kit::Drag(source, {item.Left + 5, item.Top + 3}, target, {20, 20});
    EXPECT_EQ(endTarget, nullptr);
}

TEST_F(DragFixture, ADropThatFreesTheSourceEndsWithoutTouchingIt)
{
    int ends = 0;
    target->OnDragOver = [](TObject*, TObject*, int, int, TDragState, bool& accept) { accept = true; };
    target->OnDragDrop = [&](TObject*, TObject* src, int, int) {
        static_cast<TControl*>(src)->Free();
        source = nullptr;
    };
    source->OnEndDrag = [&](TObject*, TObject*, int, int) { ++ends; };
    TRect item = source->ItemRect(0);
    kit::Drag(source, {item.Left + 5, item.Top + 3}, target, {20, 20});
    EXPECT_EQ(source, nullptr);
    EXPECT_EQ(ends, 0);
    EXPECT_EQ(f->ControlCount(), 2);
}

TEST_F(DragFixture, AClickWithoutMovingIsNoDrag)
{
    bool started = false;
    int clicks = 0;
    source->OnStartDrag = [&](TObject*) { started = true; };
    source->OnClick = [&](TObject*) { ++clicks; };
    TRect item = source->ItemRect(1);
    kit::Click(source, item.Left + 5, item.Top + 3);
    EXPECT_FALSE(started);
    EXPECT_EQ(source->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
