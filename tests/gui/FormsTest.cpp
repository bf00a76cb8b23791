// Forms: modal results, closing, dialog keys, embedding; the application's
// main-thread calls; the timer; message boxes and dialogs answered by tests.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <atomic>
#include <thread>

#include "platform/gui/Dialogs.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Thread.h"
#include "tests/support/gui/GuiKit.h"

namespace {

// A dialog with OK (default, result 1) and Cancel (cancel, result 2) buttons.
class TestDialog : public TForm
{
public:
    explicit TestDialog(TComponent* owner) : TForm(owner)
    {
        SetBorderStyle(bsDialog);
        SetClientWidth(300);
        SetClientHeight(120);
        Edit = new TEdit(this);
        Edit->SetName("Edit");
        Edit->SetParent(this);
        Edit->SetBounds(10, 10, 200, 21);
        Ok = new TButton(this);
        Ok->SetName("Ok");
        Ok->SetParent(this);
        Ok->SetCaption("OK");
        Ok->SetBounds(130, 85, 75, 25);
        Ok->ModalResult = mrOk;
        Ok->SetDefault(true);
        CancelButton = new TButton(this);
        CancelButton->SetName("Cancel");
        CancelButton->SetParent(this);
        CancelButton->SetCaption("Annuler");
        CancelButton->SetBounds(215, 85, 75, 25);
        CancelButton->ModalResult = mrCancel;
        CancelButton->Cancel = true;
        DoCreate();
    }
    TEdit* Edit;
    TButton* Ok;
    TButton* CancelButton;
};

TEST(Forms, ButtonEndsAModalDialogWithItsResult)
{
    TOwned<TestDialog> d(new TestDialog(nullptr));
    int r = kit::RunModal(d.get(), [](TForm* f) { kit::Click(kit::Find<TButton>(f, "Cancel")); });
    EXPECT_EQ(r, mrCancel);
    EXPECT_FALSE(d->Visible());
    r = kit::RunModal(d.get(), [](TForm* f) { kit::Click(kit::Find<TButton>(f, "Ok")); });
    EXPECT_EQ(r, mrOk);
}

TEST(Forms, ClosingAModalDialogGivesCancel)
{
    TOwned<TestDialog> d(new TestDialog(nullptr));
    int r = kit::RunModal(d.get(), [](TForm* f) { f->Close(); });
    EXPECT_EQ(r, mrCancel);
}

TEST(Forms, EnterAndEscapeGoToTheDefaultAndCancelButtons)
{
    TOwned<TestDialog> d(new TestDialog(nullptr));
    int r = kit::RunModal(d.get(), [](TForm* f) {
        kit::Type(kit::Find<TEdit>(f, "Edit"), "abc");
        kit::PressKey(kit::Find<TEdit>(f, "Edit"), VK_RETURN);
    });
    EXPECT_EQ(r, mrOk);
    EXPECT_EQ(d->Edit->Text(), "abc");
    r = kit::RunModal(d.get(), [](TForm* f) { kit::PressKey(kit::Find<TEdit>(f, "Edit"), VK_ESCAPE); });
    EXPECT_EQ(r, mrCancel);
}

// Every dialog closes on Escape: without a Cancel button, as its close box
// closes it (mrCancel, the close query asked); a modeless form stays.
TEST(Forms, EscapeWithoutCancelButtonClosesAsTheCloseBox)
{
    const struct { bool annulable; bool refuse; int attendu; } cas[] = {
        {true, false, mrCancel}, {false, false, mrCancel}, {false, true, 7}};
    for (const auto& c : cas) {
        SCOPED_TRACE(std::to_string(c.annulable) + std::to_string(c.refuse));
        TOwned<TestDialog> d(new TestDialog(nullptr));
        d->CancelButton->Cancel = c.annulable;
        int clics = 0;
        d->CancelButton->OnClick = [&](TObject*) { ++clics; };
        int questions = 0;
        d->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = !c.refuse || ++questions > 1; };
        if (!c.refuse)
            d->OnCloseQuery = nullptr;
        kit::WhenModal([](TForm* f) { kit::PressKey(kit::Find<TEdit>(f, "Edit"), VK_ESCAPE); });
        // Refused by the close query, the dialog is still up for the next one.
        if (c.refuse)
            kit::WhenModal([](TForm* f) { f->SetModalResult(7); });
        const int r = d->ShowModal();
        EXPECT_EQ(r, c.attendu);
        EXPECT_EQ(questions, c.refuse ? 2 : 0);
        EXPECT_EQ(clics, c.annulable ? 1 : 0);
    }
    TOwned<TestDialog> d(new TestDialog(nullptr));
    d->CancelButton->Cancel = false;
    d->Show();
    kit::PressKey(d->Edit, VK_ESCAPE);
    kit::Process(20);
    EXPECT_TRUE(d->Visible());
}

