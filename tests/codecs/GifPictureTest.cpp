// The GIF picture: files written by giflib (gifbuild) and gifsicle load frame for
// frame as giflib reads them and frame 0 as Qt shows it; what the picture writes
// (LZW and run lengths) giflib, gifsicle and Qt read back the same; damaged and
// unusual blocks; the animation painter stepped by its timer; optimisation;
// pictures made from bitmaps; the clipboard and the picture framework.
#include <gtest/gtest.h>

#include "codecs/GifPicture.h"
#include "platform/gui/Clipbrd.h"
#include "tests/codecs/GifTestFiles.h"

using namespace giftest;

namespace {

TMemoryStream StreamOf(const Bytes& b)
{
    TMemoryStream m;
    if (!b.empty()) m.WriteBuffer(b.data(), long(b.size()));
    m.SetPosition(0);
    return m;
}

Bytes Saved(const TGifPicture& gif)
{
    TMemoryStream m;
    gif.SaveToStream(m);
    return Bytes(m.Memory(), m.Memory() + m.Size());
}

std::vector<std::string> Load(TGifPicture& gif, const Bytes& b)
{
    std::vector<std::string> warnings;
    gif.OnWarning = [&](TGIFPersistent*, int, const std::string& m) { warnings.push_back(m); };
    TMemoryStream m = StreamOf(b);
    gif.LoadFromStream(m);
    gif.OnWarning = nullptr;
    return warnings;
}

std::string ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Exception& e) {
        return e.Message;
    }
    return "";
}

Bytes GifBuild(const std::string& spec)
{
    const std::string in = TempFile("spec") + ".txt", out = TempFile("built");
    FILE* f = std::fopen(in.c_str(), "w");
    std::fputs(spec.c_str(), f);
    std::fclose(f);
    Run("gifbuild '" + in + "' > '" + out + "'");
    Bytes b = ReadFile(out);
    std::remove(in.c_str());
    std::remove(out.c_str());
    return b;
}

// gifsicle over files given as bytes, with its options; its output file.
Bytes Gifsicle(const std::vector<Bytes>& inputs, const std::string& options)
{
    std::string names;
    for (size_t i = 0; i < inputs.size(); ++i) {
        const std::string n = TempFile("frame" + std::to_string(i));
        WriteFile(n, inputs[i]);
        names += " '" + n + "'";
    }
    const std::string out = TempFile("sicle");
    std::string text;
    Run("gifsicle " + options + names + " -o '" + out + "'", &text);
    Bytes b = ReadFile(out);
    std::remove(out.c_str());
    for (size_t i = 0; i < inputs.size(); ++i) std::remove(TempFile("frame" + std::to_string(i)).c_str());
    return b;
}

uint32_t Argb(TGIFColor c) { return 0xFF000000u | (uint32_t(c.Red) << 16) | (uint32_t(c.Green) << 8) | c.Blue; }

// Every frame with pixels as giflib reads it: place, size, indexes and colours.
void ExpectFramesAsGiflib(TGifPicture& gif, const Bytes& file, const std::string& what)
{
    GiflibFile g = GiflibRead(file);
    ASSERT_TRUE(g.ok) << what;
    EXPECT_EQ(gif.Width(), g.width) << what;
    std::vector<TGIFSubImage*> frames;
    for (int i = 0; i < gif.Images().Count(); ++i)
        if (!gif.Images()[i]->Empty()) frames.push_back(gif.Images()[i]);
    ASSERT_EQ(frames.size(), g.images.size()) << what;
    for (size_t i = 0; i < frames.size(); ++i) {
        TGIFSubImage& f = *frames[i];
        const GiflibImage& gi = g.images[i];
        EXPECT_EQ(std::vector<int>({f.Left(), f.Top(), f.Width(), f.Height()}),
                  std::vector<int>({gi.left, gi.top, gi.width, gi.height})) << what << " frame " << i;
        EXPECT_EQ(f.Data, gi.pixels) << what << " frame " << i;
        TGIFColorMap& map = f.ActiveColorMap();
        for (int c = 0; c < map.Count() && size_t(c) < gi.colors.size(); ++c)
            EXPECT_EQ(Argb(map.Entry(c)), gi.colors[size_t(c)]) << what << " frame " << i << " colour " << c;
    }
}

