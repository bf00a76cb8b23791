// Masked edit with the window library's mask syntax, "mask;save;blank":
//   0 digit (required)   9 digit (optional)   # digit or sign (optional)
//   L letter (required)  l letter (optional)  A letter or digit  a (optional)
//   C any character      c (optional)          > upper case  < lower case  <> neither
//   \ the next character as it stands          ! optional characters at the start
// anything else is a literal. save: 1 (default) keeps the literals in Text,
// 0 leaves them out; blank: the character shown for an empty place ("_").
// Example: "!99/99/0000;1;_" is a date.
#pragma once

#include "platform/gui/StdCtrls.h"

#include <string>
#include <vector>

struct TMaskPosition
{
    bool Literal = false;
    char Char = 0;          // the literal, or the mask letter of a place
    bool Required = false;
    int Case = 0;           // 1 upper, -1 lower
};

struct TMaskInfo
{
    std::vector<TMaskPosition> Positions;
    bool SaveLiterals = true;
    char Blank = '_';
    bool LeadingBlanks = false;
    bool Empty() const { return Positions.empty(); }
};

TMaskInfo ParseEditMask(const std::string& mask);
// The mask of a cell of a whole number of up to `digits` digits (at least one).
std::string DigitsMask(int digits);
// The same mask in Qt's input-mask syntax (for the edit widget).
std::string MaskToQtInputMask(const TMaskInfo& info);
// Whether a character may stand at place i.
bool MaskAccepts(const TMaskInfo& info, int position, char c);
// The shown text (one character per position, blanks as info.Blank) from a value:
// the value's characters fill the places in order; with SaveLiterals the value
// holds the literals too; a blank in the value leaves the place empty.
std::string FormatEditText(const TMaskInfo& info, const std::string& value);
// Text from the shown text: empty places as blanks (' '), literals only with SaveLiterals.
std::string MaskedTextFromEditText(const TMaskInfo& info, const std::string& editText);
// The library's FormatMaskText: the value laid into the mask, as Text would read.
std::string FormatMaskText(const std::string& mask, const std::string& value);
// True when every required place holds a character.
bool MaskEditTextValid(const TMaskInfo& info, const std::string& editText);

class TMaskEdit : public TEdit
{
public:
    explicit TMaskEdit(TComponent* AOwner);
    ~TMaskEdit() override;
    const std::string& EditMask() const { return mask_; }
    void SetEditMask(const std::string& mask);
    bool IsMasked() const { return !info_.Empty(); }
    // The shown text, blanks included.
    std::string EditText() const;
    // Masked: the text by the mask (literals only when saved, empty places as
    // blanks). Setting it lays the value into the mask.
    std::string GetText() const override;
    void SetText(const std::string& s) override;
    // When modified and a required place is empty: a message, the focus stays
    // here, false.
    bool ValidateEdit();

protected:
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    std::string mask_;
    TMaskInfo info_;
    std::string entered_;
};