TEST(Forms, HandlersMayKeepTheDialogOpen)
{
    TOwned<TestDialog> d(new TestDialog(nullptr));
    int queries = 0;
    d->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    int clicks = 0;
    // OK resets the result the first time: the dialog stays.
    d->Ok->OnClick = [&](TObject*) {
        if (++clicks == 1)
            d->SetModalResult(mrNone);
    };
    kit::WhenModal([](TForm* f) { kit::Click(kit::Find<TButton>(f, "Ok")); });       // reset by OnClick
    kit::WhenModal([](TForm* f) { kit::Click(kit::Find<TButton>(f, "Ok")); });       // refused by OnCloseQuery
    kit::WhenModal([](TForm* f) { kit::Click(kit::Find<TButton>(f, "Cancel")); });   // closes
    EXPECT_EQ(d->ShowModal(), mrCancel);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(queries, 2);
}

TEST(Forms, ButtonOfAModelessFormDoesNotCloseIt)
{
    TOwned<TestDialog> d(new TestDialog(nullptr));
    kit::ShowForm(d.get());
    kit::Click(d->Ok);
    EXPECT_TRUE(d->Visible());
    EXPECT_EQ(d->ModalResult(), mrOk);
    // Close hides it, through OnClose with its action.
    TCloseAction seen = caNone;
    d->OnClose = [&](TObject*, TCloseAction& a) { seen = a; };
    d->Close();
    EXPECT_EQ(seen, caHide);
    EXPECT_FALSE(d->Visible());
}

TEST(Forms, EventsOfShowingAndFreeing)
{
    std::vector<std::string> log;
    {
        TOwned<TestDialog> d(new TestDialog(nullptr));
        d->OnShow = [&](TObject*) { log.push_back("show"); };
        d->OnHide = [&](TObject*) { log.push_back("hide"); };
        d->OnDestroy = [&](TObject*) { log.push_back("destroy"); };
        d->OnResize = [&](TObject*) { log.push_back("resize"); };
        kit::ShowForm(d.get());
        d->SetWidth(d->Width() + 10);
        d->Hide();
    }
    std::vector<std::string> want = {"show", "resize", "hide", "destroy"};
    EXPECT_EQ(log, want);
}

TEST(Forms, ClientSizeExcludesTheFrameAndTheMenu)
{
    TOwned<TForm> f(new TForm(nullptr));
    f->SetBorderStyle(bsDialog);
    f->SetClientWidth(200);
    f->SetClientHeight(100);
    EXPECT_GT(f->Width(), 200);
    EXPECT_GT(f->Height(), 100);
    auto* menu = new TMainMenu(f.get());
    auto* file = new TMenuItem(f.get());
    file->SetCaption("&Fichier");
    menu->Items()->Add(file);
    int h = f->Height();
    f->SetMenu(menu);
    EXPECT_EQ(f->ClientHeight() + (f->Height() - h) * 0, f->ClientHeight());
    f->SetClientHeight(100);
    EXPECT_EQ(f->ClientHeight(), 100);
    auto* p = new TPanel(f.get());
    p->SetParent(f.get());
    p->SetAlign(alClient);
    EXPECT_EQ(p->Height(), 100);
    EXPECT_EQ(p->Width(), 200);
}

