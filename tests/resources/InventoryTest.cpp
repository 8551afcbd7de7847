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
    return std::abs(
        *std::max_element(from, to, [](float a, float b) { return std::abs(a) < std::abs(b); }));
}

enum class Kind { Png, Bitmap, Mask, Icon, NoIcon, Picture, Page, Language, Tune, Loop };

struct Stock {
    const char* name;
    Kind kind;
    QSize size;        // of every item; empty where the design leaves it to us
    QStringList items; // resource ids, or file names in the program's folder
};

// Resource ids written as "139-158 183 184".
QStringList ids(const char* list)
{
    QStringList items;
    for (const QString& part : QString::fromLatin1(list).split(QLatin1Char(' '))) {
        const QStringList ends = part.split(QLatin1Char('-'));
        for (unsigned id = ends.first().toUInt(); id <= ends.last().toUInt(); ++id)
            items << QString::number(id);
    }
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
    {"GarlandPieces", Kind::Png, {48, 48}, ids("141-148 157 158 162 163 166-173 181 183 184")},
    // Corners reach half a piece along both edges, over the gap beside them.
    {"GarlandCorners", Kind::Png, {72, 72}, ids("139 140 149-156 161 164 165 174-180")},
    {"WhiteBulbs", Kind::Png, {32, 32}, ids("159 160")},
    {"PineSections", Kind::Png, {480, 96}, ids("182 185 186")},
    {"IcicleStrings", Kind::Png, {100, 310}, ids("234-243")},
    {"BallsAndStrawberries", Kind::Png, {96, 96}, ids("497 499 502-513 544 545")},
    {"Glows", Kind::Png, {96, 96}, ids("515-519")},
    {"Snowflakes", Kind::Png, {156, 156}, ids("521-525")},
    // What joins the garland's pieces across gaps: stretches of wire and
    // string, stretched to fit, and the white string's corner bends.
    {"WhiteWire", Kind::Png, {4, 32}, ids("600")},
    {"WhiteWireBends", Kind::Png, {32, 32}, ids("601 602")},
    {"BallWire", Kind::Png, {8, 96}, ids("603")},
    {"SnowflakeString", Kind::Png, {8, 156}, ids("604")},
    {"FineSnow", Kind::Png, {1, 1}, ids("193 210")},
    {"FineSnowMiddle", Kind::Png, {2, 2}, ids("211")},
    {"FineSnowLarge", Kind::Png, {3, 3}, ids("194 212")},
    {"FluffySnow", Kind::Png, {16, 16}, ids("195-200 202-204")},
    {"ThinnestThickFlake", Kind::Png, {4, 7}, ids("213")},
    {"ThickFlakes", Kind::Png, {}, ids("214-221")},
    {"ThickestThickFlake", Kind::Png, {47, 54}, ids("222")},
    {"SparklingSnow", Kind::Png, {10, 10}, ids("348 349")},
    {"FantasySnow", Kind::Png, {32, 32}, ids("353 354 356 357 364-366 368 370")},
    {"DeepSnow", Kind::Png, {1366, 768}, ids("374-493")},
    {"FrostSmall", Kind::Png, {1366, 768}, ids("554")},
    {"FrostLarge", Kind::Png, {1920, 1080}, ids("555")},
    {"SilverTree", Kind::Png, {300, 355}, ids("295-304")},
    {"BowTree", Kind::Png, {300, 500}, ids("311 312")},
    {"JoyTree", Kind::Png, {400, 443}, ids("313-318")},
    {"SnowyTree", Kind::Png, {300, 392}, ids("319 320")},
    {"HoarfrostTree", Kind::Png, {300, 431}, ids("321-325")},
    {"Stocking", Kind::Png, {32, 58}, ids("551")},
    {"Ball", Kind::Png, {42, 48}, ids("576")},
    {"Bells", Kind::Png, {32, 32}, ids("577")},
    {"Wreaths", Kind::Png, {32, 31}, ids("578 580")},
    {"Present", Kind::Png, {32, 27}, ids("579")},
    {"SpinningWreath", Kind::Png, {64, 64}, ids("581")},
    {"CursorLarge", Kind::Png, {124, 128}, ids("583")},
    {"CursorSquare", Kind::Png, {128, 128}, ids("584-587")},
    {"Emblem", Kind::Png, {128, 128}, ids("231")},
    {"Banner", Kind::Png, {256, 64}, ids("232")},
    {"PageBackdrops", Kind::Png, {}, ids("252 344")},
    {"GeneralPicture", Kind::Png, {500, 360}, ids("251")},
    {"LightsPicture", Kind::Png, {480, 290}, ids("256")},
    {"PagePictures", Kind::Png, {470, 273}, ids("265 276 290 310 345 561 570 571 575")},
    {"PagePictureWide", Kind::Png, {471, 273}, ids("285")},
    {"PagePictureWidest", Kind::Png, {472, 273}, ids("562")},
    {"HelpButton", Kind::Bitmap, {16, 16}, ids("257")},
    {"HelpButtonMask", Kind::Mask, {16, 16}, ids("258")},
    {"RoundButton", Kind::Bitmap, {220, 220}, ids("246 248 249")},
    {"RoundButtonMask", Kind::Mask, {220, 220}, ids("247")},
    {"SmallButtons", Kind::Bitmap, {106, 40}, ids("291 293")},
    {"SmallButtonMask", Kind::Mask, {106, 40}, ids("292")},
    {"PageButtons", Kind::Bitmap, {106, 40}, ids("277 279-283 564-569 572-574")},
    {"PageButtonMask", Kind::Mask, {106, 40}, ids("278")},
    {"AppIconSmall", Kind::Icon, {16, 16}, ids("128")},
    {"AppIconLarge", Kind::Icon, {256, 256}, ids("128")},
    {"TabIcons", Kind::Icon, {16, 16}, ids("330 331 334 338 335 339 558 337 332 333 559 329")},
    {"UnnamedIcon", Kind::NoIcon, {}, ids("336")},
    {"LogonPictures", Kind::Picture, {1920, 1080}, logon("")},
    {"LogonPreviews", Kind::Picture, {240, 135}, logon("_preview")},
    {"CreditsPages", Kind::Page, {}, {"credits_en.html", "credits_ru.html"}},
    {"LanguageFiles",
     Kind::Language,
     {},
     {"English.lng", "Russian.lng", "German.lng", "Polish.lng", "French.lng"}},
    {"Tunes",
     Kind::Tune,
     {},
     {"angels_we_have_heard_on_high.mp3", "away_in_a_manger.mp3", "deck_the_halls_alternate.mp3",
      "jingle_bells.mp3", "joy_to_the_world.mp3",
      "musical-snow-globe-we-wish-you-a-merry-christmas.mp3", "music-box-joy-to-the-world.mp3",
      "music-box-symphonion-o-christmas-tree.mp3", "music-box-wish-you-a-merry-christmas.mp3",
      "dance_of_the_sugar_plum_fairy.mp3", "santa-ho-ho-ho.mp3"}},
    {"BackgroundSounds", Kind::Loop, {}, {"fireplace.mp3", "snowstorm.mp3"}},
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
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(PackedPictures, NothingBeyondTheListedOnesAndThickFlakesGrow)
{
    std::set<QString> listed;
    for (const Stock& stock : kStock)
        if (stock.kind == Kind::Png)
            for (const QString& id : stock.items)
                listed.insert(QStringLiteral(":/png/%1.png").arg(id));
    EXPECT_EQ(listed.size(), 300u);
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