// Frame 0 as Qt's reader gives it: the same colour wherever Qt shows one, the
// transparent index wherever Qt shows nothing.
void ExpectFirstFrameAsQt(TGifPicture& gif, const Bytes& file, const std::string& what)
{
    int w = 0, h = 0;
    const std::vector<uint32_t> qt = QtPixels(file, &w, &h);
    ASSERT_EQ(w, gif.Width()) << what;
    ASSERT_EQ(h, gif.Height()) << what;
    const TBitmap* bmp = gif.Bitmap();
    ASSERT_TRUE(bmp) << what;
    TGIFSubImage& f = *gif.Images()[0];
    int bad = 0;
    for (int y = f.Top(); y < f.Top() + f.Height() && bad < 3; ++y)
        for (int x = f.Left(); x < f.Left() + f.Width() && bad < 3; ++x) {
            const uint32_t q = qt[size_t(y) * size_t(w) + size_t(x)];
            const bool ok = (q >> 24) == 0 ? f.Pixels(x - f.Left(), y - f.Top()) == f.TransparentIndex()
                                           : (bmp->ScanLine(y)[x] & 0xFFFFFF) == (q & 0xFFFFFF);
            if (!ok) {
                ADD_FAILURE() << what << ": pixel " << x << "," << y << " qt " << std::hex << q << " ours "
                              << bmp->ScanLine(y)[x];
                ++bad;
            }
        }
}

const char* kBuiltSpec = R"(screen width 4
screen height 6
screen colors 4
screen background 1
pixel aspect byte 0

screen map
	rgb 000 000 000 is a
	rgb 255 000 000 is b
	rgb 000 255 000 is c
	rgb 000 000 255 is d
end

netscape loop 2

image
image left 0
image top 0
image interlaced
image bits 4 by 6
abcd
bcda
cdab
dabc
aacc
bbdd

comment
hello world
end

graphics control
	disposal mode 2
	user input flag off
	delay 7
	transparent index 1
end

image
image left 1
image top 1
image map
	rgb 010 020 030 is x
	rgb 200 100 050 is y
end
image bits 2 by 2
xy
yx
)";

const char* kPlainSpec = R"(screen width 5
screen height 4
screen colors 2
screen background 0
pixel aspect byte 0

screen map
	rgb 000 000 000 is 0
	rgb 255 255 255 is 1
end

image
image bits 5 by 4
01010
10101
00111
11000
)";

// Oracle files of every feature: global and local maps, interlace, transparency,
// comments, loops, several frames with each disposal, 87a and 89a.
std::vector<std::pair<std::string, Bytes>> OracleFiles()
{
    std::vector<std::pair<std::string, Bytes>> files;
    files.push_back({"gifbuild frames, maps, extensions", GifBuild(kBuiltSpec)});
    files.push_back({"gifbuild 87a", GifBuild(kPlainSpec)});
    std::vector<Bytes> frames;
    for (unsigned k = 0; k < 3; ++k) {
        Bytes px = RandomIndexes(24, 16, 16, 40 + k, 5);
        for (size_t i = 0; i < px.size() / 2; ++i) px[i] = uint8_t(k);   // frames alike in their upper half
        frames.push_back(WrapGif(ImageData(px, 24, 16, 4, false, false), 24, 16, 4, false));
    }
    files.push_back({"gifsicle optimised animation", Gifsicle(frames, "--delay 5 --loopcount=3 -O2")});
    files.push_back({"gifsicle disposal background, transparent",
                     Gifsicle(frames, "--disposal=background --transparent=3 --interlace --comment hi")});
    files.push_back({"gifsicle disposal previous, 5 colours", Gifsicle(frames, "--disposal=previous --colors 5")});
    return files;
}