TEST(Forms, PositionCentresOnTheScreenOrTheOwner)
{
    TOwned<TForm> owner(new TForm(nullptr));
    owner->SetBounds(50, 60, 400, 300);
    kit::ShowForm(owner.get());
    auto* d = new TForm(owner.get());
    d->SetBounds(0, 0, 200, 100);
    d->Position = poOwnerFormCenter;
    kit::ShowForm(d);
    EXPECT_EQ(d->Left(), 50 + 100);
    EXPECT_EQ(d->Top(), 60 + 100);
    d->Hide();
    d->Position = poScreenCenter;
    kit::ShowForm(d);
    EXPECT_EQ(d->Left(), (Screen->Width() - 200) / 2);
}

TEST(Forms, AFormShownInsideAPanelOfAnother)
{
    TOwned<TForm> main(new TForm(nullptr));
    main->SetBounds(0, 0, 500, 400);
    auto* host = new TPanel(main.get());
    host->SetParent(main.get());
    host->SetAlign(alClient);
    host->SetBevelOuter(bvNone);
    auto* child = new TestDialog(main.get());
    child->SetBorderStyle(bsNone);
    child->SetParent(host);
    child->SetAlign(alClient);
    child->Show();
    kit::ShowForm(main.get());
    EXPECT_EQ(child->BoundsRect(), host->ClientRect());
    EXPECT_TRUE(child->Showing());
    // Its OK button sets the result but the embedded form stays.
    kit::Click(child->Ok);
    EXPECT_TRUE(child->Showing());
    EXPECT_EQ(GetParentForm(child->Ok), main.get());
    main->SetBounds(0, 0, 600, 450);
    EXPECT_EQ(child->Width(), host->ClientWidth());
}

TEST(Forms, MainFormClosingEndsTheApplicationLoop)
{
    auto* f = new TForm(Application);
    Application->SetMainForm(f);
    QTimer::singleShot(20, [f] { f->Close(); });
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    Application->SetMainForm(nullptr);
    f->Free();
}

// ---- the main thread, timers -------------------------------------------------------
class Worker : public TThread
{
public:
    Worker() : TThread(true) {}
    std::atomic<int> ranOn{0};
    bool mainThread = false;

protected:
    void Execute() override
    {
        Synchronize([this] {
            mainThread = IsMainThread();
            ranOn = 1;
        });
    }
};

TEST(Application, SynchronizeRunsThroughTheEventLoop)
{
    Worker w;
    bool terminated = false;
    w.OnTerminate = [&](TThread*) { terminated = IsMainThread(); };
    w.Start();
    EXPECT_TRUE(kit::WaitUntil([&] { return terminated; }));
    EXPECT_EQ(w.ranOn, 1);
    EXPECT_TRUE(w.mainThread);
    w.WaitFor();
}

TEST(Application, TimerFiresWhileEnabled)
{
    TOwned<TTimer> t(new TTimer(nullptr));
    int ticks = 0;
    t->SetInterval(10);
    t->OnTimer = [&](TObject* s) {
        if (s == t.get() && ++ticks == 3)
            t->SetEnabled(false);
    };
    EXPECT_TRUE(kit::WaitUntil([&] { return ticks >= 3; }));
    kit::Process(50);
    EXPECT_EQ(ticks, 3);
}

TEST(Application, ExceptionsInHandlersBecomeMessages)
{
    TOwned<TestDialog> d(new TestDialog(nullptr));
    d->Ok->OnClick = [](TObject*) { throw EConvertError("'x' n'est pas une valeur enti\xE8re correcte"); };
    kit::ShowForm(d.get());
    kit::AnswerMessages({mrOk});
    kit::Click(d->Ok);
    ASSERT_EQ(kit::Messages().size(), 1u);
    EXPECT_EQ(kit::Messages()[0].Text, "'x' n'est pas une valeur enti\xE8re correcte.");
    EXPECT_EQ(kit::Messages()[0].Type, mtError);
}

