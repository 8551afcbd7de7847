#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each case of a parameterised test after the `name` of its row.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& testCase) const
    {
        return testCase.param.name;
    }
};

// Names each case after its settings key (the row's `key`, or the parameter
// itself), such as "FAIRY_DUST" or "christmas_pine", without the underscores.
struct KeyCaseName {
    static std::string withoutUnderscores(std::string name)
    {
        std::erase(name, '_');
        return name;
    }
    std::string operator()(const ::testing::TestParamInfo<const char*>& testCase) const
    {
        return withoutUnderscores(testCase.param);
    }
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& testCase) const
    {
        return withoutUnderscores(testCase.param.key);
    }
};