TEST(GifPicture, OracleFilesLoadAsGiflibAndQtReadThem)
{
    for (const auto& [what, file] : OracleFiles()) {
        ASSERT_GT(file.size(), 20u) << what;
        TGifPicture gif;
        std::vector<std::string> warnings = Load(gif, file);
        EXPECT_TRUE(warnings.empty()) << what << ": " << warnings.front();
        ExpectFramesAsGiflib(gif, file, what);
        ExpectFirstFrameAsQt(gif, file, what);
    }
    // The extensions of the gifbuild file.
    TGifPicture gif;
    Load(gif, GifBuild(kBuiltSpec));
    ASSERT_EQ(gif.Images().Count(), 2);
    auto* loop = dynamic_cast<TGIFAppExtNSLoop*>(gif.Images()[0]->Extensions[0]);
    ASSERT_TRUE(loop);
    EXPECT_EQ(loop->Loops, 2);
    TGIFSubImage& second = *gif.Images()[1];
    EXPECT_EQ(dynamic_cast<TGIFCommentExtension&>(*second.Extensions[0]).Text, std::vector<std::string>{"hello world"});
    ASSERT_TRUE(second.GraphicControlExtension);
    EXPECT_EQ(second.GraphicControlExtension->Disposal(), 2);
    EXPECT_EQ(second.Delay(), 7);
    EXPECT_EQ(second.TransparentIndex(), 1);
    EXPECT_EQ(second.ColorMap.Count(), 2);
    EXPECT_EQ(Saved(gif).at(4), '9');
}

TEST(GifPicture, WrittenPicturesReadBackEverywhere)
{
    for (const auto& [what, file] : OracleFiles())
        for (int kind : {0, 1}) {
            const std::string tag = what + (kind ? " (rle)" : " (lzw)");
            TGifPicture gif;
            Load(gif, file);
            gif.CompressKind = kind;
            const Bytes ours = Saved(gif);
            ExpectFramesAsGiflib(gif, ours, tag);
            ExpectFirstFrameAsQt(gif, ours, tag);
            const std::string name = TempFile("ours");
            WriteFile(name, ours);
            std::string info;
            EXPECT_EQ(giftest::Run("gifsicle --info '" + name + "'", &info), 0) << tag;
            EXPECT_EQ(info.find("gifsicle:"), std::string::npos) << tag << ": " << info;
            std::remove(name.c_str());
            TGifPicture again;
            Load(again, ours);
            again.CompressKind = kind;
            EXPECT_EQ(Saved(again), ours) << tag;
        }
}

// A GIF of one 3 x 2 frame around the blocks given (between the header and the
// image), with a global map of 4 colours; pixels 0 1 2 / 3 0 1.
Bytes Framed(const Bytes& before, uint8_t descriptorFlags = 0, int width = 3, int height = 2, const Bytes& after = {})
{
    Bytes f = {'G', 'I', 'F', '8', '9', 'a', 3, 0, 2, 0, 0x91, 0, 0, 10, 10, 10, 20, 20, 20, 30, 30, 30, 40, 40, 40};
    f.insert(f.end(), before.begin(), before.end());
    f.insert(f.end(), {0x2C, 0, 0, 0, 0, uint8_t(width), 0, uint8_t(height), 0, descriptorFlags});
    const Bytes px = {0, 1, 2, 3, 0, 1};
    const Bytes data = ImageData(width == 3 && height == 2 ? px : Bytes(size_t(width * height), 1), width, height, 2,
                                 false, false);
    f.insert(f.end(), data.begin(), data.end());
    f.insert(f.end(), after.begin(), after.end());
    f.push_back(0x3B);
    return f;
}