// A box shown with no answer queued fails the test and is closed: a test
// fails instead of waiting for ever.
TEST(Dialogs, ABoxWithNoAnswerQueuedFailsTheTestAndIsClosed)
{
    TOwned<TestDialog> d(new TestDialog(nullptr));
    int r = 0;
    EXPECT_NONFATAL_FAILURE(r = d->ShowModal(), "no answer queued");
    EXPECT_EQ(r, mrCancel);
    EXPECT_FALSE(d->Visible());
    EXPECT_NONFATAL_FAILURE(r = ShowMessageBox("Quitter ?", "Titre", MB_YESNO), "no answer queued");
    EXPECT_EQ(r, IDNO);
    EXPECT_NONFATAL_FAILURE(r = MessageDlg("Enregistrer ?", mtConfirmation, mbYesNoCancel), "no answer queued");
    EXPECT_EQ(r, mrCancel);
}

TEST(Dialogs, TestsAnswerMessagesAndFileDialogs)
{
    kit::AnswerMessages({mrNo, mrNo, mrYes});
    EXPECT_EQ(MessageDlg("Enregistrer ?", mtConfirmation, mbYesNoCancel), mrNo);
    EXPECT_EQ(ShowMessageBox("Quitter ?", "Titre", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(ShowMessageBox("Quitter ?", "Titre", MB_YESNO), IDYES);
    ASSERT_EQ(kit::Messages().size(), 3u);
    EXPECT_EQ(kit::Messages()[0].Buttons, mbYes | mbNo | mbCancel);
    EXPECT_EQ(kit::Messages()[1].DefaultResult, mrNo);   // default: the second
    EXPECT_EQ(kit::Messages()[2].DefaultResult, mrYes);

    TOwned<TSaveDialog> save(new TSaveDialog(nullptr));
    save->Filter = "Saison|*.xmc|Tous|*.*";
    save->DefaultExt = "xmc";
    EXPECT_FALSE(save->Execute());   // cancelled by default
    kit::AnswerDialogs([](TCommonDialog& d) {
        auto& s = dynamic_cast<TSaveDialog&>(d);
        s.FileName = "/tmp/ligue";
        s.FilterIndex = 1;
        return true;
    });
    EXPECT_TRUE(save->Execute());
    EXPECT_EQ(save->FileName, "/tmp/ligue.xmc");
    EXPECT_EQ(kit::Dialogs().size(), 2u);

    // Each caption names its patterns once, whether its description did or not.
    EXPECT_EQ(DialogFilterCaptions("Saison (*.sai; *.xmc)|*.sai;*.xmc|Tous les fichiers|*.chp;*.*"),
              (std::vector<std::string>{"Saison (*.sai *.xmc)", "Tous les fichiers (*.chp *)"}));

    auto parts = SplitDialogFilter("Texte|*.txt|Tout|*.*");
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[1].first, "Tout");
    EXPECT_EQ(parts[1].second, "*.*");
    EXPECT_EQ(ApplyDefaultExt("a.b/nom", "txt"), "a.b/nom.txt");
    EXPECT_EQ(ApplyDefaultExt("nom.csv", "txt"), "nom.csv");
}

// Replacing an existing file through a save dialog: asked unless
// ofOverwritePrompt is taken off; a refusal shows the dialog again (the hook
// answers the same name: the user gives up) and the file is never touched here.
TEST(Dialogs, SaveDialogsAskBeforeReplacingAFile)
{
    const std::string existing = kit::TempDir() + "existe.xmc";
    ASSERT_TRUE(WriteFileAtomic(existing, "avant"));
    struct Case
    {
        bool prompt;
        std::string name;
        std::vector<int> answers;
        bool executed;
        size_t questions;
        int shown;
    };
    const Case cases[] = {
        {false, existing, {}, true, 0, 1},
        {true, kit::TempDir() + "nouveau", {}, true, 0, 1},
        {true, kit::TempDir() + "existe", {mrYes}, true, 1, 1},   // the default extension makes it exist
        {true, existing, {mrNo}, false, 1, 2},
        {true, existing, {mrNo}, false, 1, 2},   // the question's default is "no" (below)
    };
    for (const Case& c : cases)
    {
        kit::ResetAnswers();
        TOwned<TSaveDialog> d(new TSaveDialog(nullptr));
        d->DefaultExt = "xmc";
        if (!c.prompt)
            d->Options &= ~static_cast<TOpenOptions>(ofOverwritePrompt);
        int shown = 0;
        kit::AnswerDialogs([&](TCommonDialog& x) {
            ++shown;
            static_cast<TSaveDialog&>(x).FileName = c.name;
            return true;
        });
        kit::AnswerMessages(c.answers);
        EXPECT_EQ(d->Execute(), c.executed) << c.name;
        EXPECT_EQ(kit::Messages().size(), c.questions) << c.name;
        EXPECT_EQ(shown, c.shown) << c.name;
        if (c.questions)
        {
            EXPECT_EQ(kit::Messages()[0].Text, Format(DialogTexts().ReplaceFile, {"existe.xmc"}));
            EXPECT_EQ(kit::Messages()[0].DefaultResult, mrNo);
        }
    }
    kit::ResetAnswers();

    // The platform's dialog itself stays open on a refusal.
    TOwned<TSaveDialog> d(new TSaveDialog(nullptr));
    d->FileName = existing;
    kit::AnswerMessages({mrNo, mrYes});
    SetDialogHook(nullptr);
    bool stillOpen = false;
    QTimer::singleShot(50, [&] {
        QDialog* q = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(q, nullptr);
        q->accept();   // refused: it stays
        stillOpen = q->isVisible();
        q->accept();   // accepted
    });
    EXPECT_TRUE(d->Execute());
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(kit::Messages().size(), 2u);
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(existing, bytes));
    EXPECT_EQ(bytes, "avant");
    kit::ResetAnswers();
}

