// More controls: panel (bevels, caption), bevel, image, paint box, splitter,
// radio group, shape, and the timer.
#pragma once

#include "platform/gui/StdCtrls.h"

#include <memory>
#include <string>

class TPicture;

class TPanel : public TCustomControl
{
public:
    explicit TPanel(TComponent* AOwner);
    ~TPanel() override;
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut b);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut b);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int w);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int w);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle s);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    // The width the bevels and borders take on each side.
    int FrameWidth() const;

protected:
    void Paint() override;
    void AdjustClientRect(TRect& r) const override;
    void ApplyText() override { Invalidate(); }

private:
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    TAlignment alignment_ = taCenter;
};

// Draws a 3D frame as the library does: top and left in topColor, bottom and
// right in bottomColor, width times, each pass one pixel further in; r shrinks.
void Frame3D(TCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width);

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl
{
public:
    explicit TBevel(TComponent* AOwner);
    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape s) { shape_ = s; Invalidate(); }
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle s) { style_ = s; Invalidate(); }

protected:
    void Paint() override;

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

class TImage : public TGraphicControl
{
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;
    TPicture& Picture();
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v) { stretch_ = v; Invalidate(); }
    bool Center() const { return center_; }
    void SetCenter(bool v) { center_ = v; Invalidate(); }
    bool Proportional() const { return proportional_; }
    void SetProportional(bool v) { proportional_ = v; Invalidate(); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    // Drawing on the image turns its picture into a bitmap of the image's size.
    TCanvas& ImageCanvas();
    // Where the picture is drawn in the control.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();
    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool proportional_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

class TPaintBox : public TGraphicControl
{
public:
    explicit TPaintBox(TComponent* AOwner);
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl
{
public:
    explicit TShape(TComponent* AOwner);
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType s) { shape_ = s; Invalidate(); }
    TPen Pen;
    TBrush Brush;

protected:
    void Paint() override;

private:
    TShapeType shape_ = stRectangle;
};

// A bar the user drags to resize the control aligned before it (on its side).
class TSplitter : public TGraphicControl
{
public:
    explicit TSplitter(TComponent* AOwner);
    int MinSize = 30;
    TNotifyEvent OnMoved;
    // The control it resizes (the neighbour on its alignment side), or nullptr.
    TControl* FindControl() const;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Paint() override;

private:
    TControl* control_ = nullptr;
    TPoint downAt_;
    int startSize_ = 0;
};

class TRadioGroup : public TWinControl
{
public:
    explicit TRadioGroup(TComponent* AOwner);
    ~TRadioGroup() override;
    TStrings& Items();
    int ItemIndex() const { return itemIndex_; }
    // Runs OnClick when it changes.
    void SetItemIndex(int i);
    int Columns() const { return columns_; }
    void SetColumns(int c);

protected:
    void ApplyText() override;
    void BoundsChanged(bool sized) override;
    bool ClicksFromMouse() const override { return false; }

private:
    friend class RadioItems;
    void Rebuild();
    void Arrange();
    struct Impl;
    std::unique_ptr<Impl> r_;
    int itemIndex_ = -1;
    int columns_ = 1;
};

class TTimer : public TComponent
{
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    // Runs OnTimer every Interval milliseconds while Enabled (and Interval > 0).
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    TNotifyEvent OnTimer;

private:
    void Update();
    struct Impl;
    std::unique_ptr<Impl> t_;
    bool enabled_ = true;
    unsigned interval_ = 1000;
};
