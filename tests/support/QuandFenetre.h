// The next modal window of a class, for tests that drive the program's own
// dialogs: the action runs on it once it is up; the modal windows shown before
// it are handled as the test asks.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "platform/gui/Forms.h"
#include "tests/support/gui/GuiKit.h"
#include "ui/message2.h"

namespace essai {

// What becomes of a modal window of another class on the way.
enum class TAutresFenetres {
    Passees,          // left to whatever else answers it
    MessageEnEchec,   // a message fails the test, then is left
    MessageFerme,     // a message fails the test and is closed (OK)
    Annulees,         // every one is cancelled
};

template <class T>
void QuandFenetre(std::function<void(T*)> action, TAutresFenetres autres = TAutresFenetres::Passees)
{
    kit::WhenModal([action = std::move(action), autres](TForm* f) {
        if (auto* t = dynamic_cast<T*>(f)) {
            action(t);
            return;
        }
        if (autres == TAutresFenetres::Annulees) {
            f->SetModalResult(mrCancel);
        } else if (autres != TAutresFenetres::Passees) {
            if (auto* m = dynamic_cast<Tf_MessageUtil*>(f)) {
                ADD_FAILURE() << "message: " << m->Label1->Caption();
                if (autres == TAutresFenetres::MessageFerme)
                    m->SetModalResult(mrOk);
            }
        }
        QuandFenetre<T>(action, autres);
    });
}

// Tab pressed until the control has the focus; false when it never comes.
inline bool TabJusqua(TWinControl* c)
{
    std::string vus;
    // the window active, its first box taking the keys
    kit::WaitUntil([c] { return c->ParentForm() && c->ParentForm()->ActiveControl() &&
                                c->ParentForm()->ActiveControl()->Focused(); },
                   1000);
    for (int i = 0; i < 40; ++i) {
        if (c->Focused())
            return true;
        TForm* f = c->ParentForm();
        vus += (f && f->ActiveControl() ? f->ActiveControl()->Name() : std::string("-")) + " ";
        kit::PressKey(nullptr, VK_TAB);
    }
    ADD_FAILURE() << "focus went through: " << vus;
    return c->Focused();
}

// The box reached by Tab, then the text typed over what it holds, key by key.
inline void TapeDans(TWinControl* c, const std::string& utf8)
{
    if (TabJusqua(c))
        kit::TypeKeys(nullptr, utf8);
}

}  // namespace essai