TEST(Menus, ItemsClickCheckAndFindShortcuts)
{
    TOwned<TForm> f(new TForm(nullptr));
    auto* menu = new TMainMenu(f.get());
    auto* file = new TMenuItem(f.get());
    file->SetCaption("&Fichier");
    menu->Items()->Add(file);
    auto* open = new TMenuItem(f.get());
    open->SetCaption("&Ouvrir...");
    open->SetShortCut(ShortCut('O', ssCtrl));
    int opened = 0;
    open->OnClick = [&](TObject*) { ++opened; };
    file->Add(open);
    auto* a = new TMenuItem(f.get());
    auto* b = new TMenuItem(f.get());
    for (auto* r : {a, b})
    {
        r->SetRadioItem(true);
        r->SetGroupIndex(1);
        file->Add(r);
    }
    f->SetMenu(menu);
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(menu->IsShortCut(ShortCut('O', ssCtrl)));
    EXPECT_EQ(opened, 1);
    open->SetEnabled(false);
    EXPECT_FALSE(menu->IsShortCut(ShortCut('O', ssCtrl)));
    EXPECT_EQ(menu->Items()->Find("fichier"), file);
    EXPECT_EQ(ShortCutToText(ShortCut('S', ssCtrl | ssShift)), "Shift+Ctrl+S");
    EXPECT_EQ(TextToShortCut("Ctrl+F2"), ShortCut(VK_F2, ssCtrl));
    EXPECT_EQ(StripHotkey("&Save && quit"), "Save & quit");
    file->Delete(0);
    EXPECT_EQ(file->Count(), 2);
}

}  // namespace
