#pragma once

#include <array>

// The kinds of snow by the key the settings file stores in strSnowType.
// kSnowKindKeys lists them in the order of CDlgSnow::SnowType.
inline constexpr const char* kSnowFluffy = "fluffy";
inline constexpr const char* kSnowFine = "fine";
inline constexpr const char* kSnowThick = "thick";
inline constexpr const char* kSnowSparkling = "sparkling";
inline constexpr const char* kSnowFantasy = "fantasy";
inline constexpr const char* kSnowDeep = "deep";

inline constexpr std::array<const char*, 6> kSnowKindKeys = {
    kSnowFluffy, kSnowFine, kSnowThick, kSnowSparkling, kSnowFantasy, kSnowDeep};
