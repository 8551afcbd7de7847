#pragma once

#include <array>

// The cursor effects by the key the settings file stores in strCursorType.
// kCursorEffectKeys lists them in the order of CDlgCursor::Effect.
inline constexpr const char* kCursorFairyDust = "FAIRY_DUST";
inline constexpr const char* kCursorSnow = "SNOW";
inline constexpr const char* kCursorStocking = "STOCKING";
inline constexpr const char* kCursorBall = "BALL";
inline constexpr const char* kCursorBells = "BELLS";
inline constexpr const char* kCursorBow = "BOW";
inline constexpr const char* kCursorEuphorbiaPulcherrima = "EUPHORBIA_PULCHERRIMA";
inline constexpr const char* kCursorPresents = "PRESENTS";
inline constexpr const char* kCursorSpinningWreath = "SPINNING_WREATH";
inline constexpr const char* kCursorWreath = "WREATH";

inline constexpr std::array<const char*, 10> kCursorEffectKeys = {kCursorFairyDust,
                                                                  kCursorSnow,
                                                                  kCursorStocking,
                                                                  kCursorBall,
                                                                  kCursorBells,
                                                                  kCursorBow,
                                                                  kCursorEuphorbiaPulcherrima,
                                                                  kCursorPresents,
                                                                  kCursorSpinningWreath,
                                                                  kCursorWreath};
