// Actions shared by buttons and menu items, the window's shortcuts, the
// clipboard, and a tree drawn by the program.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWidget>
#include <QWindow>

#include "platform/gui/ActnList.h"
#include "platform/gui/Clipbrd.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "tests/support/gui/GuiKit.h"

namespace {

TEST(Actions, ButtonsAndItemsFollowTheirAction)
{
    int runs = 0;
    TOwned<TForm> f(new TForm(nullptr));
    auto* list = new TActionList(f.get());
    auto* back = new TAction(f.get());
    back->SetActionList(list);
    back->SetCaption(L1("Précédent"));
    back->SetShortCut(ShortCut(VK_F2, 0));
    back->OnExecute = [&](TObject* s) { runs += s == back ? 1 : 100; };
    auto* b = new TSpeedButton(f.get());
    b->SetParent(f.get());
    b->SetAction(back);
    auto* item = new TMenuItem(f.get());
    item->SetAction(back);
    EXPECT_EQ(b->Caption(), back->Caption());
    EXPECT_EQ(item->Caption(), back->Caption());

    kit::ShowForm(f.get());
    kit::Click(b);
    item->Click();
    EXPECT_EQ(runs, 2);
    EXPECT_TRUE(list->IsShortCut(ShortCut(VK_F2, 0)));
    EXPECT_EQ(runs, 3);

    back->SetEnabled(false);
    EXPECT_FALSE(b->Enabled());
    EXPECT_FALSE(item->Enabled());
    item->Click();
    EXPECT_FALSE(list->IsShortCut(ShortCut(VK_F2, 0)));
    EXPECT_EQ(runs, 3);

    // An OnClick of the control's own wins over the action.
    back->SetEnabled(true);
    int own = 0;
    b->OnClick = [&](TObject*) { ++own; };
    kit::Click(b);
    EXPECT_EQ(own, 1);
    EXPECT_EQ(runs, 3);

    // Freeing the action leaves its clients without one.
    back->Free();
    EXPECT_EQ(b->Action(), nullptr);
    EXPECT_EQ(item->Action(), nullptr);
    EXPECT_EQ(list->ActionCount(), 0);
}

TEST(Actions, ShortcutWorksInTheWindow)
{
    int runs = 0;
    TOwned<TForm> f(new TForm(nullptr));
    auto* list = new TActionList(f.get());
    auto* a = new TAction(f.get());
    a->SetActionList(list);
    a->SetShortCut(ShortCut('1', ssCtrl));
    a->OnExecute = [&](TObject*) { ++runs; };
    auto* e = new TEdit(f.get());
    e->SetParent(f.get());
    kit::ShowForm(f.get());
    e->SetFocus();
    kit::Process();
    // Shortcuts go through the window system's shortcut map.
    QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_1, Qt::ControlModifier);
    QApplication::sendEvent(e->Widget(), &press);
    QKeyEvent sc(QEvent::KeyPress, Qt::Key_1, Qt::ControlModifier, "1");
    QWindow* win = f->Widget()->windowHandle();
    ASSERT_NE(win, nullptr);
    QApplication::sendEvent(win, &sc);
    kit::Process();
    EXPECT_EQ(runs, 1);
}

TEST(Clipboard, TextCrossesAsWindows1252)
{
    Clipboard()->SetAsText(L1("Coupe de l'Été"));
    EXPECT_TRUE(Clipboard()->HasText());
    EXPECT_EQ(Clipboard()->AsText(), L1("Coupe de l'Été"));
}

TEST(TreeDrawing, CustomDrawPaintsBackgroundAndItems)
{
    TOwned<TForm> f(new TForm(nullptr));
    f->SetBounds(0, 0, 300, 300);
    auto* tv = new TTreeView(f.get());
    tv->SetParent(f.get());
    tv->SetBounds(0, 0, 200, 200);
    TTreeNode* a = tv->Items().Add(nullptr, "Rouge");
    tv->Items().Add(nullptr, "Rien");
    int background = 0;
    tv->OnCustomDraw = [&](TTreeView* t, const TRect& r, bool&) {
        ++background;
        t->Canvas().Brush.SetColor(RGB(0, 0x80, 0));
        t->Canvas().FillRect(r);
    };
    tv->OnCustomDrawItem = [&](TTreeView* t, TTreeNode* n, TCustomDrawState, bool& def) {
        t->Canvas().Font.SetColor(n == a ? clRed : clWhite);
        t->Canvas().Brush.SetStyle(bsClear);
        def = n == a;   // the second is not drawn at all
    };
    kit::ShowForm(f.get());
    std::string path = kit::GrabToPng(tv, "treeview_custom_draw");
    EXPECT_GT(background, 0);
    QImage img(QString::fromStdString(path));
    TRect r = a->DisplayRect(true);
    // Somewhere in the first node's text a red pixel, the ground is green.
    bool red = false;
    QPoint off = tv->ClientWidget()->mapTo(tv->Widget(), QPoint(0, 0));
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
        {
            QColor c = img.pixelColor(x + off.x(), y + off.y());
            red = red || (c.red() > 200 && c.green() < 80);
        }
    EXPECT_TRUE(red);
    QColor ground = img.pixelColor(150 + off.x(), 150 + off.y());
    EXPECT_EQ(ground.green(), 0x80);
    EXPECT_EQ(ground.red(), 0);

    // A label wider than the tree is not cut: the tree scrolls sideways to it.
    TTreeNode* large = tv->Items().Add(nullptr, "Un libell\xE9 bien plus large que l'arbre qui le montre");
    kit::Process();
    auto* zone = qobject_cast<QAbstractScrollArea*>(tv->Widget());
    ASSERT_NE(zone, nullptr);
    EXPECT_GT(zone->horizontalScrollBar()->maximum(), 0);
    EXPECT_GE(large->DisplayRect(false).Right, tv->Canvas().TextWidth(large->Text()));
}

}  // namespace