TEST(GifPicture, UnusualAndDamagedBlocks)
{
    struct Case
    {
        const char* name;
        Bytes file;
        const char* error;     // the load raises this, the picture stays as it was
        const char* warning;   // or loads with this warning
    };
    const Bytes appHead = {0x21, 0xFF};
    auto cat = [](std::initializer_list<Bytes> parts) {
        Bytes b;
        for (const Bytes& p : parts) b.insert(b.end(), p.begin(), p.end());
        return b;
    };
    const std::vector<Case> cases = {
        {"unknown extension label", Framed({0x21, 0x99, 2, 7, 7, 0}), nullptr, GifText::UnknownExtension},
        {"application block of 3 bytes", Framed(cat({appHead, {3, 'a', 'b', 'c', 1, 9, 0}})), nullptr,
         GifText::AppBlockSize},
        {"loop block of id 1 and size 2", Framed(cat({appHead, {11}, Bytes({'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'}), {2, 1, 5, 0}})),
         GifText::InvalidData, nullptr},
        {"unknown extension alone after the image", Framed({}, 0, 3, 2, {0x21, 0x99, 1, 7, 0}), nullptr,
         GifText::UnknownExtension},
        {"zero bytes between blocks", Framed({0, 0, 0x21, 0xFE, 1, 'x', 0, 0, 0}), nullptr, nullptr},
        {"frame of width 0", Framed({}, 0, 0, 2), nullptr, GifText::ExceedsScreen},
        {"no trailer", [&] { Bytes b = Framed({}); b.pop_back(); return b; }(), nullptr, nullptr},
        {"cut descriptor", [] { Bytes b = Framed({}); b.resize(30); return b; }(), GifText::PrematureEnd, nullptr},
        {"cut extension", Bytes({'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x21, 0x01, 12, 1}),
         GifText::PrematureEnd, nullptr},
        {"65535 x 65535 frame", [] {
             Bytes b = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x2C, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 2, 0, 0x3B};
             return b;
         }(),
         GifText::ImageTooLarge, nullptr},
    };
    const Bytes good = Framed({});
    for (const Case& c : cases) {
        TGifPicture gif;
        Load(gif, good);
        const Bytes before = Saved(gif);
        TMemoryStream m = StreamOf(c.file);
        m.SetPosition(0);
        std::vector<std::string> warnings;
        gif.OnWarning = [&](TGIFPersistent*, int, const std::string& s) { warnings.push_back(s); };
        const std::string error = ErrorOf([&] { gif.LoadFromStream(m); });
        if (c.error) {
            EXPECT_EQ(error, c.error) << c.name;
            EXPECT_EQ(m.Position(), 0) << c.name;
            EXPECT_EQ(Saved(gif), before) << c.name << ": the picture changed";
            continue;
        }
        EXPECT_EQ(error, "") << c.name;
        ASSERT_EQ(gif.Images().Count(), 1) << c.name;
        if (c.warning)
            EXPECT_NE(std::find(warnings.begin(), warnings.end(), c.warning), warnings.end()) << c.name;
        else
            EXPECT_TRUE(warnings.empty()) << c.name;
        EXPECT_EQ(GiflibRead(Saved(gif)).images.size(), 1u) << c.name;
    }
}

TEST(GifPicture, ApplicationAndTextBlocksAreWrittenBack)
{
    const Bytes appHead = {0x21, 0xFF};
    // A block of 10 bytes is kept as an unknown block and written with 11.
    Bytes ten = {0x21, 0xFF, 10, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', '1', '2', 2, 7, 8, 0};
    TGifPicture gif;
    Load(gif, Framed(ten));
    auto* unknown = dynamic_cast<TGIFUnknownAppExtension*>(gif.Images()[0]->Extensions[0]);
    ASSERT_TRUE(unknown);
    Bytes saved = Saved(gif);
    EXPECT_EQ(Bytes(saved.begin() + 25, saved.begin() + 28), (Bytes{0x21, 0xFF, 11}));
    // ANIMEXTS1.0 is a loop extension and keeps its name.
    Bytes anim = {0x21, 0xFF, 11, 'A', 'N', 'I', 'M', 'E', 'X', 'T', 'S', '1', '.', '0', 3, 1, 4, 0, 0};
    Load(gif, Framed(anim));
    auto* loop = dynamic_cast<TGIFAppExtNSLoop*>(gif.Images()[0]->Extensions[0]);
    ASSERT_TRUE(loop);
    EXPECT_EQ(loop->Loops, 4);
    EXPECT_EQ(Saved(gif), Framed(anim));
    // A loop block longer than 11 bytes is a loop block, written back with 11.
    Bytes longer = {0x21, 0xFF, 13, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 'x', 'y', 3, 1, 2, 0, 0};
    Load(gif, Framed(longer));
    loop = dynamic_cast<TGIFAppExtNSLoop*>(gif.Images()[0]->Extensions[0]);
    ASSERT_TRUE(loop);
    EXPECT_EQ(loop->Loops, 2);
    TGifPicture again;
    Load(again, Saved(gif));
    EXPECT_EQ(dynamic_cast<TGIFAppExtNSLoop&>(*again.Images()[0]->Extensions[0]).Loops, 2);
    // A plain text block and a frame of extensions only come back as they were.
    Bytes text = {0x21, 0x01, 12, 0, 0, 0, 0, 3, 0, 2, 0, 1, 1, 1, 0, 5, 'h', 'e', 'l', 'l', 'o', 0};
    const Bytes withText = Framed({}, 0, 3, 2, text);
    Load(gif, withText);
    ASSERT_EQ(gif.Images().Count(), 2);
    EXPECT_TRUE(gif.Images()[1]->Empty());
    EXPECT_EQ(dynamic_cast<TGIFTextExtension&>(*gif.Images()[1]->Extensions[0]).Text, std::vector<std::string>{"hello"});
    EXPECT_EQ(Saved(gif), withText);
}

TEST(GifPicture, IndexesPastTheMapAndTransparency)
{
    // Pixels 0 1 2 / 3 0 1 with a local map of 2 entries: 2 and 3 lie past it.
    Bytes f = {'G', 'I', 'F', '8', '9', 'a', 3, 0, 2, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 3, 0, 2, 0, 0x80, 1, 2, 3, 200, 201, 202};
    const Bytes data = ImageData({0, 1, 2, 3, 0, 1}, 3, 2, 2, false, false);
    f.insert(f.end(), data.begin(), data.end());
    f.push_back(0x3B);
    TGifPicture gif;
    Load(gif, f);
    const TBitmap* b = gif.Bitmap();
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Pixels(2, 0), RGB(200, 201, 202));   // the map's last colour
    EXPECT_EQ(b->Pixels(0, 1), RGB(200, 201, 202));
    EXPECT_EQ(b->Pixels(0, 0), RGB(1, 2, 3));
    // With a transparent index, they are left out when drawn, as the index is.
    Bytes t = f;
    const Bytes gce = {0x21, 0xF9, 4, 1, 0, 0, 0, 0};
    t.insert(t.begin() + 13, gce.begin(), gce.end());
    Load(gif, t);
    TBitmap canvas(3, 2);
    canvas.Canvas().Brush.SetColor(clLime);
    canvas.Canvas().FillRect(Rect(0, 0, 3, 2));
    gif.Draw(canvas.Canvas(), Rect(0, 0, 3, 2));
    EXPECT_EQ(canvas.Pixels(0, 0), clLime);   // index 0, the transparent one
    EXPECT_EQ(canvas.Pixels(1, 0), RGB(200, 201, 202));
    EXPECT_EQ(canvas.Pixels(2, 0), clLime);   // past the map
    EXPECT_EQ(canvas.Pixels(0, 1), clLime);
    // Dithered to the 216 standard colours, on the same transparency.
    TGifPicture web;
    web.PaintOptions &= ~poPaletteDisplaysOnly;
    Load(web, t);
    ASSERT_TRUE(web.UsesStandardPalette());
    canvas.Canvas().FillRect(Rect(0, 0, 3, 2));
    web.Draw(canvas.Canvas(), Rect(0, 0, 3, 2));
    EXPECT_EQ(canvas.Pixels(0, 0), clLime);
    EXPECT_EQ(canvas.Pixels(1, 0), RGB(153, 204, 204));   // (c + 3) / 51 per channel
    EXPECT_EQ(canvas.Pixels(2, 0), clLime);
}

// A picture of three 4 x 4 frames over a 4 x 4 screen with the given delays and
// disposals, and a loop extension of loops (-1: none).
Bytes Animation(const std::vector<std::pair<int, int>>& delaysAndDisposals, int loops, int firstFrameSize = 4)
{
    Bytes f = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 4, 0, 0x81, 3, 0, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
    if (loops >= 0) {
        const Bytes l = {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, uint8_t(loops), 0, 0};
        f.insert(f.end(), l.begin(), l.end());
    }
    for (size_t i = 0; i < delaysAndDisposals.size(); ++i) {
        auto [delay, disposal] = delaysAndDisposals[i];
        const Bytes gce = {0x21, 0xF9, 4, uint8_t(disposal << 2), uint8_t(delay), uint8_t(delay >> 8), 0, 0};
        f.insert(f.end(), gce.begin(), gce.end());
        const int size = i == 1 ? firstFrameSize / 2 : 4;
        f.insert(f.end(), {0x2C, 0, 0, 0, 0, uint8_t(size), 0, uint8_t(size), 0, 0});
        const Bytes data = ImageData(Bytes(size_t(size * size), uint8_t(i + 1)), size, size, 2, false, false);
        f.insert(f.end(), data.begin(), data.end());
    }
    f.push_back(0x3B);
    return f;
}

TEST(GifPicture, PainterShowsEachFrameForItsDelay)
{
    TGifPicture gif;
    Load(gif, Animation({{0, 1}, {2, 2}, {50, 7}}, 1));
    int starts = 0, restarts = 0, ends = 0, painted = 0;
    gif.OnPaintStart = [&](TObject*) { ++starts; };
    gif.OnLoopRestart = [&](TObject*) { ++restarts; };
    gif.OnPaintEnd = [&](TObject*) { ++ends; };
    gif.OnFramePainted = [&](TObject*) { ++painted; };
    TBitmap screen(8, 8);
    gif.Draw(screen.Canvas(), Rect(0, 0, 8, 8));
    gif.Draw(screen.Canvas(), Rect(0, 0, 8, 8));   // the same place: still one painter
    TGIFPainter* p = gif.ActivePainter();
    ASSERT_TRUE(p);
    EXPECT_EQ(starts, 1);
    struct Step { int frame; int delayMs; TColor topLeft; TColor bottomRight; };
    // Delay 0 is 10 units of 12 ms, 2 is raised to 3 units; disposal 2 gives the
    // background (colour 3, blue) back under frame 1 before frame 2; disposal 7 counts as 0.
    const std::vector<Step> steps = {
        {1, 120, clRed, clRed}, {2, 36, clLime, clRed}, {3, 600, clBlue, clBlue},
        {1, 120, clRed, clRed}, {2, 36, clLime, clRed}, {3, 600, clBlue, clBlue},
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(p->ActiveFrame, steps[i].frame) << i;
        EXPECT_EQ(p->CurrentDelay(), steps[i].delayMs) << i;
        const TBitmap* b = gif.Bitmap();
        EXPECT_EQ(b->Pixels(0, 0), steps[i].topLeft) << i;
        EXPECT_EQ(b->Pixels(3, 3), steps[i].bottomRight) << i;
        p->Tick();
    }
    // Loop count 1: one pass more after the first, then the end.
    EXPECT_EQ(restarts, 1);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(painted, 6);
    EXPECT_TRUE(p->Finished());
    EXPECT_FALSE(gif.ActivePainter());

    // Twice the speed halves the delays; speed 0 pauses.
    TGifPicture fast;
    Load(fast, Animation({{0, 1}, {2, 1}}, -1));
    fast.SpeedPercent = 200;
    fast.Draw(screen.Canvas(), Rect(0, 0, 4, 4));
    ASSERT_TRUE(fast.ActivePainter());
    EXPECT_EQ(fast.ActivePainter()->CurrentDelay(), 60);
    TGifPicture paused;
    Load(paused, Animation({{0, 1}, {2, 1}}, -1));
    paused.SpeedPercent = 0;
    paused.Draw(screen.Canvas(), Rect(0, 0, 4, 4));
    EXPECT_EQ(paused.ActivePainter()->CurrentDelay(), 0);
}

TEST(GifPicture, OptimisingKeepsWhatEveryFrameShows)
{
    // Frames 0 and 1 alike; frame 2 changes a 2 x 2 corner.
    Bytes f = {'G', 'I', 'F', '8', '9', 'a', 8, 0, 8, 0, 0x81, 0, 0, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
    Bytes px = RandomIndexes(8, 8, 3, 9);
    for (int k = 0; k < 3; ++k) {
        if (k == 2) px[0] = px[1] = px[8] = px[9] = 3;
        const Bytes gce = {0x21, 0xF9, 4, 0x04, 10, 0, 0, 0};
        f.insert(f.end(), gce.begin(), gce.end());
        f.insert(f.end(), {0x2C, 0, 0, 0, 0, 8, 0, 8, 0, 0});
        const Bytes data = ImageData(px, 8, 8, 2, false, false);
        f.insert(f.end(), data.begin(), data.end());
    }
    f.insert(f.end(), {0x21, 0xFE, 2, 'h', 'i', 0});
    f.push_back(0x3B);
    auto screens = [](TGifPicture& gif) {
        std::vector<std::vector<uint32_t>> shown;
        TBitmap target(8, 8);
        gif.Draw(target.Canvas(), Rect(0, 0, 8, 8));
        for (TGIFPainter* p = gif.ActivePainter(); p && !p->Finished(); p->Tick()) {
            const TBitmap* b = gif.Bitmap();
            std::vector<uint32_t> s;
            for (int y = 0; y < 8; ++y) s.insert(s.end(), b->ScanLine(y), b->ScanLine(y) + 8);
            if (shown.empty() || s != shown.back()) shown.push_back(s);
        }
        return shown;
    };
    TGifPicture gif;
    Load(gif, f);
    gif.PaintOptions &= ~poLoop;
    const auto before = screens(gif);
    gif.Optimize(0x1F, rmNone, dmNearest, 8);
    ASSERT_EQ(gif.Images().Count(), 2);   // the repeated frame went
    EXPECT_EQ(std::vector<int>({gif.Images()[1]->Left(), gif.Images()[1]->Top(), gif.Images()[1]->Width()}),
              std::vector<int>({0, 0, 2}));   // the change, cropped
    const auto after = screens(gif);
    EXPECT_EQ(after, before);
    EXPECT_EQ(GiflibRead(Saved(gif)).images.size(), 2u);
}

TEST(GifPicture, MadeFromBitmaps)
{
    // 24 bits: reduced with the picture's settings (216 standard colours by default).
    TBitmap photo(20, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) photo.SetPixels(x, y, RGB(x * 13, y * 25, (x * y) % 256));
    photo.SetPixelFormat(pf24bit);
    TGifPicture gif;
    gif.Assign(photo);
    ASSERT_EQ(gif.Images().Count(), 1);
    EXPECT_EQ(gif.Width(), 20);
    const TBitmap* b = gif.Bitmap();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            const TColor c = b->Pixels(x, y);
            EXPECT_TRUE(GetRValue(c) % 51 == 0 && GetGValue(c) % 51 == 0 && GetBValue(c) % 51 == 0) << x << "," << y;
        }
    // 8 bits: the colours as they are; a transparent bitmap brings its transparency.
    TBitmap few(6, 3);
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 3; ++y) few.SetPixels(x, y, x < 2 ? clFuchsia : RGB(x, 2 * x, 3 * x));
    few.SetPixelFormat(pf8bit);
    few.SetTransparent(true);
    few.SetTransparentColor(clFuchsia);
    gif.Assign(few);
    TGIFSubImage& f = *gif.Images()[0];
    ASSERT_TRUE(f.Transparent());
    EXPECT_EQ(f.Pixels(0, 0), f.TransparentIndex());
    EXPECT_EQ(gif.Bitmap()->Pixels(4, 1), RGB(4, 8, 12));
    GiflibFile g = GiflibRead(Saved(gif));
    ASSERT_TRUE(g.ok);
    EXPECT_EQ(g.images.at(0).pixels, f.Data);
    // A copy of a picture writes the same file.
    TGifPicture copy;
    copy.Assign(gif);
    EXPECT_EQ(Saved(copy), Saved(gif));
}

