#pragma once

#include <array>

// Resource ids of the pictures that both the program loads and the art
// generator draws; a picture keeps its id for good, since a loader and a
// painter that disagree leave a window without its picture.

// The program's icon, in every size the desktop may ask for.
inline constexpr unsigned kProgramIcon = 128;

// The settings window's tab icons, in the order it appends its tabs.
inline constexpr unsigned kTabIcons[] = {330, 331, 334, 338, 335, 339,
                                         558, 337, 332, 333, 559, 329};

// The settings window's backdrop, the pages' backdrop and the General page's top.
inline constexpr unsigned kWindowBackgroundPicture = 252;
inline constexpr unsigned kPageBackgroundPicture = 256;
inline constexpr unsigned kGeneralTopPicture = 345;

// The cursor effects' pictures.
inline constexpr unsigned kStockingPicture = 551;
inline constexpr unsigned kBallPicture = 576;
inline constexpr unsigned kBellsPicture = 577;
inline constexpr unsigned kWreathPicture = 578;
inline constexpr unsigned kBowPicture = 579;
inline constexpr unsigned kEuphorbiaPicture = 580;
inline constexpr unsigned kSpinningWreathPicture = 581;
inline constexpr std::array<unsigned, 5> kPresentPictures = {583, 584, 585, 586, 587};

// Frost for screens up to 768 pixels high (1366x768) and for taller ones (1920x1080).
inline constexpr unsigned kSmallFrostPicture = 554;
inline constexpr unsigned kLargeFrostPicture = 555;

// Deep snow's frames follow one another from the first id.
inline constexpr unsigned kFirstDeepPicture = 374;
inline constexpr unsigned kDeepPictureCount = 120;

// The pages' help button (bmp/): its picture in every state, and its shape.
inline constexpr unsigned short kHelpButtonBitmap = 257;
inline constexpr unsigned short kHelpButtonMask = 258;

// The pictures of the other pages.
inline constexpr unsigned kCursorTopPicture = 561;
inline constexpr unsigned kFrostPagePicture = 562;
inline constexpr unsigned kTreePagePicture = 310;
inline constexpr unsigned kLogonPagePicture = 344;
inline constexpr unsigned kAboutBackgroundPicture = 251;
inline constexpr unsigned kEmblemPicture = 231;
inline constexpr unsigned kTitlePicture = 232;
inline constexpr unsigned kWallpapersPagePicture = 285;
inline constexpr unsigned kSitePagePicture = 290;

// The other pages' skinned buttons (bmp/).
inline constexpr unsigned kWallpapersButtonBitmap = 246;
inline constexpr unsigned kWallpapersButtonMask = 247;
inline constexpr unsigned kWallpapersButtonOverBitmap = 248;
inline constexpr unsigned kWallpapersButtonDownBitmap = 249;
inline constexpr unsigned kSiteButtonBitmap = 291;
inline constexpr unsigned kSiteButtonMask = 292;
inline constexpr unsigned kSiteButtonOverBitmap = 293;
inline constexpr unsigned kCountdownButtonMask = 278;

// The Countdown page's picture and button in one language of the user
// interface, the words painted in; every button has the same shape
// (kCountdownButtonMask).
struct CountdownPictures {
    unsigned picture;            // png, 470 x 273
    unsigned normal, down, over; // bmp, 106 x 40
};
inline constexpr CountdownPictures kCountdownFrench{571, 567, 568, 569};
inline constexpr CountdownPictures kCountdownGerman{570, 564, 565, 566};
inline constexpr CountdownPictures kCountdownPolish{575, 574, 572, 573};
inline constexpr CountdownPictures kCountdownRussian{276, 281, 283, 282};
// English and every language without its own.
inline constexpr CountdownPictures kCountdownOther{265, 277, 280, 279};
