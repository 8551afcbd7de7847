// Everything the program loads, packed into it or beside it, with the size or
// form it counts on.
#include "core/ProgramResources.h"
#include "platform/IniFile.h"
#include "support/Mp3Decoding.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

namespace {

const QString kBin = QStringLiteral(YULAVIN_BIN_DIR);

// The largest distance from silence among these samples.
float loudest(std::vector<float>::const_iterator from, std::vector<float>::const_iterator to)
{
    float peak = 0;
    for (; from != to; ++from)
        peak = std::max(peak, std::abs(*from));
    return peak;
}

enum class Kind { Png, Bitmap, Mask, Icon, NoIcon, Picture, Page, Language, Tune, Loop };

struct Stock {
    const char* name;
    Kind kind;
    QStringList items; // resource ids, or file names in the program's folder
    QSize size;        // of every item; empty where the design leaves it to us
};

void PrintTo(const Stock& stock, std::ostream* out)
{
    *out << stock.name;
}

QStringList ids(std::initializer_list<unsigned> list)
{
    QStringList items;
    for (unsigned id : list)
        items << QString::number(id);
    return items;
}

QStringList range(unsigned first, unsigned last, std::set<unsigned> except = {})
{
    QStringList items;
    for (unsigned id = first; id <= last; ++id)
        if (!except.count(id))
            items << QString::number(id);
    return items;
}

QStringList logon(const char* suffix)
{
    QStringList files;
    for (const char* name :
         {"blue", "blue_tree", "bokeh", "decoration", "green_tree", "hot_chocolate", "in_the_snow",
          "ornament", "picture", "santa_skating", "snow", "snowfall", "snowman", "tree"})
        files << QStringLiteral("logon/%1%2.jpg").arg(QLatin1String(name), QLatin1String(suffix));
    return files;
}

const Stock kStock[] = {
    {"GarlandPieces", Kind::Png, range(139, 181, {159, 160}) + ids({183, 184}), {48, 48}},
    {"WhiteBulbs", Kind::Png, ids({159, 160}), {32, 32}},
    {"PineSections", Kind::Png, ids({182, 185, 186}), {480, 96}},
    {"IcicleStrings", Kind::Png, range(234, 243), {100, 310}},
    {"BallsAndStrawberries",
     Kind::Png,
     ids({497, 499, 502, 503, 504, 505, 506, 507, 508, 509, 510, 511, 512, 513, 544, 545}),
     {96, 96}},
    {"Glows", Kind::Png, range(515, 519), {96, 96}},
    {"Snowflakes", Kind::Png, range(521, 525), {156, 156}},
    {"FineSnow", Kind::Png, ids({193, 210}), {1, 1}},
    {"FineSnowMiddle", Kind::Png, ids({211}), {2, 2}},
    {"FineSnowLarge", Kind::Png, ids({194, 212}), {3, 3}},
    {"FluffySnow", Kind::Png, range(195, 204, {201}), {16, 16}},
    {"ThinnestThickFlake", Kind::Png, ids({213}), {4, 7}},
    {"ThickFlakes", Kind::Png, range(214, 221), {}},
    {"ThickestThickFlake", Kind::Png, ids({222}), {47, 54}},
    {"SparklingSnow", Kind::Png, ids({348, 349}), {10, 10}},
    {"FantasySnow", Kind::Png, ids({353, 354, 356, 357, 364, 365, 366, 368, 370}), {32, 32}},
    {"DeepSnow", Kind::Png, range(374, 493), {1366, 768}},
    {"FrostSmall", Kind::Png, ids({554}), {1366, 768}},
    {"FrostLarge", Kind::Png, ids({555}), {1920, 1080}},
    {"SilverTree", Kind::Png, range(295, 304), {300, 355}},
    {"BowTree", Kind::Png, ids({311, 312}), {300, 500}},
    {"JoyTree", Kind::Png, range(313, 318), {400, 443}},
    {"SnowyTree", Kind::Png, ids({319, 320}), {300, 392}},
    {"HoarfrostTree", Kind::Png, range(321, 325), {300, 431}},
    {"Stocking", Kind::Png, ids({551}), {32, 58}},
    {"Ball", Kind::Png, ids({576}), {42, 48}},
    {"Bells", Kind::Png, ids({577}), {32, 32}},
    {"Wreaths", Kind::Png, ids({578, 580}), {32, 31}},
    {"Present", Kind::Png, ids({579}), {32, 27}},
    {"SpinningWreath", Kind::Png, ids({581}), {64, 64}},
    {"CursorLarge", Kind::Png, ids({583}), {124, 128}},
    {"CursorSquare", Kind::Png, range(584, 587), {128, 128}},
    {"Emblem", Kind::Png, ids({231}), {128, 128}},
    {"Banner", Kind::Png, ids({232}), {256, 64}},
    {"PageBackdrops", Kind::Png, ids({252, 344}), {}},
    {"GeneralPicture", Kind::Png, ids({251}), {500, 360}},
    {"LightsPicture", Kind::Png, ids({256}), {480, 290}},
    {"PagePictures", Kind::Png, ids({265, 276, 290, 310, 345, 561, 570, 571, 575}), {470, 273}},
    {"PagePictureWide", Kind::Png, ids({285}), {471, 273}},
    {"PagePictureWidest", Kind::Png, ids({562}), {472, 273}},
    {"HelpButton", Kind::Bitmap, ids({257}), {16, 16}},
    {"HelpButtonMask", Kind::Mask, ids({258}), {16, 16}},
    {"RoundButton", Kind::Bitmap, ids({246, 248, 249}), {220, 220}},
    {"RoundButtonMask", Kind::Mask, ids({247}), {220, 220}},
    {"SmallButtons", Kind::Bitmap, ids({291, 293}), {106, 40}},
    {"SmallButtonMask", Kind::Mask, ids({292}), {106, 40}},
    {"PageButtons",
     Kind::Bitmap,
     ids({277, 279, 280, 281, 282, 283, 564, 565, 566, 567, 568, 569, 572, 573, 574}),
     {106, 40}},
    {"PageButtonMask", Kind::Mask, ids({278}), {106, 40}},
    {"AppIconSmall", Kind::Icon, ids({128}), {16, 16}},
    {"AppIconLarge", Kind::Icon, ids({128}), {256, 256}},
    {"TabIcons",
     Kind::Icon,
     ids({330, 331, 334, 338, 335, 339, 558, 337, 332, 333, 559, 329}),
     {16, 16}},
    {"UnnamedIcon", Kind::NoIcon, ids({336}), {}},
    {"LogonPictures", Kind::Picture, logon(""), {1920, 1080}},
    {"LogonPreviews", Kind::Picture, logon("_preview"), {240, 135}},
    {"CreditsPages", Kind::Page, {"credits_en.html", "credits_ru.html"}, {}},
    {"LanguageFiles",
     Kind::Language,
     {"English.lng", "Russian.lng", "German.lng", "Polish.lng", "French.lng"},
     {}},
    {"Tunes",
     Kind::Tune,
     {"angels_we_have_heard_on_high.mp3", "away_in_a_manger.mp3", "deck_the_halls_alternate.mp3",
      "jingle_bells.mp3", "joy_to_the_world.mp3",
      "musical-snow-globe-we-wish-you-a-merry-christmas.mp3", "music-box-joy-to-the-world.mp3",
      "music-box-symphonion-o-christmas-tree.mp3", "music-box-wish-you-a-merry-christmas.mp3",
      "dance_of_the_sugar_plum_fairy.mp3", "santa-ho-ho-ho.mp3"},
     {}},
    {"BackgroundSounds", Kind::Loop, {"fireplace.mp3", "snowstorm.mp3"}, {}},
};

// Frames of each tune as rendered, from the list the tune generator writes beside them.
std::map<QString, long> renderedFrames()
{
    QFile manifest(kBin + QStringLiteral("/../tools/tunes-manifest.txt"));
    EXPECT_TRUE(manifest.open(QIODevice::ReadOnly | QIODevice::Text));
    std::map<QString, long> frames;
    for (const QByteArray& line : manifest.readAll().split('\n'))
        if (const QList<QByteArray> fields = line.split(' '); fields.size() == 3)
            frames[QString::fromUtf8(fields[0])] = fields[1].toLong();
    return frames;
}

// Decoded as the player decodes it, gaplessly, a tune is exactly as rendered
// (no encoder delay or padding to click at a loop's seam), plays at an even
// level and ends quietly or flows from its end into its start.
void expectWholeTune(const QString& file, bool loops)
{
    const DecodedMp3 decoded = decodeMp3(kBin + QLatin1Char('/') + file);
    const std::size_t frames = decoded.left.size();
    EXPECT_EQ(decoded.rate, 44100);
    EXPECT_EQ(long(frames), renderedFrames()[file]);
    EXPECT_EQ(decoded.announcedFrames, off_t(frames));
    EXPECT_GE(frames, 20u * 44100);
    EXPECT_LE(frames, 90u * 44100);
    double energy = 0;
    for (const auto* channel : {&decoded.left, &decoded.right}) {
        const std::vector<float>& samples = *channel;
        for (float s : samples)
            energy += double(s) * s;
        // Nothing clips.
        EXPECT_LT(loudest(samples.begin(), samples.end()), 0.9f);
        if (!loops) {
            EXPECT_LT(loudest(samples.end() - 4410, samples.end()), 0.05f) << "cut off";
            continue;
        }
        // No step at the seam larger than the sound's ordinary steps.
        std::vector<float> steps;
        for (std::size_t i = 1; i < frames; ++i)
            steps.push_back(std::abs(samples[i] - samples[i - 1]));
        const auto ordinary = steps.begin() + std::ptrdiff_t(steps.size() * 99 / 100);
        std::nth_element(steps.begin(), ordinary, steps.end());
        EXPECT_LE(std::abs(samples.front() - samples.back()), *ordinary);
    }
    // Every tune about as loud as the others.
    const double rmsDb = 10 * std::log10(energy / (2.0 * double(frames)));
    EXPECT_GT(rmsDb, -26.0);
    EXPECT_LT(rmsDb, -16.0);
}

void expectInStock(Kind kind, const QString& item, QSize size)
{
    const QString path = kBin + QLatin1Char('/') + item;
    switch (kind) {
    case Kind::Png:
    case Kind::Bitmap:
    case Kind::Mask: {
        const auto image =
            kind == Kind::Png ? LoadPngResource(item.toUInt()) : LoadBitmapResource(item.toUInt());
        ASSERT_NE(image, nullptr);
        EXPECT_FALSE(image->isNull());
        if (size.isValid()) {
            EXPECT_EQ(image->size(), size);
        }
        if (kind != Kind::Mask)
            return;
        // A mask is black where the button is and white around it.
        int black = 0;
        for (int y = 0; y < image->height(); ++y)
            for (int x = 0; x < image->width(); ++x) {
                const QRgb p = image->pixel(x, y) & 0xFFFFFF;
                ASSERT_TRUE(p == 0 || p == 0xFFFFFF) << x << "," << y;
                black += p == 0;
            }
        EXPECT_GT(black, image->width() * image->height() / 3);
        return;
    }
    case Kind::Icon:
        EXPECT_TRUE(LoadIconResource(item.toUInt()).availableSizes().contains(size));
        return;
    case Kind::NoIcon:
        EXPECT_TRUE(LoadIconResource(item.toUInt()).isNull());
        return;
    case Kind::Picture:
        EXPECT_EQ(QImage(path).size(), size);
        return;
    case Kind::Page: {
        QFile page(path);
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        const QByteArray html = page.readAll();
        EXPECT_TRUE(html.contains("charset=\"utf-8\"") || html.contains("charset=utf-8"));
        // The libraries and fonts the program ships with, credited in both languages.
        for (const char* part : {"Qt", "pugixml", "mpg123", "SDL", "LAME", "Liberation"})
            EXPECT_TRUE(html.contains(part)) << "no " << part;
        return;
    }
    case Kind::Language:
        EXPECT_EQ(platform::IniFile(path).value("Language", "lang_en", "?"),
                  QFileInfo(path).baseName());
        return;
    case Kind::Tune:
    case Kind::Loop:
        expectWholeTune(item, kind == Kind::Loop);
        return;
    }
}

class Inventory : public ::testing::TestWithParam<Stock> {};

TEST_P(Inventory, EveryItemIsThereWithItsSize)
{
    for (const QString& item : GetParam().items) {
        SCOPED_TRACE(item.toStdString());
        expectInStock(GetParam().kind, item, GetParam().size);
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, Inventory, ::testing::ValuesIn(kStock),
                         ::testing::PrintToStringParamName());

TEST(PackedPictures, NothingBeyondTheListedOnesAndThickFlakesGrow)
{
    std::set<QString> listed;
    for (const Stock& stock : kStock)
        if (stock.kind == Kind::Png)
            for (const QString& id : stock.items)
                listed.insert(QStringLiteral(":/png/%1.png").arg(id));
    EXPECT_EQ(listed.size(), 295u);
    LoadPngResource(139); // makes the pictures known
    std::set<QString> packed;
    for (QDirIterator it(QStringLiteral(":/png"), QDir::Files); it.hasNext();)
        packed.insert(it.next());
    EXPECT_EQ(packed, listed);
    // The snow picks thick flakes by size, smallest first.
    int previousArea = 0;
    for (unsigned id = 213; id <= 222; ++id) {
        const auto flake = LoadPngResource(id);
        ASSERT_NE(flake, nullptr);
        EXPECT_GT(flake->width() * flake->height(), previousArea) << "picture " << id;
        previousArea = flake->width() * flake->height();
    }
}

} // namespace