TEST(GifPicture, ClipboardAndPictureFramework)
{
    RegisterGifFormat();
    const Bytes file = GifBuild(kBuiltSpec);
    const std::string name = TempFile("framework");
    WriteFile(name, file);
    TPicture picture;
    picture.LoadFromFile(name);
    auto* gif = dynamic_cast<TGifPicture*>(picture.Graphic());
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->Images().Count(), 2);
    TBitmap first;
    first.Assign(*gif);
    EXPECT_EQ(first.Width(), 4);
    EXPECT_EQ(first.Pixels(1, 0), RGB(255, 0, 0));
    std::remove(name.c_str());

    gif->SaveToClipboard();
    TGifPicture pasted;
    pasted.LoadFromClipboard();
    EXPECT_EQ(Saved(pasted), Saved(*gif));
    TBitmap onClipboard;
    ASSERT_TRUE(Clipboard()->GetBitmap(onClipboard));
    EXPECT_EQ(onClipboard.Pixels(1, 0), RGB(255, 0, 0));
    Clipboard()->Clear();
    EXPECT_EQ(ErrorOf([&] { pasted.LoadFromClipboard(); }), GifText::ClipboardFormat);
    TGifPicture empty;
    EXPECT_EQ(ErrorOf([&] { Saved(empty); }), GifText::UnsupportedVersion);
    EXPECT_FALSE(empty.Bitmap());
}

}  // namespace
